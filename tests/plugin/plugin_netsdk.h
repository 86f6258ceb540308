// The fake NetSDK as the plug-in tests install it: logs in only with the password "right",
// a new login handle from 100 on each login, every record read as zeros.
#pragma once

#include <cstring>

#include "tests/common/fake_netsdk.h"

namespace vela::testing {

class PluginNetSdk : public InstalledFakeNetSdk {
  public:
    PluginNetSdk() {
        acceptedPassword = "right";
        loginHandle = 100;
        loginStep = 1;
        lastError = -11300;
        onRead = [](uint32_t, int32_t, uint8_t* buffer, uint32_t size, uint32_t* returned) {
            std::memset(buffer, 0, size);
            *returned = 0;
            return 1;
        };
    }
};

}  // namespace vela::testing
