// Carries the firmware upgrade's progress callback, which NetSDK makes on its own thread, to
// the console's window as a posted message, so that only the UI thread touches the console.
//
// Lifetime: a console registers its window when it starts and unregisters it before its window
// is destroyed. Registering, unregistering and posting happen under one lock, so once
// Unregister returns no message is posted to that window; a callback that names a console no
// longer registered (an upgrade still running after its console closed) is dropped. The user
// value handed to NetSDK is a token, never a pointer, so a late callback dereferences nothing.
#pragma once

#include <cstdint>

#include "platform/abi.h"
#include "platform/window_system.h"

namespace vela::console {

// Posted to the console when an upgrade reports completion; wparam is the upgrade handle.
constexpr int kUpgradeFinishedMessage = platform::kWmUser + 101;

// UI thread: the token to hand to NetSDK as the upgrade's user value.
uintptr_t RegisterUpgradeWindow(platform::WindowHandle console);
// UI thread: after this returns, no upgrade message reaches the window.
void UnregisterUpgradeWindow(uintptr_t token);

// NetSDK thread: done == total (the plug-in takes it as completion) posts
// kUpgradeFinishedMessage to the registered console named by the token.
void VELA_STDCALL OnUpgradeProgress(int32_t login, int32_t upgrade, int32_t done, int32_t total,
                                    uintptr_t token);

}  // namespace vela::console
