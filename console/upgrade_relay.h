// Carries the firmware upgrade's progress callback, which NetSDK makes on its own thread, to
// the console's window as a posted message, so that only the UI thread touches the console.
//
// Lifetime: a console registers its window when it starts and unregisters it before its window
// is destroyed. Registering, unregistering and posting happen under one lock, so once
// Unregister returns no message is posted to that window; a callback that names a console no
// longer registered (an upgrade still running after its console closed) is dropped. The user
// value handed to NetSDK is a token, never a pointer, so a late callback dereferences nothing.
// The relay also watches a running upgrade for progress that stops (UpgradeWatchdog);
// unregistering ends the watch.
#pragma once

#include <cstdint>

#include "platform/abi.h"
#include "platform/window_system.h"

namespace vela::console {

// Posted to the console when an upgrade reports completion; wparam is the upgrade handle.
constexpr int kUpgradeFinishedMessage = platform::kWmUser + 101;
// Posted to the console when a watched upgrade made no progress for the stall time-out;
// wparam is the upgrade handle.
constexpr int kUpgradeStalledMessage = platform::kWmUser + 102;

// A device that takes no firmware bytes for this long is taken to have stalled the upgrade.
constexpr uint32_t kUpgradeStallTimeoutMs = 60000;
// Tests shorten the time-out; it applies to the upgrades watched after the call.
void SetUpgradeStallTimeout(uint32_t timeoutMs);
uint32_t UpgradeStallTimeout();

// UI thread: the token to hand to NetSDK as the upgrade's user value.
uintptr_t RegisterUpgradeWindow(platform::WindowHandle console);
// UI thread: after this returns, no upgrade message reaches the window.
void UnregisterUpgradeWindow(uintptr_t token);
// UI thread: the registered console's upgrade runs on; watch it for progress that stops.
void WatchUpgrade(uintptr_t token, int32_t upgrade);
// UI thread: the watched upgrade ended; no stall message is posted after this returns.
void EndUpgradeWatch(uintptr_t token);

// NetSDK thread: any report counts as progress for the watch; done == total (the plug-in
// takes it as completion) posts kUpgradeFinishedMessage to the registered console named by
// the token.
void VELA_STDCALL OnUpgradeProgress(int32_t login, int32_t upgrade, int32_t done, int32_t total,
                                    uintptr_t token);

}  // namespace vela::console
