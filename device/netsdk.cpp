#include <atomic>

#include "device/netsdk.h"
#include "device/netsdk_library.h"

namespace vela::device {

namespace {

std::atomic<NetSdk*> g_pInstalledNetSdk{nullptr};

// Loaded at the first call that needs it and never released: unloading a library from a
// library's detach (static destruction in a DLL) is not allowed on Windows.
NetSdk& LoadedLibrary() {
    static LoadedNetSdk* const library = OpenProcessLibrary().release();
    return *library;
}

}  // namespace

NetSdk& ProcessNetSdk() {
    NetSdk* installed = g_pInstalledNetSdk.load();
    return installed ? *installed : LoadedLibrary();
}

void InstallNetSdk(NetSdk* sdk) {
    g_pInstalledNetSdk.store(sdk);
}

}  // namespace vela::device
