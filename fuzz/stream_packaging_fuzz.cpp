// libFuzzer target for the live preview's stream packaging: packets of any type, length and
// content, in any order and with stream ends between them, go through CStreamPackager into an
// in-process player table that checks every chunk it is handed. A chunk is well formed when it
// is a 48-byte frame header (after the 16-byte "HBM4" header for a stream start) whose payload
// length is the rest of the chunk, whose payload is what the packet carried, and which arrives
// only while the player's stream is open and playing. Anything else aborts.
//
// Input, a sequence of records (op byte first):
//   op % 8 == 7  Stop()
//   op % 8 == 6  one byte of player answers: bit 0 OpenStream fails, bit 1 Play fails,
//                bit 2 no window
//   op == 5      a packet of kMaxBufferBytes minus the next byte, zero filled, of the type in
//                the byte after it (the buffer's limit; rare, as it is slow)
//   otherwise    a packet: type byte, u16 length, u8 first, u8 second, then length bytes (cut
//                to what is left); op bit 3 passes a negative length, op bit 4 no data
// Threads: one, standing for both the NetSDK thread (OnPacket) and the UI thread (Stop).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/bytes.h"
#include "preview/growable_buffer.h"
#include "preview/stream_format.h"
#include "preview/stream_packager.h"

namespace {

using namespace vela::preview;

// What the harness sent and what the player has seen.
struct PlayerState {
    bool openFails = false;
    bool playFails = false;
    bool open = false;
    bool playing = false;
    int32_t packetType = 0;
    const uint8_t* packet = nullptr;
    size_t packetLength = 0;
    bool firstPacket = true;  // the packet being delivered is the stream's first
};
PlayerState g_player;
int g_window;  // any address stands for the preview window
constexpr uint8_t kBigPacketOp = 5;

[[noreturn]] void Finding() {
    std::abort();
}

void Require(bool condition) {
    if (!condition) Finding();
}

// The payload a frame of that type must carry for the packet being delivered.
void CheckPayload(int32_t frameType, const uint8_t* payload, size_t length) {
    const PlayerState& p = g_player;
    if (frameType == kFrameStreamStart) {
        Require(p.firstPacket);
        const bool own = p.packetType == kPacketHeader && p.packet && p.packetLength >= 1;
        const uint8_t* expected = own ? p.packet : kSubstituteStart;
        const size_t expectedLength = own ? p.packetLength : sizeof kSubstituteStart;
        Require(length == expectedLength && std::memcmp(payload, expected, length) == 0);
        return;
    }
    Require(p.packet != nullptr);
    if (frameType == kFrameAudio) {
        Require(p.packetType == kPacketAudio && length >= kAudioDescriptorSize);
        Require(std::memcmp(payload, "alaw", 4) == 0);
        Require(length - kAudioDescriptorSize + kOtherPacketSkip == p.packetLength);
        Require(std::memcmp(payload + kAudioDescriptorSize, p.packet + kOtherPacketSkip,
                            length - kAudioDescriptorSize) == 0);
        return;
    }
    const size_t skipped = frameType == kFrameKey ? kKeyPacketSkip : kOtherPacketSkip;
    if (frameType == kFrameKey)
        Require(p.packetType == kPacketKey);
    else
        Require(p.packetType >= kPacketDeltaFirst && p.packetType <= kPacketDeltaLast);
    Require(length + skipped == p.packetLength);
    Require(std::memcmp(payload, p.packet + skipped, length) == 0);
}

// A chunk as the player receives it; wantStart: only a stream start is acceptable.
void CheckChunk(const uint8_t* data, uint32_t size, bool wantStart) {
    Require(data != nullptr && size <= kMaxBufferBytes);
    size_t at = 0;
    const bool streamHeader = size >= 4 && std::memcmp(data, kStreamMagic, 4) == 0;
    if (streamHeader) {
        Require(size >= kStreamHeaderSize);
        for (size_t i = 4; i < kStreamHeaderSize; ++i) Require(data[i] == 0);
        at = kStreamHeaderSize;
    }
    Require(size - at >= kFrameHeaderSize);
    const uint8_t* header = data + at;
    Require(std::memcmp(header, kFrameMagic, kFrameMagicSize) == 0);
    const int32_t type = vela::ReadI32(header, kFrameTypeOffset);
    Require(type == kFrameStreamStart || type == kFrameKey || type == kFrameDelta ||
            type == kFrameAudio);
    Require(streamHeader == (type == kFrameStreamStart));
    Require(!wantStart || type == kFrameStreamStart);
    Require(vela::ReadI32(header, kFrameFormatOffset) == kFrameFormat);
    const uint32_t length = vela::ReadU32(header, kFrameLengthOffset);
    Require(length == size - at - kFrameHeaderSize);
    CheckPayload(type, header + kFrameHeaderSize, length);
}

int32_t VELA_STDCALL OpenStream(int32_t port, const uint8_t* data, uint32_t size, uint32_t buffer) {
    Require(port == kPreviewPort && !g_player.open && buffer == kPlayerStreamBufferBytes);
    CheckChunk(data, size, true);
    g_player.open = !g_player.openFails;
    return g_player.open ? 1 : 0;
}

int32_t VELA_STDCALL Play(int32_t port, void* window) {
    Require(port == kPreviewPort && g_player.open && !g_player.playing && window == &g_window);
    g_player.playing = !g_player.playFails;
    return g_player.playing ? 1 : 0;
}

int32_t VELA_STDCALL InputData(int32_t port, const uint8_t* data, uint32_t size) {
    Require(port == kPreviewPort && g_player.open && g_player.playing);
    CheckChunk(data, size, false);
    return 1;
}

int32_t VELA_STDCALL StopPort(int32_t port) {
    Require(port == kPreviewPort && g_player.open);
    g_player.playing = false;
    return 1;
}

int32_t VELA_STDCALL CloseStream(int32_t port) {
    Require(port == kPreviewPort && g_player.open);
    g_player.open = false;
    g_player.playing = false;
    return 1;
}

PlayerFunctions MakeCheckingPlayer() {
    PlayerFunctions player;
    player.slots[kSlotOpenStream] = reinterpret_cast<void*>(&OpenStream);
    player.slots[kSlotPlay] = reinterpret_cast<void*>(&Play);
    player.slots[kSlotInputData] = reinterpret_cast<void*>(&InputData);
    player.slots[kSlotStop] = reinterpret_cast<void*>(&StopPort);
    player.slots[kSlotCloseStream] = reinterpret_cast<void*>(&CloseStream);
    return player;
}

int32_t PacketType(uint8_t code) {
    constexpr int32_t kTypes[] = {kPacketHeader, kPacketKey, 2, 3, 4, 5, kPacketAudio, 6, 9, 11};
    constexpr size_t kTypeCount = sizeof kTypes / sizeof kTypes[0];
    return code < 0xF0 ? kTypes[code % kTypeCount] : static_cast<int32_t>(code) - 0x100;
}

// Delivers one packet from a buffer of exactly its bytes, so a read past it is caught.
void Deliver(CStreamPackager& packager, int32_t type, const uint8_t* bytes, int32_t length,
             bool withData, uint16_t first, uint16_t second) {
    g_player.packetType = type;
    g_player.packet = withData && length >= 0 ? bytes : nullptr;
    g_player.packetLength = length >= 0 ? static_cast<size_t>(length) : 0;
    const bool wasOpen = g_player.open;
    packager.OnPacket(type, withData ? bytes : nullptr, length, first, second);
    g_player.firstPacket = false;
    Require(packager.PlayerOpen() == g_player.open || (!wasOpen && !g_player.open));
    Require(packager.Chunk().Length() <= kMaxBufferBytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const PlayerFunctions player = MakeCheckingPlayer();
    g_player = PlayerState{};
    CStreamPackager packager;
    packager.SetPlayer(&player);
    packager.SetWindow(&g_window);
    size_t at = 0;
    auto next = [&]() -> uint8_t { return at < size ? data[at++] : 0; };
    while (at < size) {
        const uint8_t op = next();
        if (op == kBigPacketOp) {
            static const std::vector<uint8_t> zeros(kMaxBufferBytes);
            const size_t length = kMaxBufferBytes - next();
            const int32_t type = PacketType(next());
            Deliver(packager, type, zeros.data(), static_cast<int32_t>(length), true, 0, 0);
            continue;
        }
        switch (op % 8) {
            case 7:
                packager.Stop();
                Require(!g_player.open && !packager.PlayerOpen());
                g_player.firstPacket = true;
                break;
            case 6: {
                const uint8_t answers = next();
                g_player.openFails = answers & 1;
                g_player.playFails = answers & 2;
                packager.SetWindow(answers & 4 ? nullptr : &g_window);
                break;
            }
            default: {
                const int32_t type = PacketType(next());
                size_t length = next();
                length |= static_cast<size_t>(next()) << 8;
                const uint16_t first = next(), second = next();
                if (length > size - at) length = size - at;
                std::vector<uint8_t> bytes(data + at, data + at + length);
                at += length;
                const int32_t passed =
                    op & 8 ? -1 - static_cast<int32_t>(length) : static_cast<int32_t>(length);
                Deliver(packager, type, bytes.data(), passed, !(op & 16), first, second);
                break;
            }
        }
    }
    packager.Stop();
    Require(!g_player.open);
    return 0;
}
