#include "preview/stream_packager.h"

#include "platform/kernel.h"
#include "preview/stream_format.h"

namespace vela::preview {

namespace {

// The bytes of a packet of that type before its payload; 0 for the types that carry none.
size_t SkippedBytes(int32_t type) {
    if (type == kPacketKey) return kKeyPacketSkip;
    if ((type >= kPacketDeltaFirst && type <= kPacketDeltaLast) || type == kPacketAudio)
        return kOtherPacketSkip;
    return 0;
}

bool Usable(const uint8_t* data, int32_t length, size_t skipped) {
    return data && length >= 0 && static_cast<size_t>(length) >= skipped;
}

}  // namespace

void CStreamPackager::OnPacket(int32_t type, const uint8_t* data, int32_t length, uint16_t first,
                               uint16_t second) {
    if (m_bFirstPacket) {
        m_bFirstPacket = false;
        if (type == kPacketHeader && Usable(data, length, 1))
            PackageFrame(kFrameStreamStart, 0, first, second, data, static_cast<size_t>(length));
        else
            PackageFrame(kFrameStreamStart, 0, first, second, kSubstituteStart,
                         sizeof kSubstituteStart);
    }
    const size_t skipped = SkippedBytes(type);
    if (skipped == 0 || !Usable(data, length, skipped)) return;
    const uint8_t* payload = data + skipped;
    const size_t payloadLength = static_cast<size_t>(length) - skipped;
    const uint32_t tick = platform::TickCount();
    if (type == kPacketKey)
        PackageFrame(kFrameKey, tick, first, second, payload, payloadLength);
    else if (type == kPacketAudio)
        PackageAudio(tick, first, second, payload, payloadLength);
    else
        PackageFrame(kFrameDelta, tick, first, second, payload, payloadLength);
}

bool CStreamPackager::PackageAudio(uint32_t tick, uint16_t first, uint16_t second,
                                   const uint8_t* data, size_t length) {
    uint8_t descriptor[kAudioDescriptorSize];
    WriteAudioDescriptor(descriptor);
    m_audio.Clear();
    if (!m_audio.Append(descriptor, sizeof descriptor) || !m_audio.Append(data, length))
        return false;
    return PackageFrame(kFrameAudio, tick, first, second, m_audio.Data(), m_audio.Length());
}

bool CStreamPackager::PackageFrame(int32_t type, uint32_t tick, uint16_t first, uint16_t second,
                                   const uint8_t* payload, size_t length) {
    m_chunk.Clear();
    if (type == kFrameStreamStart) {
        const uint8_t header[kStreamHeaderSize] = {'H', 'B', 'M', '4'};
        m_bKeySeen = false;
        if (!m_chunk.Append(header, sizeof header)) return false;
    } else if (type == kFrameKey) {
        m_bKeySeen = true;
        ++m_nFrameCounter;
    }
    if (type != kFrameStreamStart && !m_bKeySeen) return false;
    uint8_t header[kFrameHeaderSize];
    WriteFrameHeader(header, type, static_cast<uint32_t>(length), first, second, m_nFrameCounter,
                     tick);
    if (!m_chunk.Append(header, sizeof header) || !m_chunk.Append(payload, length)) {
        m_chunk.Clear();
        return false;
    }
    Feed(type);
    return true;
}

void CStreamPackager::Feed(int32_t type) {
    void* window = m_pWindow.load();
    if (!window || !m_pPlayer) return;
    const auto length = static_cast<uint32_t>(m_chunk.Length());
    if (type == kFrameStreamStart) {
        bool open = m_pPlayer->OpenStream(kPreviewPort, m_chunk.Data(), length,
                                          kPlayerStreamBufferBytes) != 0;
        if (open && m_pPlayer->Play(kPreviewPort, window) == 0) {
            m_pPlayer->CloseStream(kPreviewPort);
            open = false;
        }
        m_bPlayerOpen = open;
    }
    if (m_bPlayerOpen) m_pPlayer->InputData(kPreviewPort, m_chunk.Data(), length);
}

void CStreamPackager::Stop() {
    if (m_bPlayerOpen && m_pPlayer) {
        m_pPlayer->Stop(kPreviewPort);
        m_pPlayer->CloseStream(kPreviewPort);
    }
    m_bPlayerOpen = false;
    m_bFirstPacket = true;
}

}  // namespace vela::preview
