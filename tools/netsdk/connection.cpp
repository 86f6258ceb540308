#include "tools/netsdk/connection.h"

#include <chrono>

#include "tools/wire/commands.h"
#include "tools/wire/payload.h"

namespace vela::netsdk {

namespace {
constexpr uint32_t kReceivePollMs = 50;
}

Connection::Connection(std::unique_ptr<wire::ByteStream> stream, ConnectionSinks sinks)
    : stream_(std::move(stream)), sinks_(std::move(sinks)) {}

Connection::~Connection() {
    closing_ = true;
    // The last holder may be the receive thread itself, leaving its loop.
    if (receiver_.joinable()) {
        if (receiver_.get_id() == std::this_thread::get_id()) {
            receiver_.detach();
        } else {
            receiver_.join();
        }
    }
}

void Connection::Start() {
    receiver_ = std::thread([self = shared_from_this()] { self->ReceiveLoop(); });
}

void Connection::Close() {
    closing_ = true;
    if (receiver_.joinable()) {
        if (receiver_.get_id() == std::this_thread::get_id()) {
            receiver_.detach();  // asked from a sink: the loop ends on its own after it
        } else {
            receiver_.join();
        }
    }
    alive_ = false;
    std::lock_guard<std::mutex> lock(mutex_);
    answered_.notify_all();
}

int32_t Connection::Request(uint16_t command, const std::vector<uint8_t>& payload, uint32_t waitMs,
                            std::vector<uint8_t>* reply) {
    Pending pending;
    wire::Frame frame;
    frame.command = command;
    frame.payload = payload;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!alive_) return wire::kErrConnectionLost;
        frame.sequence = nextSequence_++;
        if (nextSequence_ == 0) nextSequence_ = 1;  // 0 marks the device's own frames
        pending_[frame.sequence] = &pending;
    }
    bool sent;
    {
        std::lock_guard<std::mutex> lock(writeMutex_);
        sent = wire::WriteFrame(*stream_, frame);
    }
    std::unique_lock<std::mutex> lock(mutex_);
    if (sent) {
        answered_.wait_for(lock, std::chrono::milliseconds(waitMs),
                           [&] { return pending.answered || !alive_; });
    }
    pending_.erase(frame.sequence);
    if (!pending.answered) return alive_ && sent ? wire::kErrTimeout : wire::kErrConnectionLost;
    if (reply) *reply = std::move(pending.payload);
    return pending.status;
}

// Receive thread.
void Connection::ReceiveLoop() {
    while (!closing_) {
        wire::Frame frame;
        wire::ReadResult result = wire::ReadFrame(*stream_, &frame, kReceivePollMs);
        if (result == wire::ReadResult::kTimeout) continue;
        if (result != wire::ReadResult::kFrame) break;
        Deliver(frame);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        alive_ = false;
        answered_.notify_all();
    }
    if (!closing_ && sinks_.lost) sinks_.lost();
}

void Connection::Deliver(wire::Frame& frame) {
    if (frame.sequence != 0) {
        std::lock_guard<std::mutex> lock(mutex_);
        auto found = pending_.find(frame.sequence);
        if (found == pending_.end()) return;  // late reply of a request that timed out
        found->second->answered = true;
        found->second->status = frame.status;
        found->second->payload = std::move(frame.payload);
        answered_.notify_all();
        return;
    }
    if (frame.command == wire::kStreamPacket && sinks_.packet) {
        wire::PayloadReader in(frame.payload);
        int32_t play = in.I32();
        int32_t type = in.I32();
        uint16_t width = in.U16();
        uint16_t height = in.U16();
        if (in.ok()) sinks_.packet(play, type, width, height, in.Rest(), in.RestSize());
    } else if (frame.command == wire::kMessage && sinks_.message) {
        sinks_.message(std::string(frame.payload.begin(), frame.payload.end()));
    }
}

}  // namespace vela::netsdk
