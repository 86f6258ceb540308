// The Channel page's control ids, its placement and label table and its fixed lists. Section
// "DvsCfgChannel" of the ControlPos file places the controls, the same section of the
// StaticButtonText file gives the label and button captions; list texts come from "DVSInfo"
// of the TextRes file. Keys and caption keys are in the template's rows. Constant tables.
#pragma once

#include <iterator>

#include "pages/channel/channel_template.h"

namespace vela::pages::channel {

constexpr char kSection[] = "DvsCfgChannel";
constexpr char kBackgroundName[] = "setchannelbkg";
constexpr char kListTextSection[] = "DVSInfo";  // TextRes file
constexpr char kButtonBitmap[] = "NormalBtn";
constexpr const char* kPlayWindowKey = resources::kPlayWindowKey;
constexpr char kTimeFormat[] = "HH:mm";

namespace id {
constexpr int kChannel = 4123;
constexpr int kName = 4131;
constexpr int kCopyToChannel = 4133;
constexpr int kCopyChannelButton = 1065;
constexpr int kMainStream = 4077;
constexpr int kSubStream = 4078;
constexpr int kFrameRate = 4138;
constexpr int kQuality = 4075;
constexpr int kInterval = 4076;
constexpr int kResolution = 1083;
constexpr int kBitRateControl = 4142;
constexpr int kBitRate = 4274;
constexpr int kVideo = 6146;
constexpr int kAudio = 6147;
constexpr int kTimeTitle = 4149;
constexpr int kNameTitle = 4150;
constexpr int kTimeX = 4099;
constexpr int kTimeY = 4101;
constexpr int kNameX = 4100;
constexpr int kNameY = 4102;
constexpr int kDateFormat = 4025;
constexpr int kCover = 4163;
constexpr int kCoverSetButton = 4164;
constexpr int kCover1 = 4165;
constexpr int kCover2 = 4168;
constexpr int kCover3 = 4170;
constexpr int kCover4 = 4172;
constexpr int kSchedule = 6061;
constexpr int kDay = 8080;
constexpr int kCopyToDay = 1064;
constexpr int kCopyDayButton = 8069;
constexpr int kPreRecord = 8086;
constexpr int kPreviewFrame = 8006;  // the template's frame under the play window
}  // namespace id

namespace label {
constexpr int kCover1 = 4166;
constexpr int kCover2 = 4167;
constexpr int kCover3 = 4169;
constexpr int kCover4 = 4171;
}  // namespace label

// Where a label goes when the skin lets the page align its labels: left of, right of or
// above its control's key.
enum class Align { kLeft, kRight, kAbove };

struct PlacedControl {
    int id;
    int labelId;  // 0: no label of its own
    Align align;
};

// One period row of the schedule: its pickers and its three recording types.
struct PeriodControls {
    int start, startLabel;
    int stop, stopLabel;
    int normal, alarm, motion;
};
constexpr PeriodControls kPeriods[] = {
    {8053, 6062, 8054, 6066, 1093, 1094, 1095}, {8055, 6063, 8056, 6067, 1096, 1099, 1102},
    {8057, 6064, 8058, 6068, 1097, 1100, 1103}, {8059, 6065, 8060, 6069, 1098, 1101, 1104},
    {8061, 6076, 8062, 6077, 1105, 1106, 1107}, {8063, 6078, 8064, 6079, 1108, 1109, 1110},
};
constexpr int kPeriodRows = static_cast<int>(std::size(kPeriods));
// The type columns carry one label each, above the first row.
constexpr int kNormalLabel = 6073;
constexpr int kAlarmLabel = 6074;
constexpr int kMotionLabel = 6075;

// Every control and its label outside the period rows (PlacementOrder adds those after "RecWeek").
// The skin buttons are placed by their pictures and the play window by its key.
constexpr PlacedControl kControls[] = {
    {id::kChannel, 4121, Align::kLeft},
    {id::kName, 4130, Align::kLeft},
    {id::kCopyToChannel, 4132, Align::kLeft},
    {id::kMainStream, 4134, Align::kRight},
    {id::kSubStream, 6046, Align::kRight},
    {id::kFrameRate, 4137, Align::kLeft},
    {id::kQuality, 4139, Align::kLeft},
    {id::kInterval, 4140, Align::kLeft},
    {id::kResolution, 6041, Align::kLeft},
    {id::kBitRateControl, 4141, Align::kLeft},
    {id::kBitRate, 4143, Align::kLeft},
    {id::kVideo, 4145, Align::kRight},
    {id::kAudio, 4146, Align::kRight},
    {id::kTimeTitle, 4147, Align::kRight},
    {id::kNameTitle, 4148, Align::kRight},
    {id::kTimeX, 4151, Align::kLeft},
    {id::kTimeY, 4153, Align::kLeft},
    {id::kNameX, 4152, Align::kLeft},
    {id::kNameY, 4154, Align::kLeft},
    {id::kDateFormat, 4057, Align::kLeft},
    {id::kCover, 4162, Align::kLeft},
    {id::kCover1, label::kCover1, Align::kLeft},
    {id::kCover2, label::kCover2, Align::kLeft},
    {id::kCover3, label::kCover3, Align::kLeft},
    {id::kCover4, label::kCover4, Align::kLeft},
    {id::kSchedule, 0, Align::kLeft},
    {id::kDay, 6059, Align::kLeft},
    {id::kCopyToDay, 6070, Align::kLeft},
    {id::kPreRecord, 6072, Align::kLeft},
};

// The skin buttons, placed by their keys at the size of their pictures.
constexpr int kSkinButtons[] = {id::kCopyChannelButton, id::kCoverSetButton, id::kCopyDayButton};
constexpr size_t kSkinButtonCount = std::size(kSkinButtons);

// Shown by the template, not used by this page. The preview frame would lie over the play
// window that takes its place, clipping the picture the player paints.
constexpr int kUnusedControls[] = {
    id::kCoverSetButton, id::kCover1,    id::kCover2,    id::kCover3,    id::kCover4,
    label::kCover1,      label::kCover2, label::kCover3, label::kCover4, id::kPreviewFrame,
};

// Enabled while the stream's video is on.
constexpr int kVideoFields[] = {id::kFrameRate,  id::kQuality,        id::kInterval,
                                id::kResolution, id::kBitRateControl, id::kAudio};
// Enabled with their title.
constexpr int kTimeTitleFields[] = {id::kTimeX, id::kTimeY, id::kDateFormat};
constexpr int kNameTitleFields[] = {id::kNameX, id::kNameY};

// Fixed lists: "Quality" 1..6, "Interval" 2..12, "StreamCtrl" 0..1, "RecPreTime" 0..255.
constexpr int kQualityFirst = 1;
constexpr int kQualityLast = 6;
constexpr int kIntervalFirst = 2;
constexpr int kIntervalLast = 12;
constexpr int kPreRecordLast = 255;
constexpr const char* kDateFormats[] = {"YYYY-MM-DD", "MM-DD-YYYY", "DD-MM-YYYY"};
constexpr char kNoPreRecordDefault[] = "No preRec";
constexpr int kAllDaysEntry = 7;  // "CopyToWeek" ends with the entry for every day

}  // namespace vela::pages::channel
