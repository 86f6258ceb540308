// The live view of one device connection: starts the device's real-time stream through
// NetSDK, repackages its packets for the player library and plays them in the preview window
// of the page that asked.
//
// Threads: StartPreview and StopPreview run on the UI thread; the stream callback runs on a
// NetSDK thread. Stopping removes the stream callback (after which NetSDK runs none and starts
// none) before it closes the player stream, so the packaging state needs no lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "device/netsdk.h"
#include "preview/player_library.h"
#include "preview/stream_packager.h"

namespace vela::device {

constexpr size_t kClientRecordInts = 5;  // {channel, stream type, 0, 0, 0}
constexpr int32_t kErrorCodeMask = 0x0FFFFFFF;

class CLiveView {
  public:
    // Loads the player library from playerFolder; drawUser is the user value of the draw
    // callback (the device connection).
    CLiveView(NetSdk& sdk, const std::string& playerFolder, uintptr_t drawUser);
    ~CLiveView();
    CLiveView(const CLiveView&) = delete;
    CLiveView& operator=(const CLiveView&) = delete;

    // The play handle (> 0), or -1 when the device cannot stream.
    int32_t StartPreview(int32_t login, int32_t channel, void* window, int32_t streamType);
    // Stops a running preview; nothing when none runs.
    void StopPreview();

    // -1 before the first preview, 0 stopped, > 0 running.
    int32_t PlayHandle() const { return m_hPlay.load(); }
    bool PlayerLoaded() const { return m_player.Functions() != nullptr; }
    const preview::CStreamPackager& Packager() const { return m_packager; }

  private:
    static int32_t VELA_STDCALL OnStreamData(int32_t play, const NetFramePacket* packet,
                                             uintptr_t user);
    void StopRealPlay();

    NetSdk& m_rSdk;
    const uintptr_t m_nDrawUser;
    preview::CPlayerLibrary m_player;
    preview::CStreamPackager m_packager;
    int32_t m_arrClient[kClientRecordInts] = {};
    std::atomic<int32_t> m_hPlay{-1};
};

}  // namespace vela::device
