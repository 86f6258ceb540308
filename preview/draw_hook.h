// The draw callback every preview registers with the player, and the one place it reaches:
// the open console, which hands each displayed frame to the page whose overlay it carries.
//
// Threads: DrawCallback runs on the player's display thread and calls the target under the
// draw lock. SetDrawTarget and DrawLockGuard run on the UI thread; once SetDrawTarget(null)
// returns, no draw reaches the old target, so the UI thread may then destroy it.
#pragma once

#include <cstdint>

#include "platform/abi.h"
#include "platform/kernel.h"

namespace vela::preview {

class DrawTarget {
  public:
    // A displayed frame: deviceContext is never null; user is the device connection that
    // started the preview. Player thread, under the draw lock.
    virtual void DrawHook(void* deviceContext, uintptr_t user) = 0;

  protected:
    ~DrawTarget() = default;
};

// Registered on the preview port with the device connection as user value.
void VELA_STDCALL DrawCallback(int32_t port, void* deviceContext, uintptr_t user);

// Installs the target of every draw (null: none). Waits for a draw in flight to end.
void SetDrawTarget(DrawTarget* target);

// Holds the draw lock, so that the UI thread can change what the target reads while drawing
// (the shown page, say). Never stop a preview while holding it: stopping waits for the frame
// being drawn, and that draw waits for this lock.
class DrawLockGuard {
  public:
    DrawLockGuard();
    ~DrawLockGuard();
    DrawLockGuard(const DrawLockGuard&) = delete;
    DrawLockGuard& operator=(const DrawLockGuard&) = delete;
};

}  // namespace vela::preview
