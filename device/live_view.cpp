#include "device/live_view.h"

#include "platform/diag_log.h"
#include "preview/draw_hook.h"
#include "preview/stream_format.h"

namespace vela::device {

using platform::g_DiagLog;

CLiveView::CLiveView(NetSdk& sdk, const std::string& playerFolder, uintptr_t drawUser)
    : m_rSdk(sdk), m_nDrawUser(drawUser), m_player(playerFolder) {
    m_player.Load();
    m_packager.SetPlayer(m_player.Functions());
}

CLiveView::~CLiveView() {
    StopPreview();
}

// NetSDK thread. Packets of an earlier play, or none at all, are ignored.
int32_t VELA_STDCALL CLiveView::OnStreamData(int32_t play, const NetFramePacket* packet,
                                             uintptr_t user) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the user value is the view, as registered
    auto* view = reinterpret_cast<CLiveView*>(user);
    if (!view || !packet || play != view->m_hPlay.load()) return 1;
    view->m_packager.OnPacket(packet->type, packet->data, packet->length, packet->width,
                              packet->height);
    return 1;
}

void CLiveView::StopRealPlay() {
    const int32_t play = m_hPlay.load();
    if (play >= 1) {
        m_rSdk.DelRealDataCallback(play, &OnStreamData, reinterpret_cast<uintptr_t>(this));
        m_rSdk.StopRealPlay(play, nullptr);
        m_hPlay.store(0);
    }
    g_DiagLog.Write("StopRealPlayEx(): lPlay is %d.", play);
}

int32_t CLiveView::StartPreview(int32_t login, int32_t channel, void* window, int32_t streamType) {
    if (login < 0) return -1;
    m_arrClient[0] = channel;
    m_arrClient[1] = streamType;
    m_packager.SetWindow(window);
    if (const preview::PlayerFunctions* player = m_player.Functions())
        player->RegisterDrawFun(preview::kPreviewPort, &preview::DrawCallback, m_nDrawUser);
    if (login == 0) return -1;

    StopRealPlay();
    const int32_t play = m_rSdk.RealPlay(login, m_arrClient);
    if (play <= 0) {
        g_DiagLog.Write(
            "RealPlayEx error:error code is %ld. lChan is %d,iStreamType is %d,lPlay is %ld.",
            static_cast<long>(m_rSdk.GetLastError() & kErrorCodeMask), channel, streamType,
            static_cast<long>(play));
        return -1;
    }
    m_hPlay.store(play);
    // Refused: the play handle stays, so that StopPreview still ends the play.
    if (m_rSdk.SetRealDataCallback(play, &OnStreamData, reinterpret_cast<uintptr_t>(this)) == 0)
        return -1;
    g_DiagLog.Write("RealPlayEx: lChan is %d,iStreamType is %d,lPlay is %d.", channel, streamType,
                    play);
    return play;
}

void CLiveView::StopPreview() {
    if (m_hPlay.load() < 1) return;
    StopRealPlay();
    m_packager.Stop();
}

}  // namespace vela::device
