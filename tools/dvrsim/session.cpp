#include "tools/dvrsim/session.h"

#include <algorithm>

#include "platform/kernel.h"
#include "tools/wire/commands.h"
#include "tools/wire/payload.h"
#include "tools/wire/test_picture.h"

namespace vela::dvrsim {

namespace {

constexpr uint32_t kIdleWaitMs = 50;
constexpr int kMaxPlaysPerConnection = 8;
constexpr uint32_t kAudioPacketMs = 20;
constexpr uint16_t kMainWidth = 704, kMainHeight = 576;
constexpr uint16_t kSubWidth = 352, kSubHeight = 288;

bool Due(uint32_t now, uint32_t due) {
    return static_cast<int32_t>(now - due) >= 0;
}

}  // namespace

Session::Session(Device& device, wire::ByteStream& stream, SessionHooks hooks, uint32_t connection)
    : device_(device), stream_(stream), hooks_(std::move(hooks)), connection_(connection) {}

void Session::Run() {
    while (!hooks_.shouldEnd()) {
        wire::Frame request;
        wire::ReadResult result = wire::ReadFrame(stream_, &request, MsUntilNextPacket());
        if (result == wire::ReadResult::kClosed || result == wire::ReadResult::kMalformed) return;
        if (result == wire::ReadResult::kFrame && !Handle(request)) return;
        if (!SendDuePackets()) return;
    }
    if (hooks_.farewell) {
        std::string text = hooks_.farewell();
        wire::Frame message;
        message.command = wire::kMessage;
        message.payload.assign(text.begin(), text.end());
        wire::WriteFrame(stream_, message);
    }
}

uint32_t Session::MsUntilNextPacket() const {
    uint32_t wait = kIdleWaitMs;
    uint32_t now = platform::TickCount();
    for (const Play& play : plays_) {
        uint32_t left = Due(now, play.nextDue) ? 0 : play.nextDue - now;
        wait = std::min(wait, left);
    }
    return wait;
}

bool Session::Handle(const wire::Frame& request) {
    if (request.sequence == 0) return false;  // only the device sends unnumbered frames
    uint32_t noted = 0;
    if (request.command != wire::kControl) {
        ++requests_;
        if (!NoteRequest(request, &noted)) return false;
        const Faults faults = device_.faults();  // as a command planned for this store left them
        if (faults.dropAfter > 0 && requests_ > faults.dropAfter) return false;
        if (faults.silent || UpgradeStalls(request.command, faults)) return true;
        if (faults.delayMs > 0) platform::SleepMs(static_cast<uint32_t>(faults.delayMs));
    }
    std::vector<uint8_t> payload;
    bool close = false;
    int32_t status = Dispatch(request, &payload, &close);
    if (noted) device_.NoteAnswer(noted, status);
    return Reply(request, status, std::move(payload)) && !close;
}

bool Session::NoteRequest(const wire::Frame& request, uint32_t* number) {
    RequestNote note;
    note.connection = connection_;
    note.request = static_cast<uint32_t>(requests_);
    note.kind = request.command;
    if (request.command == wire::kGetConfig || request.command == wire::kSetConfig) {
        wire::PayloadReader in(request.payload);
        note.command = in.I32();
        note.channel = in.I32();
    }
    std::string atStore;
    *number = device_.NoteRequest(note, &atStore);
    if (atStore == kDropCommand) return false;
    if (atStore == kRebootCommand) {
        hooks_.reboot();
        return false;
    }
    if (!atStore.empty()) {
        bool ok = false;
        hooks_.control(atStore, &ok);
    }
    return true;
}

bool Session::UpgradeStalls(uint16_t command, const Faults& faults) const {
    if (faults.stallUpgradeAfter <= 0) return false;
    if (command != wire::kUpgradeData && command != wire::kUpgradeEnd) return false;
    return device_.UpgradeReceived() >= static_cast<size_t>(faults.stallUpgradeAfter);
}

bool Session::Reply(const wire::Frame& request, int32_t status, std::vector<uint8_t> payload) {
    wire::Frame reply;
    reply.command = request.command;
    reply.sequence = request.sequence;
    reply.status = status;
    reply.payload = std::move(payload);
    return wire::WriteFrame(stream_, reply);
}

int32_t Session::Dispatch(const wire::Frame& request, std::vector<uint8_t>* payload, bool* close) {
    wire::PayloadReader in(request.payload);
    if (request.command == wire::kControl) {
        bool ok = false;
        std::string line(request.payload.begin(), request.payload.end());
        std::string answer = hooks_.control(line, &ok);
        payload->assign(answer.begin(), answer.end());
        return ok ? wire::kOk : 0;
    }
    if (request.command == wire::kLogin) {
        std::string user = in.Text(wire::kUserWidth);
        std::string password = in.Text(wire::kPasswordWidth);
        if (!in.ok()) return wire::kErrBadArgument;
        int32_t result = device_.CheckLogin(user, password);
        loggedIn_ = result == wire::kOk;
        if (loggedIn_) *payload = device_.DeviceInfo();
        return result;
    }
    if (!loggedIn_) return wire::kErrNotLoggedIn;
    switch (request.command) {
        case wire::kLogout:
            *close = true;
            return wire::kOk;
        case wire::kGetConfig: {
            int32_t command = in.I32();
            int32_t channel = in.I32();
            uint32_t capacity = in.U32();
            if (!in.ok()) return wire::kErrBadArgument;
            return device_.Read(command, channel, capacity, payload);
        }
        case wire::kSetConfig: {
            int32_t command = in.I32();
            int32_t channel = in.I32();
            if (!in.ok()) return wire::kErrBadArgument;
            return device_.Store(command, channel, in.Rest(), in.RestSize());
        }
        case wire::kStartPlay: {
            Play play{in.I32(), in.I32(), in.I32(), 0, 0, 0, 0, StreamRate{}};
            if (!in.ok() || play.streamType < 0 || play.streamType > 1)
                return wire::kErrBadArgument;
            if (play.channel < 0 || play.channel >= device_.shape().channels) {
                return wire::kErrBadChannel;
            }
            if (plays_.size() >= kMaxPlaysPerConnection) return wire::kErrBadArgument;
            play.rate = device_.EncodingRate(play.channel, play.streamType);
            play.started = play.nextDue = platform::TickCount();
            plays_.push_back(play);
            device_.NotePlayStarted(play.channel, play.streamType);
            return wire::kOk;
        }
        case wire::kStopPlay: {
            int32_t id = in.I32();
            plays_.erase(std::remove_if(plays_.begin(), plays_.end(),
                                        [id](const Play& p) { return p.id == id; }),
                         plays_.end());
            return wire::kOk;
        }
        case wire::kPtzMotion: {
            int32_t channel = in.I32(), command = in.I32(), stop = in.I32(), speed = in.I32();
            if (!in.ok()) return wire::kErrBadArgument;
            return device_.PtzMotion(channel, command, stop, speed);
        }
        case wire::kPtzPreset: {
            int32_t channel = in.I32(), command = in.I32(), preset = in.I32();
            if (!in.ok()) return wire::kErrBadArgument;
            return device_.PtzPreset(channel, command, preset);
        }
        case wire::kReboot:
            hooks_.reboot();
            *close = true;
            return wire::kOk;
        case wire::kUpgradeBegin: {
            uint32_t size = in.U32();
            if (!in.ok()) return wire::kErrBadArgument;
            return device_.BeginUpgrade(size);
        }
        case wire::kUpgradeData:
            return device_.UpgradeData(request.payload.data(), request.payload.size());
        case wire::kUpgradeEnd:
            return device_.FinishUpgrade();
        default:
            return wire::kErrUnknownCommand;
    }
}

bool Session::SendDuePackets() {
    uint32_t now = platform::TickCount();
    for (Play& play : plays_) {
        if (!Due(now, play.nextDue)) continue;
        bool main = play.streamType == 0;
        uint16_t width = main ? kMainWidth : kSubWidth;
        uint16_t height = main ? kMainHeight : kSubHeight;
        uint32_t elapsed = now - play.started;
        uint32_t fps = play.rate.fps;  // one I frame a second
        // Frame i is due at i * 1000 / fps ms, so the pace stays exact at any frame rate.
        uint64_t frame = play.frame;
        uint32_t interval = static_cast<uint32_t>((frame + 1) * 1000 / fps - frame * 1000 / fps);
        if (play.frame == 0) {
            auto header =
                wire::BuildStreamHeader(width, height, fps, static_cast<uint32_t>(play.channel));
            if (!SendPacket(play, wire::kPacketStreamHeader, width, height, header)) return false;
        }
        bool key = play.frame % fps == 0;
        wire::Picture picture = wire::MakePicture(static_cast<uint8_t>(play.channel), width, height,
                                                  play.frame, key, device_.Overlay(play.channel));
        int32_t type = key ? wire::kPacketIFrame : wire::kPacketPFrame;
        std::vector<uint8_t> packet = wire::BuildVideoPacket(picture, elapsed);
        packet.resize(VideoPacketSize(play.rate, key, static_cast<uint32_t>(packet.size())), 0);
        if (!SendPacket(play, type, width, height, packet)) return false;
        // Sound in 20 ms packets, as many as the stream's time has reached by this frame's end.
        uint32_t soundDue = static_cast<uint32_t>((frame + 1) * 1000 / fps / kAudioPacketMs);
        while (play.audio < soundDue) {
            if (!SendPacket(play, wire::kPacketAudio, width, height,
                            wire::BuildAudioPacket(play.audio++, elapsed))) {
                return false;
            }
        }
        ++play.frame;
        play.nextDue += interval;
        if (Due(now, play.nextDue)) play.nextDue = now + interval;  // fell behind: skip
    }
    return true;
}

bool Session::SendPacket(const Play& play, int32_t type, uint16_t width, uint16_t height,
                         const std::vector<uint8_t>& data) {
    wire::Frame frame;
    frame.command = wire::kStreamPacket;
    wire::PayloadWriter out;
    out.I32(play.id).I32(type).U16(width).U16(height).Bytes(data.data(), data.size());
    frame.payload = std::move(out.bytes());
    return wire::WriteFrame(stream_, frame);
}

}  // namespace vela::dvrsim
