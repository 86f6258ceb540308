#include "tests/soak/soak_edits.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace vela::soak {

namespace {

// The soak's presets on a channel: numbers 1 to 16 over and over, an old one deleted first.
constexpr int kPresetNumbers = 16;
constexpr int kDays = 7;
constexpr int kPeriods = 6;
constexpr int kSensitivities = 6;
constexpr int kTourGroups = 8;
constexpr int kStayTimes = 10;
constexpr int kSpeeds = 255;
// The play window's motion grid: 22 columns by 18 rows of 16-pixel cells.
constexpr int kGridColumns = 22, kGridRows = 18, kCell = 16;

std::string Line(const std::string& text) {
    return text + "\n";
}

template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return Line(text);
}

}  // namespace

EditMaker::EditMaker(uint32_t seed, int channels, int alarmInputs)
    : m_rng(seed),
      m_nChannels(channels),
      m_nAlarmInputs(alarmInputs),
      m_arrPresets(static_cast<size_t>(channels)) {}

int EditMaker::Pick(int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(m_rng);
}

std::string EditMaker::Time() {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", Pick(24), Pick(60));
    return text;
}

RoundEdits EditMaker::Next() {
    RoundEdits edits;
    edits.records = Server() + Channel() + Ptz() + Sensor() + Alarm();
    edits.presets = PresetPanels();
    ++m_nRound;
    return edits;
}

std::string EditMaker::Server() {
    const int round = m_nRound;
    std::string lines = Line("page Server");
    lines += Format("set HttpPort %d", 8000 + Pick(1000));
    lines += Format("set SvrName host%d", round);
    lines += Format("set DevName Soak %d", round);
    lines += Format("set Gateway 10.0.%d.%d", Pick(256), 1 + Pick(254));
    lines += Format("select DiskFull %d", Pick(2));
    lines += Format("select Language %d", Pick(9));
    // The video standard stays: the Channel page offers the frame and bit rates of the standard
    // the device had when the console opened, so a later console offers others.
    lines += Line("check UsePPPOE 1");
    lines += Format("set PPPOEUserName ppp%d", round);
    lines += Format("set PPPOEPort %d", 1 + Pick(60000));
    lines += Format("check UsePPPOE %d", Pick(2));
    // The type chosen shows its own entry, whose box may be off: on again for the fields.
    lines += Line("check UseDDNS 1");
    lines += Format("select DDNSType %d", Pick(5));
    lines += Line("check UseDDNS 1");
    lines += Format("set DDNSUserName dyn%d", round);
    lines += Format("set DDNSPort %d", 1 + Pick(60000));
    lines += Format("check UseDDNS %d", Pick(2));
    return lines;
}

std::string EditMaker::Channel() {
    const int round = m_nRound;
    std::string lines = Line("page Channel");
    lines += Format("select CHNO %d", Pick(m_nChannels));
    lines += Format("set CHName Cam %d", round);
    lines += Format("check TitleChName %d", Pick(2));
    lines += Format("check TitleTime %d", Pick(2));
    lines += Format("set TimePosX %d", Pick(340));
    lines += Format("set TimePosY %d", Pick(280));
    lines += Format("select DateFmt %d", Pick(3));
    lines += Format("check %s 1", Coin() ? "MainStream" : "SubStream");
    lines += Format("select Quality %d", Pick(6));
    lines += Format("select Interval %d", Pick(11));
    lines += Format("select StreamCtrl %d", Pick(2));
    lines += Format("check Audio %d", Pick(2));
    if (Coin()) {
        lines += Line("check Cover 1");
        lines += Format("drag PlayWnd %d %d %d %d", Pick(352), Pick(288), Pick(352), Pick(288));
    }
    lines += Format("select RecPreTime %d", Pick(31));
    const int period = 1 + Pick(kPeriods);
    lines += Format("select RecWeek %d", Pick(kDays));
    lines += Format("set RecTimeStart%d %s", period, Time().c_str());
    lines += Format("set RecTimeStop%d %s", period, Time().c_str());
    for (const char* type : {"Normal", "Motion", "Alarm"})
        lines += Format("check RecType%s%d %d", type, period, Pick(2));
    switch (Pick(3)) {
        case 0:
            lines += Format("select CopyToCH %d\nclick BtnCopyCh", Pick(m_nChannels + 1));
            break;
        case 1:
            lines += Format("select CopyToWeek %d\nclick BtnCopyWeek", Pick(kDays + 1));
            break;
        default:
            break;
    }
    return lines;
}

std::string EditMaker::Ptz() {
    std::string lines = Line("page PTZ");
    lines += Format("select CmbCHNO %d", Pick(m_nChannels));
    lines += Format("select CmbProtocol %d", Pick(10));
    lines += Format("select CmbBaudRate %d", Pick(8));
    lines += Format("set EditAddr %d", Pick(256));
    if (Pick(3) == 0)
        lines += Format("select CmbCopyToCh %d\nclick BtnCopyCh", Pick(m_nChannels + 1));
    return lines;
}

