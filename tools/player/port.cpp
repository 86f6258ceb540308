#include "tools/player/port.h"

#include <new>

#include "platform/frame_present.h"
#include "tools/player/container.h"
#include "tools/player/picture_renderer.h"
#include "tools/wire/test_picture.h"

namespace vela::player {

bool Port::Open(const uint8_t* data, uint32_t size) {
    ContainerFrame frame;
    std::lock_guard<std::mutex> lock(mutex_);
    if (open_) return false;
    if (ParseChunk(data, size, &frame) != ChunkError::kNone || frame.type != kFrameStreamStart) {
        ++refused_;
        return false;
    }
    open_ = true;
    head_ = count_ = 0;
    return true;
}

bool Port::Play(void* window) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!open_ || !window) return false;
    window_ = window;
    if (playing_) return true;
    if (thread_.joinable()) thread_.detach();  // ended itself from inside its draw callback
    playing_ = true;
    uint32_t generation = ++generation_;
    thread_ = std::thread([this, generation] { Run(generation); });
    return true;
}

bool Port::Input(const uint8_t* data, uint32_t size) {
    ContainerFrame frame;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!open_) return false;
    if (ParseChunk(data, size, &frame) != ChunkError::kNone) {
        ++refused_;
        return false;
    }
    if (frame.type != kFrameI && frame.type != kFrameP) return true;  // starts, audio: no picture
    if (count_ == kQueueFrames) {
        head_ = (head_ + 1) % kQueueFrames;
        --count_;
        ++dropped_;
    }
    std::vector<uint8_t>& slot = queue_[(head_ + count_) % kQueueFrames];
    slot.assign(frame.payload, frame.payload + frame.payloadSize);
    ++count_;
    wake_.notify_one();
    return true;
}

void Port::EndThread(std::unique_lock<std::mutex>& lock) {
    playing_ = false;
    ++generation_;
    head_ = count_ = 0;
    wake_.notify_all();
    if (!thread_.joinable()) return;
    if (thread_.get_id() == std::this_thread::get_id()) return;  // Play detaches it later
    std::thread ending = std::move(thread_);
    lock.unlock();
    ending.join();
    lock.lock();
}

bool Port::Stop() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!open_) return false;
    EndThread(lock);
    return true;
}

bool Port::Close() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!open_) return false;
    EndThread(lock);
    open_ = false;
    window_ = nullptr;
    callback_ = nullptr;
    user_ = 0;
    for (auto& slot : queue_) std::vector<uint8_t>().swap(slot);
    return true;
}

void Port::SetDrawCallback(DrawCallback callback, uintptr_t user) {
    std::lock_guard<std::mutex> lock(mutex_);
    callback_ = callback;
    user_ = user;
}

uint32_t Port::RefusedChunks() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return refused_;
}

uint32_t Port::DroppedFrames() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return dropped_;
}

void Port::Run(uint32_t generation) {
    std::vector<uint8_t> payload;
    std::vector<uint32_t> pixels;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return generation_ != generation || count_ > 0; });
        if (generation_ != generation) return;
        payload.swap(queue_[head_]);
        head_ = (head_ + 1) % kQueueFrames;
        --count_;
        void* window = window_;
        DrawCallback callback = callback_;
        uintptr_t user = user_;
        wire::Picture picture;
        if (!wire::ParsePicture(payload.data(), payload.size(), &picture) ||
            !RenderPicture(picture, &pixels)) {
            continue;
        }
        platform::PixelFrame frame{pixels.data(), picture.width, picture.height};
        // Drawn without the lock; Stop and Close wait for it by joining this thread.
        lock.unlock();
        platform::PresentFrame(window, frame, [&](void* deviceContext) {
            if (callback) callback(number_, deviceContext, user);
        });
        lock.lock();
    }
}

Port* PortAt(int32_t number) {
    if (number < 0 || number >= kPortCount) return nullptr;
    // Built in place in the library's own storage and never destroyed: a display thread may
    // outlive static destruction at process exit, and nothing is left on the heap for a host
    // that unloads the library after closing its streams.
    alignas(Port) static unsigned char storage[kPortCount][sizeof(Port)];
    static const bool built = [] {
        for (int32_t i = 0; i < kPortCount; ++i) new (storage[i]) Port(i);
        return true;
    }();
    (void)built;
    return std::launder(reinterpret_cast<Port*>(storage[number]));
}

}  // namespace vela::player
