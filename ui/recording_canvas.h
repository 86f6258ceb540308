// A canvas that draws nothing and records every call, so that tests can assert the exact
// drawing of a widget (a line's end points, a pen, a caption's place and colour).
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace vela::ui {

struct DrawCall {
    enum class Kind { Line, Frame, Fill, Text, Dib };
    Kind kind = Kind::Line;
    platform::Point from, to;   // Line
    platform::Rect rect;        // Frame, Fill; Dib: the target
    platform::Rect source;      // Dib
    platform::Pen pen;          // Line, Frame
    platform::Color color = 0;  // Fill, Text
    platform::Font font;        // Text
    std::string text;           // Text
    unsigned flags = 0;         // Text
    bool palette = false;       // Dib: a palette was given
};

class RecordingCanvas : public platform::Canvas {
  public:
    // Text extent used by MeasureText: a fixed cell per character.
    static constexpr int kCharWidth = 6;
    static constexpr int kCharHeight = 13;

    void DrawLine(platform::Point from, platform::Point to, const platform::Pen& pen) override;
    void FrameRect(const platform::Rect& rect, const platform::Pen& pen) override;
    void FillRect(const platform::Rect& rect, platform::Color color) override;
    void DrawString(platform::Point origin, const std::string& text, const platform::Font& font,
                    platform::Color color, unsigned flags) override;
    platform::Size MeasureText(const std::string& text, const platform::Font& font,
                               unsigned flags) override;
    int PixelsPerInchY() override { return 96; }
    void DrawDib(const platform::DibView& dib, const platform::Rect& source,
                 const platform::Rect& target, const platform::Palette* palette) override;

    const std::vector<DrawCall>& Calls() const { return m_arrCalls; }
    void Clear() { m_arrCalls.clear(); }

  private:
    std::vector<DrawCall> m_arrCalls;
};

// Characters a text shows: mnemonic ampersands removed ("&&" shows one ampersand).
std::string StripMnemonics(const std::string& text);

}  // namespace vela::ui
