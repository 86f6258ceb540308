#include "tools/wire/memory_stream.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>

namespace vela::wire {

struct MemoryEnd::Pipe {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<uint8_t> toSide[2];  // bytes waiting to be read by side 0 / side 1
    bool closed[2] = {false, false};
};

MemoryEnd::~MemoryEnd() {
    Close();
}

void MemoryEnd::Close() {
    std::lock_guard<std::mutex> lock(pipe_->mutex);
    pipe_->closed[side_] = true;
    pipe_->changed.notify_all();
}

bool MemoryEnd::Write(const void* data, size_t length) {
    std::lock_guard<std::mutex> lock(pipe_->mutex);
    if (pipe_->closed[0] || pipe_->closed[1]) return false;
    const auto* bytes = static_cast<const uint8_t*>(data);
    pipe_->toSide[1 - side_].insert(pipe_->toSide[1 - side_].end(), bytes, bytes + length);
    pipe_->changed.notify_all();
    return true;
}

int MemoryEnd::Read(void* buffer, size_t capacity, uint32_t timeoutMs) {
    std::unique_lock<std::mutex> lock(pipe_->mutex);
    auto& incoming = pipe_->toSide[side_];
    pipe_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        return !incoming.empty() || pipe_->closed[0] || pipe_->closed[1];
    });
    if (incoming.empty()) return (pipe_->closed[0] || pipe_->closed[1]) ? -1 : 0;
    size_t count = capacity < incoming.size() ? capacity : incoming.size();
    std::copy(incoming.begin(), incoming.begin() + static_cast<long>(count),
              static_cast<uint8_t*>(buffer));
    incoming.erase(incoming.begin(), incoming.begin() + static_cast<long>(count));
    return static_cast<int>(count);
}

std::pair<std::unique_ptr<MemoryEnd>, std::unique_ptr<MemoryEnd>> MakeMemoryPipe() {
    auto pipe = std::make_shared<MemoryEnd::Pipe>();
    return {std::make_unique<MemoryEnd>(pipe, 0), std::make_unique<MemoryEnd>(pipe, 1)};
}

}  // namespace vela::wire
