// What the Alarm and Sensor pages share: the skinned page (background, placement, labels),
// the enable box with the linkage and week schedule that follow it, the handlers of the week
// list, the trigger and the week copy, and the copy of the shown record to other channels or
// inputs. UI thread only.
#pragma once

#include <cstdint>
#include <vector>

#include "pages/alarm/alarm_linkage.h"
#include "pages/alarm/page_setup.h"
#include "pages/common/console_page.h"
#include "ui/button.h"
#include "ui/dib_image.h"
#include "ui/placement.h"

namespace vela::pages::alarm {

class CAlarmPage : public CConsolePage {
  protected:
    // The page's background picture and the key of its week-copy button.
    CAlarmPage(const resources::DialogTemplate& dialog, const char* backgroundName,
               const char* copyWeekKey);

    int IdOf(const char* key) const { return ControlId(*Template(), key); }
    // The first part of the page's init: background and place, every control at its key, the
    // labels (the page's own rules, then the linkage's), CheckEnable, and the linkage for the
    // device's alarm outputs and `channelCount` channels.
    void SetUpPage(std::vector<LabelRule> ownLabels, int channelCount);
    // The shown record's linkage block; null when there is none.
    virtual uint8_t* CurrentLinkage() = 0;
    // The controls that follow the enable value, the linkage's included.
    virtual void ApplyEnabling() = 0;
    // What the controls show, stored into slot `target` of `count` or, for the all-entry
    // (target == count), into every slot but the shown one: UpdateRecords(1) with `current`
    // set to each in turn, then restored. Nothing for no entry or the shown slot.
    void CopyToSlots(int target, int count, int& current);

    bool OnCtlColor(int id, platform::ControlColors& colors) override;
    bool OnEraseBkgnd(platform::Canvas& canvas) override;

    CAlarmLinkage m_linkage;
    ui::Button m_chkEnable;
    int m_nEnable = 0;  // the value bound to CheckEnable
    bool m_bAlignLabels = false;

  private:
    const char* m_pBackgroundName;
    ui::CDibImage m_dibBackground;
    ui::PageSkin m_skinPage;
};

}  // namespace vela::pages::alarm
