// The canvas the widgets paint on (see platform/canvas.h for the calls). Pages, skin buttons,
// group boxes and the play window see it only through this name.
#pragma once

#include "platform/canvas.h"

namespace vela::ui {

using Canvas = platform::Canvas;
using Color = platform::Color;
using Pen = platform::Pen;
using PenStyle = platform::PenStyle;
using Font = platform::Font;
using Point = platform::Point;
using Size = platform::Size;
using DibView = platform::DibView;
using Palette = platform::Palette;
using platform::Rgb;

}  // namespace vela::ui
