#include "tools/netsdk/stream_dispatcher.h"

#include <algorithm>
#include <cstring>

namespace vela::netsdk {

StreamDispatcher::~StreamDispatcher() {
    Stop();
}

void StreamDispatcher::Open(int32_t play) {
    std::lock_guard<std::mutex> lock(mutex_);
    held_[play];
}

void StreamDispatcher::SetCallback(int32_t play, StreamCallback callback, uintptr_t user) {
    std::lock_guard<std::mutex> lock(mutex_);
    targets_[play] = Target{callback, user};
    auto held = held_.find(play);
    if (held != held_.end()) {
        for (Item& item : held->second) queue_.push_back(std::move(item));
        held_.erase(held);
        changed_.notify_all();
    }
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { Run(); });
    }
}

void StreamDispatcher::RemoveCallback(int32_t play) {
    std::unique_lock<std::mutex> lock(mutex_);
    targets_.erase(play);
    held_.erase(play);
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                [play](const Item& item) { return item.play == play; }),
                 queue_.end());
    if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) return;
    changed_.wait(lock, [&] { return running_ != play; });
}

void StreamDispatcher::Post(int32_t play, int32_t type, uint16_t width, uint16_t height,
                            const uint8_t* data, size_t length) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_) return;
    Item item{play, type, width, height, std::vector<uint8_t>(data, data + length)};
    auto held = held_.find(play);
    if (held != held_.end()) {
        if (held->second.size() < kMaxHeld) held->second.push_back(std::move(item));
        return;
    }
    if (!targets_.count(play) || queue_.size() >= kMaxQueued) return;
    queue_.push_back(std::move(item));
    changed_.notify_all();
}

void StreamDispatcher::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        queue_.clear();
        targets_.clear();
        held_.clear();
        changed_.notify_all();
    }
    if (thread_.joinable()) {
        if (thread_.get_id() == std::this_thread::get_id()) {
            thread_.detach();  // shut down from a callback: the loop ends after it
            return;
        } else {
            thread_.join();
        }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = false;  // the library may be used again after its shut-down
}

// Callback thread.
void StreamDispatcher::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        Item item = std::move(queue_.front());
        queue_.pop_front();
        auto found = targets_.find(item.play);
        if (found == targets_.end()) continue;
        Target target = found->second;
        running_ = item.play;
        lock.unlock();
        NetFramePacket packet{};
        packet.type = item.type;
        packet.data = item.data.data();
        packet.length = static_cast<int32_t>(item.data.size());
        packet.width = item.width;
        packet.height = item.height;
        target.callback(item.play, &packet, target.user);
        lock.lock();
        running_ = 0;
        changed_.notify_all();
    }
}

}  // namespace vela::netsdk
