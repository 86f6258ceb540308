// The PTZ page's own behaviour where a script cannot reach: a device without channels, the
// keys it swallows, values from the preset file outside their ranges, the name and number
// limits of the preset panel, the tour order, the plan's 32 slots, and the file it writes.
#include <gmock/gmock.h>

#include "pages/ptz/ptz_controls.h"
#include "pages/ptz/tour_dialog.h"
#include "tests/ptz_page/ptz_page_fixture.h"

namespace vela::pages::ptz {
namespace {

using ::testing::ElementsAre;

TEST_F(PtzPageTest, ADeviceWithoutChannelsShowsNothingAndSendsNothing) {
    Open(0);
    EXPECT_EQ(ws().GetCount(Item(id::kChannel)), 0);
    EXPECT_EQ(ws().GetCount(Item(id::kCopyTo)), 0) << "no \"all channels\" entry either";
    EXPECT_EQ(page->SelectedChannel(), -1);
    EXPECT_EQ(page->UpdateRecords(0, kKeepPreview), 0);
    EXPECT_EQ(page->UpdateRecords(1, kStopPreview), 0);
    ws().SendMouse(Item(id::kUp), platform::EventKind::MouseDown, {2, 2});
    ws().SendMouse(Item(id::kUp), platform::EventKind::MouseUp, {2, 2});
    page->SendPresetCommand(kRequestSet, 3);
    EXPECT_TRUE(sdk.CallsOf(device::kOrdPtzControl).empty());
    EXPECT_TRUE(sdk.CallsOf(device::kOrdPtzPreset).empty());
}

TEST_F(PtzPageTest, EnterEscapeF4AndAltDoNothingAndMotionNeedsALogin) {
    Open(4, false, 0);
    page->ShowWindow(true);
    ASSERT_EQ(page->UpdateRecords(0, kKeepPreview), 1);
    for (int key : {platform::kVkReturn, platform::kVkEscape, platform::kVkF4})
        ws().SendKey(Item(id::kAddress), platform::EventKind::KeyDown, key);
    ws().SendKey(Item(id::kAddress), platform::EventKind::SysKeyDown, 'X');
    EXPECT_TRUE(page->IsWindowVisible()) << "Enter or Escape closed the page";
    ws().SendMouse(Item(id::kLeft), platform::EventKind::MouseDown, {2, 2});
    ws().SendMouse(Item(id::kLeft), platform::EventKind::MouseUp, {2, 2});
    EXPECT_TRUE(sdk.CallsOf(device::kOrdPtzControl).empty());
    // Every other key and the pointer's moves go on to the controls (a skin button's hover).
    platform::Event passed;
    passed.window = Item(id::kAddress);
    passed.kind = platform::EventKind::KeyDown;
    passed.key = 'A';
    EXPECT_FALSE(page->PreTranslate(passed));
    passed.window = Item(id::kLeft);
    for (auto kind : {platform::EventKind::MouseMove, platform::EventKind::MouseHover,
                      platform::EventKind::MouseLeave}) {
        passed.kind = kind;
        EXPECT_FALSE(page->PreTranslate(passed));
    }
}

TEST_F(PtzPageTest, APressOnAControlOtherThanAMotionButtonMovesNothing) {
    Open(4);
    page->ShowWindow(true);
    ASSERT_EQ(page->UpdateRecords(0, kKeepPreview), 1);
    for (int other : {id::kCopy, id::kAddress}) {
        ws().SendMouse(Item(other), platform::EventKind::MouseDown, {2, 2});
        ws().SendMouse(Item(other), platform::EventKind::MouseUp, {2, 2});
    }
    EXPECT_TRUE(sdk.CallsOf(device::kOrdPtzControl).empty());
    ws().SendMouse(Item(id::kUp), platform::EventKind::MouseDown, {2, 2});
    EXPECT_EQ(sdk.CallsOf(device::kOrdPtzControl).size(), 1u);
}

TEST_F(PtzPageTest, StoredSpeedsOutsideTheListShowAsTheDefault) {
    for (auto [channel, speed] : {std::pair{0, 0}, {1, 200}, {2, 256}, {3, -5}})
        WriteI32(image.data(), SpeedAt(channel), speed);
    Open(4, true);
    std::vector<std::string> shown;
    for (int channel = 0; channel < 4; ++channel) {
        ws().ChooseEntry(Item(id::kChannel), channel);
        shown.push_back(Text(Item(id::kSpeed)));
    }
    EXPECT_THAT(shown, ElementsAre("128", "200", "128", "128"));
}

TEST_F(PtzPageTest, AnUnreadableFileStartsEmptyAndSaveWritesHeaderAddressAndImage) {
    PutPreset(0, 2, "Gate");
    WritePresetFile("\x08\x08\x08\x07");
    Open(4);
    EXPECT_EQ(page->PresetImage(), std::vector<uint8_t>(kImageSize, 0));
    page->UpdateRecords(0, kKeepPreview);
    ws().TypeText(PresetItem(preset_dialog::kName), "Dock");
    ws().TypeText(PresetItem(preset_dialog::kNumber), "2");
    ws().Click(PresetItem(preset_dialog::kAdd));
    EXPECT_EQ(page->SavePresetFile(), 1);

    const std::string file = testing::ReadWholeFile(page->PresetFilePath());
    ASSERT_EQ(file.size(), 4 + kImageSize);
    EXPECT_EQ(file.substr(0, 4), std::string(4, '\x08'));
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.data()) + 4;
    EXPECT_EQ(ReadText(bytes, 0, 48), "dvr");
    EXPECT_EQ(ReadText(bytes, PresetAt(0, 1) + 4, 48), "Dock");
    EXPECT_EQ(ReadI32(bytes, PresetAt(0, 2)), 0) << "nothing of the refused file";
}

TEST_F(PtzPageTest, ALongNameIsCutOnceAndMatchesEverywhere) {
    Open();
    page->UpdateRecords(0, kKeepPreview);
    const std::string name(60, 'n'), cut(47, 'n');
    for (const char* number : {"3", "4"}) {  // the second is the same name: refused
        ws().TypeText(PresetItem(preset_dialog::kName), name);
        ws().TypeText(PresetItem(preset_dialog::kNumber), number);
        ws().Click(PresetItem(preset_dialog::kAdd));
    }
    EXPECT_THAT(Rows(PresetItem(preset_dialog::kList), 0), ElementsAre(cut));
    EXPECT_THAT(Entries(PresetItem(preset_dialog::kHomePos)), ElementsAre(cut));
    EXPECT_THAT(Entries(TourItem(tour_dialog::kPresetName)), ElementsAre(cut));
    // Home chosen by that name is found again when stored.
    ws().ChooseEntry(PresetItem(preset_dialog::kRelayTime), 1);
    ws().ChooseEntry(PresetItem(preset_dialog::kHomePos), 0);
    EXPECT_EQ(page->PresetDialog().ExchangePresets(1), 1);
    EXPECT_EQ(ReadI32(Image(), PresetAt(0, 2) + 56), 1);
    EXPECT_EQ(ReadI32(Image(), PresetAt(0, 2) + 60), 15);
}

TEST_F(PtzPageTest, ARowWhoseNumberHasNoSlotIsRemovedWithoutTouchingTheTable) {
    PutPreset(0, 0, "Odd");
    WriteI32(image.data(), PresetAt(0, 0) + 52, 500);  // a number the file should not hold
    Open(4, true);
    page->UpdateRecords(0, kKeepPreview);
    ws().ClickRow(PresetItem(preset_dialog::kList), 0);
    ws().Click(PresetItem(preset_dialog::kDelete));
    EXPECT_EQ(ws().GetItemCount(PresetItem(preset_dialog::kList)), 0);
    EXPECT_TRUE(sdk.CallsOf(device::kOrdPtzPreset).empty());
    EXPECT_EQ(ReadI32(Image(), PresetAt(0, 0)), 1);
}

TEST_F(PtzPageTest, ATourIsShownInSlotOrderAndRenumberedWhenStored) {
    PutPreset(0, 0, "Dock");
    PutPreset(0, 2, "Gate");
    PutPreset(0, 4, "Wall");
    Open(4, true);
    page->UpdateRecords(0, kKeepPreview);
    ws().Click(Item(id::kCurise));
    for (int entry : {1, 0}) {  // Gate, then Dock
        ws().ChooseEntry(TourItem(tour_dialog::kPresetName), entry);
        ws().Click(TourItem(tour_dialog::kAdd));
    }
    ws().ChooseEntry(Item(id::kChannel), 1);  // stores group 0 of channel 0
    EXPECT_EQ(ReadI32(Image(), PresetAt(0, 2) + 68 + 8), 0) << "Gate first";
    EXPECT_EQ(ReadI32(Image(), PresetAt(0, 0) + 68 + 8), 1);
    EXPECT_EQ(ReadI32(Image(), PresetAt(0, 4) + 68), 0) << "Wall is no member";
    ws().ChooseEntry(Item(id::kChannel), 0);
    EXPECT_THAT(Rows(TourItem(tour_dialog::kList), 0), ElementsAre("Dock", "Gate"));
    EXPECT_EQ(page->TourDialog().ExchangeTourGroup(1), 1);
    EXPECT_EQ(ReadI32(Image(), PresetAt(0, 0) + 68 + 8), 0);
    EXPECT_EQ(ReadI32(Image(), PresetAt(0, 2) + 68 + 8), 1);
}

TEST_F(PtzPageTest, ThePlanKeepsItsFirst32EntriesAndShowsNoDayOutsideTheWeek) {
    for (int slot = 0; slot < 2; ++slot) {
        uint8_t* plan = image.data() + PlanAt(0, slot);
        WriteI32(plan, 0, 1);
        WriteI32(plan, 4, 5 - slot);  // sequence numbers 5 and 4
        WriteI32(plan, 8, slot == 0 ? 9 : 3);
        WriteI32(plan, 20, 3);
    }
    PutPreset(0, 2, "Gate");
    Open(4, true);
    page->UpdateRecords(0, kKeepPreview);
    ws().Click(Item(id::kSchedule));
    EXPECT_THAT(Rows(Item(id::kPlanList), 0), ElementsAre("", "Wed"));
    EXPECT_EQ(page->Plan().NextSequence(), 5);
    ws().ChooseEntry(Item(id::kPlanPresets), 0);

    for (int minute = 0; minute < 31; ++minute) {
        ws().TypeText(Item(id::kPlanMinute), std::to_string(minute));
        ws().Click(Item(id::kPlanAdd));
    }
    EXPECT_EQ(page->Plan().Entries().front().sequence, 5);
    EXPECT_EQ(page->Plan().Entries()[2].sequence, 5) << "the counter starts at the largest";
    EXPECT_EQ(ws().GetItemCount(Item(id::kPlanList)), 33);
    ws().ChooseEntry(Item(id::kChannel), 1);
    ws().ChooseEntry(Item(id::kChannel), 0);
    EXPECT_EQ(ws().GetItemCount(Item(id::kPlanList)), 32) << "the 33rd has no slot";
}

// Delete takes only a selected row, in the plan and in a tour; a click on no preset row empties
// the preset fields.
TEST_F(PtzPageTest, DeleteTakesOnlyTheSelectedRowAndAClickOnNoRowEmptiesThePresetFields) {
    for (int slot = 0; slot < 2; ++slot) {
        uint8_t* plan = image.data() + PlanAt(0, slot);
        WriteI32(plan, 0, 1);
        WriteI32(plan, 4, slot + 1);
        WriteI32(plan, 8, slot + 1);
        WriteI32(plan, 20, 3);
    }
    PutPreset(0, 2, "Gate");
    PutPreset(0, 4, "Wall");
    Open(4, true);
    page->UpdateRecords(0, kKeepPreview);

    ws().Click(Item(id::kSchedule));
    ws().Click(Item(id::kPlanDelete));
    EXPECT_EQ(ws().GetItemCount(Item(id::kPlanList)), 2) << "nothing selected";
    ws().ClickRow(Item(id::kPlanList), 0);
    ws().Click(Item(id::kPlanDelete));
    EXPECT_THAT(Rows(Item(id::kPlanList), 0), ElementsAre("Tue"));
    ASSERT_EQ(page->Plan().Entries().size(), 1u);
    int used = 0;
    for (int slot = 0; slot < 32; ++slot) used += ReadI32(Image(), PlanAt(0, slot)) != 0;
    EXPECT_EQ(used, 1) << "the plan is stored at once";

    ws().Click(Item(id::kCurise));
    for (int entry : {0, 1}) {
        ws().ChooseEntry(TourItem(tour_dialog::kPresetName), entry);
        ws().Click(TourItem(tour_dialog::kAdd));
    }
    ws().ClickRow(TourItem(tour_dialog::kList), 0);
    ws().Click(TourItem(tour_dialog::kDelete));
    EXPECT_THAT(Rows(TourItem(tour_dialog::kList), 0), ElementsAre("Wall"));

    ws().Click(Item(id::kAutoPre));
    ws().ClickRow(PresetItem(preset_dialog::kList), 0);
    EXPECT_EQ(ws().GetText(PresetItem(preset_dialog::kName)), "Gate");
    ws().ClickRow(PresetItem(preset_dialog::kList), -1);
    EXPECT_EQ(ws().GetText(PresetItem(preset_dialog::kName)), "");
    EXPECT_EQ(ws().GetCurSel(PresetItem(preset_dialog::kNumber)), -1);
}

}  // namespace
}  // namespace vela::pages::ptz
