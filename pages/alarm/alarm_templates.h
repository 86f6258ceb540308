// The controls of the two alarm pages, Sensor (alarm inputs) and Alarm (motion detection),
// stated once: the templates both window systems build them from. Constant tables, any thread.
#pragma once

#include "resources/dialog_template.h"

namespace vela::pages::alarm {

constexpr int kSensorTemplateId = 6014;
constexpr int kAlarmTemplateId = 6015;
extern const resources::DialogTemplate kSensorTemplate;
extern const resources::DialogTemplate kAlarmTemplate;

}  // namespace vela::pages::alarm
