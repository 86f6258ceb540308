// The PTZ page's side of the preset file: the PresetImage it owns, loading and writing the
// file, the console's pre-save step, the preset commands to the device and the calls the
// panels make into the page. UI thread.
#include <cstring>

#include "device/dvs_device.h"
#include "device/netsdk.h"
#include "pages/ptz/dvs_cfg_yt.h"
#include "pages/ptz/ptz_skin.h"
#include "platform/atomic_file.h"
#include "platform/bytes.h"
#include "platform/diag_log.h"

namespace vela::pages {

using namespace ptz;  // NOLINT(google-build-using-namespace): the page's own constants
namespace image = ::vela::ptz::preset_image;

namespace {

// NetSDK ordinal 38: the device's preset commands, and the fixed values passed with them.
constexpr int32_t kCommandSetPreset = 17;
constexpr int32_t kCommandClearPreset = 18;
constexpr int32_t kCommandGoToPreset = 19;
constexpr int32_t kPresetArgument1 = 2;
constexpr int32_t kPresetArgument2 = 3;
constexpr int32_t kPresetArgument3 = 0;

int32_t PresetCommand(int request) {
    switch (request) {
        case kRequestSet:
            return kCommandSetPreset;
        case kRequestClear:
            return kCommandClearPreset;
        case kRequestGoTo:
            return kCommandGoToPreset;
        default:
            return -1;
    }
}

}  // namespace

PresetTable CDvsCfgYt::Presets() {
    if (m_nChannel < 0 || m_nChannel >= ::vela::ptz::kChannelCount) return PresetTable();
    return PresetTable(m_arrPresetImage.data() + image::PresetOffset(m_nChannel, 0));
}

uint8_t* CDvsCfgYt::PlanSlots() {
    if (m_nChannel < 0 || m_nChannel >= ::vela::ptz::kChannelCount) return nullptr;
    return m_arrPresetImage.data() + image::PlanOffset(m_nChannel, 0);
}

void CDvsCfgYt::StorePlan() {
    m_plan.Store(PlanSlots());
}

void CDvsCfgYt::SyncPlanPreset(const std::string& numberText, int request) {
    m_plan.SyncPreset(numberText, request);
}

void CDvsCfgYt::RemovePlanByPreset(const std::string& numberText) {
    if (m_plan.RemoveByPreset(numberText)) StorePlan();
}

void CDvsCfgYt::SyncTourPresetName(const std::string& name, int request) {
    m_dlgTour.SyncPresetName(name, request);
}

// The device is told at once; the NetSDK result is not looked at.
void CDvsCfgYt::SendPresetCommand(int request, int number) {
    const int32_t command = PresetCommand(request);
    if (command < 0 || m_nChannel < 0) return;
    device::ProcessNetSdk().PtzPreset(Context().loginHandle, m_nChannel, command, number,
                                      kPresetArgument1, kPresetArgument2, kPresetArgument3);
}

// Until the page has shown a channel its controls hold nothing of one, so only the file is
// written: storing them would clear the first channel's home position, speed and plan.
void CDvsCfgYt::SavePresetData() {
    if (!m_bPresetPanelVisited && !m_bTourPanelVisited) return;
    if (m_bShown) {
        if (m_bPresetPanelVisited) m_dlgPreset.ExchangePresets(1);
        if (m_bTourPanelVisited) m_dlgTour.ExchangeTourGroup(1);
        if (m_nChannel >= 0 && m_nChannel < ::vela::ptz::kChannelCount) {
            WriteI32(m_arrPresetImage.data(), image::SpeedOffset(m_nChannel),
                     m_cmbSpeed.GetCurSel() + 1);
            StorePlan();
        }
    }
    SavePresetFile();
}

std::string CDvsCfgYt::PresetFilePath() const {
    return ::vela::ptz::PresetFilePath(m_strPresetFolder, m_strAddress);
}

int CDvsCfgYt::LoadPresetFile(const std::string& address) {
    return ::vela::ptz::ReadPresetImage(::vela::ptz::PresetFilePath(m_strPresetFolder, address),
                                        m_arrPresetImage)
               ? 1
               : 0;
}

// The whole file goes to a new file beside it, which then replaces the old one in one step: a
// failure at any point keeps the old presets, tours and plans whole.
int CDvsCfgYt::SavePresetFile() {
    const std::string path = PresetFilePath();
    WriteText(m_arrPresetImage.data(), image::kAddress, image::kAddressWidth, m_strAddress);
    const uint8_t header[::vela::ptz::kFileHeaderSize] = {
        ::vela::ptz::kFileHeaderByte, ::vela::ptz::kFileHeaderByte, ::vela::ptz::kFileHeaderByte,
        ::vela::ptz::kFileHeaderByte};
    bool written = false;
    if (!path.empty()) {
        platform::AtomicFileWriter file(path);
        written = file.Write(header, sizeof header) &&
                  file.Write(m_arrPresetImage.data(), m_arrPresetImage.size()) && file.Commit();
    }
    if (written) return 1;
    platform::g_DiagLog.Write("Preset file not written: %s",
                              path.empty() ? m_strAddress.c_str() : path.c_str());
    return 0;
}

// The console stopped the device's live picture already; the page's own is stopped in case
// the window goes away some other way.
void CDvsCfgYt::OnDestroy() {
    StopLivePicture();
    m_plan.Load(nullptr);
}

}  // namespace vela::pages
