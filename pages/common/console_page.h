// The contract between the console and each of its settings pages. A page is a modeless child
// dialog of the console that edits the records of the device connection in place. UI thread.
//
// Lifetime: the console owns its pages and destroys their windows before the device
// connection goes away; a page keeps the PageContext it was given only while its window exists.
#pragma once

#include <cstdint>

#include "resources/dialog_template.h"
#include "ui/dialog.h"

namespace vela::device {
class CDvsDevice;
}

namespace vela::pages {

// What a page may ask of the console that shows it. Counts are the device connection's,
// bounded to 0..32; the login handle is for the direct NetSDK calls some pages make.
struct PageContext {
    device::CDvsDevice* device = nullptr;  // not owned; null when the console has none
    int32_t loginHandle = 0;
    int channelCount = 0;
    int alarmInputCount = 0;
};

// keepPreview values of UpdateRecords.
constexpr int kStopPreview = 0;
constexpr int kKeepPreview = 5;

class CConsolePage : public ui::Dialog {
  public:
    explicit CConsolePage(const resources::DialogTemplate& dialog) : ui::Dialog(dialog) {}

    // Given by the console before the page's window is created.
    void SetContext(const PageContext& context) { m_Context = context; }
    const PageContext& Context() const { return m_Context; }

    // bSave 0: fill the controls from the records (a page with a live preview starts it).
    // bSave 1: write the controls into the records. keepPreview: kStopPreview also stops the
    // page's preview, kKeepPreview keeps it running; pages without a preview ignore it.
    // Returns 1 when done, 0 when the page has nothing to exchange.
    virtual int UpdateRecords(int bSave, int keepPreview) = 0;

    // Pages with a live preview (Channel, Alarm) draw their overlay onto a displayed frame.
    // Player library thread, while the console holds its draw lock (so the page's window is
    // not being destroyed); the others draw nothing.
    virtual void DrawHook(void* /*deviceContext*/, uintptr_t /*user*/) {}

    // The host's motion-alarm state of a channel, which the Alarm page shows on its picture.
    // A host thread, while the console holds its draw lock (so the page's window is not being
    // destroyed); the other pages show nothing.
    virtual void ShowMotionAlarm(int /*channel*/, int /*state*/) {}

  private:
    PageContext m_Context;
};

}  // namespace vela::pages
