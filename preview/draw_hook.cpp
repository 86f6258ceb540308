#include "preview/draw_hook.h"

namespace vela::preview {

namespace {

// Never destroyed: a player thread may still draw while the process ends.
platform::Lock& DrawLock() {
    static auto* lock = new platform::Lock();
    return *lock;
}

DrawTarget* g_pDrawTarget = nullptr;  // under the draw lock

}  // namespace

void VELA_STDCALL DrawCallback(int32_t /*port*/, void* deviceContext, uintptr_t user) {
    if (!deviceContext) return;
    platform::LockGuard guard(DrawLock());
    if (g_pDrawTarget) g_pDrawTarget->DrawHook(deviceContext, user);
}

void SetDrawTarget(DrawTarget* target) {
    platform::LockGuard guard(DrawLock());
    g_pDrawTarget = target;
}

DrawLockGuard::DrawLockGuard() {
    DrawLock().Enter();
}

DrawLockGuard::~DrawLockGuard() {
    DrawLock().Leave();
}

}  // namespace vela::preview
