// The console's pages, one row each: its number, its template, its button and script name, and
// how it is made. The console builds its page array from this table. Adding a page is its
// folder under pages/ and its row here. Constant table, any thread.
#pragma once

#include <memory>

#include "console/console_buttons.h"
#include "pages/common/console_page.h"
#include "resources/dialog_template.h"

namespace vela::console {

// Pages by number; 0 is none, any other number in ShowPage means all pages.
enum PageNumber : int {
    kNoPage = 0,
    kServerPage = 1,
    kChannelPage = 2,
    kPtzPage = 3,
    kSensorPage = 4,
    kAlarmPage = 5
};
constexpr int kPageCount = 5;

using PageMaker = std::unique_ptr<pages::CConsolePage> (*)();

struct PageRow {
    int number;
    const resources::DialogTemplate* dialog;
    ButtonSlot button;
    int buttonId;            // control id in the console's template
    const char* scriptName;  // `page NAME` of the console script
    bool needsAlarmInputs;   // its button does nothing on a device without alarm inputs
    bool drawsOverlay;       // its DrawHook draws over the live picture of every frame
    PageMaker make;
};

// Rows in page-number order: row i is page i + 1.
extern const PageRow kPageTable[kPageCount];

// The row of a page number, null for any other number.
const PageRow* FindPageRow(int number);

// A new page of the row. UI thread.
std::unique_ptr<pages::CConsolePage> MakePage(const PageRow& row);

}  // namespace vela::console
