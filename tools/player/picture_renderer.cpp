#include "tools/player/picture_renderer.h"

#include "platform/headless/bitmap_font.h"

namespace vela::player {

namespace {

constexpr uint32_t kBars[8] = {0xFFFFFF, 0xFFFF00, 0x00FFFF, 0x00FF00,
                               0xFF00FF, 0xFF0000, 0x0000FF, 0x000000};
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr int kTextMargin = 2;

void FillRect(std::vector<uint32_t>& pixels, int width, int height, int left, int top, int right,
              int bottom, uint32_t colour) {
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    if (right > width) right = width;
    if (bottom > height) bottom = height;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) pixels[static_cast<size_t>(y) * width + x] = colour;
    }
}

// White text on a black strip, so that it reads over any bar.
void DrawText(std::vector<uint32_t>& pixels, int width, int height, const std::string& text) {
    using namespace platform::headless;
    if (text.empty()) return;
    int textWidth = static_cast<int>(text.size()) * kFontCellWidth;
    FillRect(pixels, width, height, 0, 0, textWidth + 2 * kTextMargin,
             kFontCellHeight + 2 * kTextMargin, kBlack);
    for (size_t i = 0; i < text.size(); ++i) {
        int c = static_cast<unsigned char>(text[i]);
        if (c < kFontFirstChar || c > kFontLastChar) continue;
        const uint8_t* rows = kFontGlyphs[c - kFontFirstChar];
        int left = kTextMargin + static_cast<int>(i) * kFontCellWidth;
        for (int row = 0; row < kFontCellHeight; ++row) {
            int y = kTextMargin + row;
            for (int col = 0; col < kFontCellWidth; ++col) {
                int x = left + col;
                if (x < width && y < height && (rows[row] >> (kFontCellWidth - 1 - col)) & 1) {
                    pixels[static_cast<size_t>(y) * width + x] = kWhite;
                }
            }
        }
    }
}

}  // namespace

bool RenderPicture(const wire::Picture& picture, std::vector<uint32_t>* pixels) {
    int width = picture.width, height = picture.height;
    if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide) {
        return false;
    }
    pixels->resize(static_cast<size_t>(width) * height);
    int shift = picture.barShift % width;
    for (int x = 0; x < width; ++x) {
        uint32_t colour = kBars[((x - shift + width) % width) * 8 / width];
        for (int y = 0; y < height; ++y) (*pixels)[static_cast<size_t>(y) * width + x] = colour;
    }
    int side = height / 8;
    FillRect(*pixels, width, height, picture.boxX, picture.boxY, picture.boxX + side,
             picture.boxY + side, kWhite);
    DrawText(*pixels, width, height, picture.overlay);
    return true;
}

}  // namespace vela::player
