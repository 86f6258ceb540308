// The PTZ page's control ids and the tables its window walks: skin buttons with their bitmaps,
// placed controls, labels with the control each one sits beside, the motion buttons with
// their command codes, and the fixed list contents. Positions and captions come from section
// "DvsCfgYt" by the keys of the template rows (ptz_template.cpp). Constant tables, any thread.
#pragma once

#include <cstdint>

#include "pages/ptz/ptz_skin.h"

namespace vela::pages::ptz {

constexpr char kPtzSection[] = "DvsCfgYt";
constexpr char kPtzBackground[] = "setytbkg";

namespace id {
constexpr int kChannel = 4123;
constexpr int kProtocol = 4174;
constexpr int kBaudRate = 4073;
constexpr int kAddress = 4177;
constexpr int kCopyTo = 4074;
constexpr int kCopy = 4119;
constexpr int kSpeed = 4182;
constexpr int kUp = 1072;
constexpr int kDown = 1075;
constexpr int kLeft = 1073;
constexpr int kRight = 1074;
constexpr int kZoomAdd = 4115;
constexpr int kZoomReduce = 4118;
constexpr int kFocusAdd = 4183;
constexpr int kFocusReduce = 4116;
constexpr int kIrisAdd = 4104;
constexpr int kIrisReduce = 4117;
constexpr int kSchedule = 8093;  // plan panel
constexpr int kAutoPre = 8092;   // preset panel
constexpr int kCurise = 8094;    // tour panel
constexpr int kPanelFrame = 6078;
constexpr int kPlayWnd = 8077;  // placeholder: the play window is placed by its key
// The plan panel.
constexpr int kPlanPresets = 1029;
constexpr int kPlanWeek = 1030;
constexpr int kPlanHour = 1031;
constexpr int kPlanMinute = 1069;
constexpr int kPlanCopyToWeek = 1032;
constexpr int kPlanAdd = 1089;
constexpr int kPlanDelete = 1071;
constexpr int kPlanCopy = 1090;
constexpr int kPlanList = 1070;
}  // namespace id

namespace label {
constexpr int kChannel = 4121;
constexpr int kProtocol = 4173;
constexpr int kBaudRate = 4175;
constexpr int kAddress = 4176;
constexpr int kCopyTo = 4180;
constexpr int kSpeed = 4181;
constexpr int kPlanPreset = 6079;
constexpr int kPlanCallTime = 6080;
constexpr int kPlanCopyTo = 6081;
constexpr int kPlanHour = 6082;
constexpr int kPlanMinute = 6083;
}  // namespace label

// Painted in the label colour; 4178 and 4179 are kept for skins whose templates have them.
constexpr int kLabelColourIds[] = {label::kChannel,
                                   label::kProtocol,
                                   label::kBaudRate,
                                   label::kAddress,
                                   4178,
                                   4179,
                                   label::kCopyTo,
                                   label::kSpeed,
                                   label::kPlanPreset,
                                   label::kPlanCallTime,
                                   label::kPlanCopyTo,
                                   label::kPlanHour,
                                   label::kPlanMinute};

constexpr char kDirectionBitmap[] = "DirectionBtn";
constexpr char kNormalBitmap[] = "NormalBtn";

// The 17 skin buttons in placement order; the array index is the page's button slot.
constexpr SkinButtonRow kPtzButtons[] = {
    {id::kUp, kDirectionBitmap},       {id::kDown, kDirectionBitmap},
    {id::kLeft, kDirectionBitmap},     {id::kRight, kDirectionBitmap},
    {id::kCopy, kNormalBitmap},        {id::kFocusAdd, kNormalBitmap},
    {id::kFocusReduce, kNormalBitmap}, {id::kIrisAdd, kNormalBitmap},
    {id::kIrisReduce, kNormalBitmap},  {id::kZoomAdd, kNormalBitmap},
    {id::kZoomReduce, kNormalBitmap},  {id::kSchedule, kNormalBitmap},
    {id::kAutoPre, kNormalBitmap},     {id::kCurise, kNormalBitmap},
    {id::kPlanAdd, kNormalBitmap},     {id::kPlanDelete, kNormalBitmap},
    {id::kPlanCopy, kNormalBitmap},
};
constexpr int kPtzButtonCount = static_cast<int>(sizeof(kPtzButtons) / sizeof(kPtzButtons[0]));
constexpr int kSlotSchedule = 11;
constexpr int kSlotAutoPre = 12;
constexpr int kSlotCurise = 13;

// Placed by their keys, in this order.
constexpr int kPtzPlacedItems[] = {
    id::kChannel,        id::kProtocol,    id::kBaudRate, id::kAddress,  id::kCopyTo,
    id::kSpeed,          id::kPlanPresets, id::kPlanWeek, id::kPlanHour, id::kPlanMinute,
    id::kPlanCopyToWeek, id::kPlanList,    id::kPlayWnd,
};

// The eleven labels and the control each is aligned to when the skin asks for it.
constexpr LabelRow kPtzLabels[] = {
    {label::kChannel, "CmbCHNO", LabelSide::kLeft},
    {label::kProtocol, "CmbProtocol", LabelSide::kLeft},
    {label::kBaudRate, "CmbBaudRate", LabelSide::kLeft},
    {label::kAddress, "EditAddr", LabelSide::kLeft},
    {label::kCopyTo, "CmbCopyToCh", LabelSide::kLeft},
    {label::kSpeed, "CmbPtzSpeed", LabelSide::kLeft},
    {label::kPlanMinute, "CmbMinute", LabelSide::kRight},
    {label::kPlanHour, "CmbHour", LabelSide::kRight},
    {label::kPlanCopyTo, "CmbCopyToWeek", LabelSide::kLeft},
    {label::kPlanPreset, "CmbPresets", LabelSide::kLeft},
    {label::kPlanCallTime, "CmbWeek", LabelSide::kLeft},
};

// The motion buttons: held down, the camera moves; NetSDK ordinal 37 command codes.
struct MotionButton {
    int id;
    int32_t command;
};
constexpr MotionButton kMotionButtons[] = {
    {id::kUp, 0},         {id::kDown, 1},        {id::kLeft, 2},      {id::kRight, 3},
    {id::kZoomReduce, 8}, {id::kZoomAdd, 9},     {id::kFocusAdd, 10}, {id::kFocusReduce, 11},
    {id::kIrisAdd, 12},   {id::kIrisReduce, 13},
};
// A speed entry's position divided by this gives the motion speed 0..7.
constexpr int kSpeedEntriesPerStep = 32;

constexpr const char* kBaudRates[] = {"1200",  "2400",  "4800",  "9600",
                                      "19200", "38400", "57600", "115200"};
constexpr int kSpeedEntryCount = 255;  // "1" to "255"
constexpr int kDefaultSpeed = 128;     // shown for a stored speed outside 1..255
constexpr char kCopyToAllKey[] = "YTDlgCmbCopyOtherAll";

// The panels of the framed area, and the keys of their frame captions.
enum Panel : int { kNoPanel = 0, kPlanPanel = 1, kPresetPanel = 2, kTourPanel = 3 };
constexpr char kPlanCaptionKey[] = "GroupAutoPresetPlan";
constexpr char kPresetCaptionSection[] = "PreSetupDlg";
constexpr char kPresetCaptionKey[] = "GroupPresetSetup";
constexpr char kTourCaptionSection[] = "TourDlg";
constexpr char kTourCaptionKey[] = "GroupTourSetup";

// The panel frame's caption font (tenths of a point) and look.
constexpr char kFrameFontFace[] = "System";
constexpr int kFrameFontHeight = 100;
constexpr int kFrameFontCharSet = 1;
constexpr int kFrameLineWidth = 2;

}  // namespace vela::pages::ptz
