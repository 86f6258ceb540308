// An in-memory connection: two ends of a pipe, each a ByteStream. Used by tests and the fuzz
// target to run both sides of the protocol without sockets. Both ends may be used from
// different threads; the pipe lives as long as either end.
#pragma once

#include <memory>
#include <utility>

#include "tools/wire/frame.h"

namespace vela::wire {

// A connected pair: what one end writes, the other reads. Close() on an end makes the other
// end's reads fail once they have drained what was written.
class MemoryEnd : public ByteStream {
  public:
    struct Pipe;
    MemoryEnd(std::shared_ptr<Pipe> pipe, int side) : pipe_(std::move(pipe)), side_(side) {}
    ~MemoryEnd() override;
    bool Write(const void* data, size_t length) override;
    int Read(void* buffer, size_t capacity, uint32_t timeoutMs) override;
    void Close();

  private:
    std::shared_ptr<Pipe> pipe_;
    int side_;
};

std::pair<std::unique_ptr<MemoryEnd>, std::unique_ptr<MemoryEnd>> MakeMemoryPipe();

}  // namespace vela::wire
