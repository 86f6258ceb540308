#include "console/page_table.h"

#include "pages/alarm/alarm_templates.h"
#include "pages/alarm/dvs_cfg_alarm.h"
#include "pages/alarm/dvs_cfg_sensor.h"
#include "pages/channel/channel_template.h"
#include "pages/channel/dvs_cfg_channel.h"
#include "pages/ptz/dvs_cfg_yt.h"
#include "pages/ptz/ptz_templates.h"
#include "pages/server/dvs_cfg_server.h"
#include "pages/server/server_controls.h"

namespace vela::console {

namespace {

template <typename Page>
std::unique_ptr<pages::CConsolePage> Make() {
    return std::make_unique<Page>();
}

}  // namespace

const PageRow kPageTable[kPageCount] = {
    {kServerPage, &pages::server::kServerTemplate, kBtnServer, 6001, "Server", false, false,
     Make<pages::CDvsCfgServer>},
    {kChannelPage, &pages::channel::kChannelTemplate, kBtnChannel, 6002, "Channel", false, true,
     Make<pages::CDvsCfgChannel>},
    {kPtzPage, &pages::ptz::kPtzTemplate, kBtnPtz, 6003, "PTZ", false, false,
     Make<pages::CDvsCfgYt>},
    {kSensorPage, &pages::alarm::kSensorTemplate, kBtnSensor, 6005, "Sensor", true, false,
     Make<pages::CDvsCfgSensor>},
    {kAlarmPage, &pages::alarm::kAlarmTemplate, kBtnAlarm, 6006, "Alarm", false, true,
     Make<pages::CDvsCfgAlarm>},
};

const PageRow* FindPageRow(int number) {
    if (number < kServerPage || number > kPageCount) return nullptr;
    return &kPageTable[number - 1];
}

std::unique_ptr<pages::CConsolePage> MakePage(const PageRow& row) {
    return row.make();
}

}  // namespace vela::console
