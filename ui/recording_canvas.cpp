#include "ui/recording_canvas.h"

namespace vela::ui {

void RecordingCanvas::DrawLine(platform::Point from, platform::Point to, const platform::Pen& pen) {
    DrawCall call;
    call.kind = DrawCall::Kind::Line;
    call.from = from;
    call.to = to;
    call.pen = pen;
    m_arrCalls.push_back(call);
}

void RecordingCanvas::FrameRect(const platform::Rect& rect, const platform::Pen& pen) {
    DrawCall call;
    call.kind = DrawCall::Kind::Frame;
    call.rect = rect;
    call.pen = pen;
    m_arrCalls.push_back(call);
}

void RecordingCanvas::FillRect(const platform::Rect& rect, platform::Color color) {
    DrawCall call;
    call.kind = DrawCall::Kind::Fill;
    call.rect = rect;
    call.color = color;
    m_arrCalls.push_back(call);
}

void RecordingCanvas::DrawString(platform::Point origin, const std::string& text,
                                 const platform::Font& font, platform::Color color,
                                 unsigned flags) {
    DrawCall call;
    call.kind = DrawCall::Kind::Text;
    call.from = origin;
    call.text = text;
    call.font = font;
    call.color = color;
    call.flags = flags;
    m_arrCalls.push_back(call);
}

platform::Size RecordingCanvas::MeasureText(const std::string& text, const platform::Font&,
                                            unsigned flags) {
    const std::string shown = (flags & platform::kTextMnemonic) ? StripMnemonics(text) : text;
    return {static_cast<int>(shown.size()) * kCharWidth, kCharHeight};
}

void RecordingCanvas::DrawDib(const platform::DibView&, const platform::Rect& source,
                              const platform::Rect& target, const platform::Palette* palette) {
    DrawCall call;
    call.kind = DrawCall::Kind::Dib;
    call.source = source;
    call.rect = target;
    call.palette = palette != nullptr;
    m_arrCalls.push_back(call);
}

std::string StripMnemonics(const std::string& text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 >= text.size()) break;
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

}  // namespace vela::ui
