// An event sink that writes each event it gets as one line, for exact order assertions, and
// lets a test hook its own reaction to an event.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace vela::wstest {

class RecordingSink : public platform::EventSink {
  public:
    // Events logged: commands, notifications, close, user, destroyed, mouse and key events.
    std::vector<std::string> log;
    // Called for every event; returns whether the event is handled.
    std::function<bool(platform::Event&)> handler;
    // Returned by PreTranslate for mouse and key messages.
    bool swallowInput = false;
    std::vector<std::string> preTranslated;

    bool PreTranslate(const platform::Event& event) override;
    bool OnEvent(platform::Event& event) override;
};

// The window system of this build.
platform::WindowSystem& Ws();

// A fresh path in the temporary folder.
std::string TempFile(const std::string& name);

// A 32-bit BMP file as Snapshot writes it.
struct Bmp {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<uint8_t> bytes;
    size_t pixelOffset = 0;
    // The colour at a top-down point of the bottom-up picture.
    platform::Color At(int x, int y) const;
};
bool ReadBmp(const std::string& path, Bmp& bmp);

}  // namespace vela::wstest