// The alarm linkage and week schedule both alarm pages share; the week copy last.
std::string EditMaker::Linkage(const char* weekCopyButton) {
    std::string lines;
    lines += Format("check CheckSinging %d", Pick(2));
    lines += Format("check CheckUploadCenter %d", Pick(2));
    lines += Format("check CheckRecCh%d %d", 1 + Pick(m_nChannels), Pick(2));
    lines += Line("check CheckTriggerAlarmOut 1");
    lines += Format("check CheckAlarmOutCh1 %d", Pick(2));
    lines += Format("check CheckTriggerAlarmOut %d", Pick(2));
    const int period = 1 + Pick(kPeriods);
    lines += Format("select CmbWeek %d", Pick(kDays));
    lines += Format("set DateTimePickerStart%d %s", period, Time().c_str());
    lines += Format("set DateTimePickerStop%d %s", period, Time().c_str());
    lines += Format("check CheckSensorTime%d %d", period, Pick(2));
    if (Coin())
        lines += Format("select CmbCopyToWeek %d\nclick %s", Pick(kDays + 1), weekCopyButton);
    return lines;
}

std::string EditMaker::Sensor() {
    if (m_nAlarmInputs == 0) return {};
    std::string lines = Line("page Sensor");
    lines += Format("select CmbAlarmInNO %d", Pick(m_nAlarmInputs));
    lines += Line("check CheckEnable 1");
    lines += Format("select CmbDevType %d", Pick(2));
    if (Coin()) {
        lines += Line("check CheckPtzLinkEnable 1");
        lines += Format("select CmbCHNO %d", Pick(m_nChannels));
        lines += Format("select CmbPtzLinkType %d", Pick(3));
        lines += Format("set EditPtzLinkNO %d", 1 + Pick(128));
        lines += Format("check CheckPtzLinkEnable %d", Pick(2));
    }
    lines += Linkage("BtnWeekCopy");
    lines += Format("check CheckEnable %d", Pick(2));
    if (Pick(3) == 0)
        lines +=
            Format("select CmbCopyToAlarmInNO %d\nclick BtnAlarmInCopy", Pick(m_nAlarmInputs + 1));
    return lines;
}

std::string EditMaker::Alarm() {
    std::string lines = Line("page Alarm");
    const int type = m_nRound % kAlarmTypes;  // every type in three rounds
    lines += Format("select CmbChNO %d", Pick(m_nChannels));
    lines += Format("select CmbAlarmType %d", type);
    lines += Line("check CheckEnable 1");
    if (type != 2) lines += Format("select CmbSensitivity %d", Pick(kSensitivities));
    if (type == 0) {
        lines += Line("click BtnClear");
        lines += Format("drag PlayWnd %d %d %d %d", kCell * Pick(kGridColumns) + 4,
                        kCell * Pick(kGridRows) + 4, kCell * Pick(kGridColumns) + 4,
                        kCell * Pick(kGridRows) + 4);
    }
    lines += Linkage("BtnCopyWeek");
    lines += Format("check CheckEnable %d", Pick(2));
    if (Pick(3) == 0)
        lines += Format("select CmbCopyToCh %d\nclick BtnCopyCh", Pick(m_nChannels + 1));
    return lines;
}

// One preset more on a channel (its number's old preset deleted first), a plan entry for it,
// a tour stop and the channel's speed.
std::string EditMaker::PresetPanels() {
    const int channel = m_nRound % m_nChannels;
    ChannelPresets& model = m_arrPresets[static_cast<size_t>(channel)];
    const int number = 1 + (m_nRound / m_nChannels) % kPresetNumbers;
    std::string lines = Line("page PTZ");
    lines += Format("select CmbCHNO %d", channel);
    auto old = model.names.find(number);
    if (old != model.names.end()) {
        // A fresh console lists the channel's presets by number.
        lines += Format("row PreSetupDlg.PreList %d\nclick DelPreset",
                        static_cast<int>(std::distance(model.names.begin(), old)));
        model.names.erase(old);
        for (auto it = model.plan.begin(); it != model.plan.end();)
            it = it->second == number ? model.plan.erase(it) : std::next(it);
    }
    const std::string name = "Stop " + std::to_string(m_nRound);
    lines += Format("set PreSetupDlg.PreName %s\nset PreSetupDlg.PreNum %d", name.c_str(), number);
    lines += Line("select PreSetupDlg.CallMode 0\nclick PreSetupDlg.AddPreset");
    model.names[number] = name;

    const int speed = Pick(kSpeeds);
    lines += Format("select CmbPtzSpeed %d", speed);
    model.speed = std::max(speed + 1, kLeastReportedSpeed);

    // The plan panel lists the channel's presets as loaded, then those added: the new one last.
    const int day = Pick(kDays), hour = Pick(24), minute = Pick(60);
    lines += Line("click BtnScheme");
    lines += Format("select CmbPresets %d\nselect CmbWeek %d\nset CmbHour %d\nset CmbMinute %d",
                    static_cast<int>(model.names.size()) - 1, day, hour, minute);
    lines += Line("click BtnAddAuto");
    model.plan[{day, hour, minute}] = number;

    lines += Line("click BtnTour");
    lines += Format("select TourDlg.Group %d\nselect TourDlg.PreName 0", Pick(kTourGroups));
    lines += Format("select TourDlg.RelayTime %d\nclick btnAdd", Pick(kStayTimes));
    return lines;
}

}  // namespace vela::soak
