#include "tools/dvrsim/state_file.h"

#include <cstdio>
#include <cstring>

#include "platform/atomic_file.h"
#include "platform/bytes.h"

namespace vela::dvrsim {

namespace {
constexpr uint8_t kMagic[4] = {'V', 'D', 'S', 'S'};
constexpr uint32_t kFormatVersion = 1;
constexpr size_t kFileHeader = 12;
constexpr size_t kEntryHeader = 8;
constexpr size_t kMaxFileSize =
    kFileHeader + kMaxStateEntries * (kEntryHeader + kMaxStateEntryBytes);
}  // namespace

std::vector<uint8_t> EncodeState(const DeviceState& state) {
    std::vector<uint8_t> bytes(kFileHeader);
    std::memcpy(bytes.data(), kMagic, 4);
    WriteU32(bytes.data(), 4, kFormatVersion);
    WriteU32(bytes.data(), 8, static_cast<uint32_t>(state.entries.size()));
    for (const auto& [key, value] : state.entries) {
        size_t at = bytes.size();
        bytes.resize(at + kEntryHeader + value.size());
        WriteU32(bytes.data(), at, key);
        WriteU32(bytes.data(), at + 4, static_cast<uint32_t>(value.size()));
        if (!value.empty())
            std::memcpy(bytes.data() + at + kEntryHeader, value.data(), value.size());
    }
    return bytes;
}

bool DecodeState(const std::vector<uint8_t>& bytes, DeviceState* state) {
    state->entries.clear();
    if (bytes.size() < kFileHeader || std::memcmp(bytes.data(), kMagic, 4) != 0) return false;
    if (ReadU32(bytes.data(), 4) != kFormatVersion) return false;
    uint32_t count = ReadU32(bytes.data(), 8);
    if (count > kMaxStateEntries) return false;
    size_t at = kFileHeader;
    for (uint32_t i = 0; i < count; ++i) {
        if (bytes.size() - at < kEntryHeader) return false;
        uint32_t key = ReadU32(bytes.data(), at);
        uint32_t length = ReadU32(bytes.data(), at + 4);
        at += kEntryHeader;
        if (length > kMaxStateEntryBytes || bytes.size() - at < length) return false;
        state->entries[key].assign(bytes.begin() + static_cast<long>(at),
                                   bytes.begin() + static_cast<long>(at + length));
        at += length;
    }
    return at == bytes.size();
}

bool LoadStateFile(const std::string& path, DeviceState* state) {
    state->entries.clear();
    FILE* probe = std::fopen(path.c_str(), "rb");
    if (!probe) return true;
    std::fclose(probe);
    std::vector<uint8_t> bytes;
    if (!platform::ReadWholeFile(path, kMaxFileSize, &bytes)) return false;
    return DecodeState(bytes, state);
}

bool SaveStateFile(const std::string& path, const DeviceState& state) {
    std::vector<uint8_t> bytes = EncodeState(state);
    return platform::ReplaceFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace vela::dvrsim
