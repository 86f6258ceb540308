// What a person does on the console's five pages in one soak round, as console script lines
// drawn at random. Every line sets a value outright and a copy (at most one a page) comes last
// on its page, so the record lines run again on a device that took part of them give the same
// records: what a person does after a Save that did not reach the device.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace vela::soak {

struct RoundEdits {
    std::string records;  // the device's records, on every page
    std::string presets;  // the PTZ page's presets, tours and plan: the preset file
};

constexpr int kAlarmTypes = 3;  // motion, and the two other channel alarms
// The host reads a slower stored speed, or none, as this.
constexpr int kLeastReportedSpeed = 128;

// What the host must read back for one channel from the preset file.
struct ChannelPresets {
    std::map<int, std::string> names;               // by preset number
    std::map<std::tuple<int, int, int>, int> plan;  // (day, hour, minute): preset number
    int speed = kLeastReportedSpeed;
};

class EditMaker {
  public:
    EditMaker(uint32_t seed, int channels, int alarmInputs);

    RoundEdits Next();
    const std::vector<ChannelPresets>& presets() const { return m_arrPresets; }

  private:
    int Pick(int count);  // 0 .. count-1
    bool Coin() { return Pick(2) == 1; }
    std::string Time();  // "HH:MM"
    std::string Server();
    std::string Channel();
    std::string Ptz();
    std::string Sensor();
    std::string Alarm();
    std::string Linkage(const char* weekCopyButton);
    std::string PresetPanels();

    std::mt19937 m_rng;
    int m_nChannels;
    int m_nAlarmInputs;
    int m_nRound = 0;
    std::vector<ChannelPresets> m_arrPresets;
};

}  // namespace vela::soak
