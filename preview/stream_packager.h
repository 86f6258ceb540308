// Repackages the device's stream packets into the player's container stream and feeds it to
// the player port of the preview.
//
// Threads: OnPacket runs on the NetSDK thread that delivers the stream and uses the buffers
// without a lock; SetWindow, SetPlayer and Stop run on the UI thread, Stop only after the
// stream callback has been removed (NetSDK then runs none and starts none).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "preview/growable_buffer.h"
#include "preview/player_library.h"

namespace vela::preview {

class CStreamPackager {
  public:
    // The player that chunks are fed to; null (no player library) packages without feeding.
    void SetPlayer(const PlayerFunctions* player) { m_pPlayer = player; }
    // The preview window given to the player's Play; null feeds nothing.
    void SetWindow(void* window) { m_pWindow.store(window); }

    // One packet of the stream. A packet too short for the bytes its type skips, with a
    // negative length or without data is dropped; a first packet of that kind is replaced by
    // the substitute stream start.
    void OnPacket(int32_t type, const uint8_t* data, int32_t length, uint16_t first,
                  uint16_t second);
    // Packages one frame into the chunk buffer and feeds it: false when it was dropped (before
    // the stream's first key frame) or did not fit, and then nothing is fed.
    bool PackageFrame(int32_t type, uint32_t tick, uint16_t first, uint16_t second,
                      const uint8_t* payload, size_t length);
    // Ends the stream: closes the player stream if it is open; the next packet starts anew.
    void Stop();

    bool PlayerOpen() const { return m_bPlayerOpen; }
    uint32_t FrameCounter() const { return m_nFrameCounter; }
    const GrowableBuffer& Chunk() const { return m_chunk; }

  private:
    bool PackageAudio(uint32_t tick, uint16_t first, uint16_t second, const uint8_t* data,
                      size_t length);
    void Feed(int32_t type);

    const PlayerFunctions* m_pPlayer = nullptr;
    std::atomic<void*> m_pWindow{nullptr};
    bool m_bFirstPacket = true;
    bool m_bKeySeen = false;
    bool m_bPlayerOpen = false;
    uint32_t m_nFrameCounter = 0;  // key frames packaged since the connection was made
    GrowableBuffer m_chunk;
    GrowableBuffer m_audio;
};

}  // namespace vela::preview
