#include "platform/headless/bmp_writer.h"

#include <cstdio>
#include <memory>

#include "platform/bytes.h"

namespace vela::platform::headless {

namespace {
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint16_t kBmpMagic = 0x4D42;  // "BM"
}  // namespace

bool WriteBmp32(const Pixmap& pixmap, const std::string& path) {
    const size_t imageSize = static_cast<size_t>(pixmap.width) * pixmap.height * 4;
    std::vector<uint8_t> file(kFileHeaderSize + kInfoHeaderSize + imageSize, 0);
    uint8_t* p = file.data();
    WriteU16(p, 0, kBmpMagic);
    WriteU32(p, 2, static_cast<uint32_t>(file.size()));
    WriteU32(p, 10, static_cast<uint32_t>(kFileHeaderSize + kInfoHeaderSize));
    uint8_t* info = p + kFileHeaderSize;
    WriteU32(info, 0, kInfoHeaderSize);
    WriteI32(info, 4, pixmap.width);
    WriteI32(info, 8, pixmap.height);  // positive: bottom row first
    WriteU16(info, 12, 1);             // planes
    WriteU16(info, 14, 32);            // bits per pixel
    WriteU32(info, 20, static_cast<uint32_t>(imageSize));
    uint8_t* rows = info + kInfoHeaderSize;
    for (int y = 0; y < pixmap.height; ++y) {
        uint8_t* row = rows + static_cast<size_t>(pixmap.height - 1 - y) * pixmap.width * 4;
        for (int x = 0; x < pixmap.width; ++x)
            WriteU32(row, static_cast<size_t>(x) * 4, pixmap.At(x, y));
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(path.c_str(), "wb"),
                                                        &std::fclose);
    if (!out) return false;
    return std::fwrite(file.data(), 1, file.size(), out.get()) == file.size();
}

}  // namespace vela::platform::headless
