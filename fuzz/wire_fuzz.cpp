// libFuzzer target for the dvrsim wire protocol: any bytes a client sends are framed, and
// every frame is handled by a device session as if it came over the network.
#include <cstddef>
#include <cstdint>

#include "tools/dvrsim/session.h"
#include "tools/wire/memory_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vela;
    static dvrsim::Device device([] {
        dvrsim::DeviceOptions options;
        options.statePath = "/tmp/vela-wire-fuzz-state.bin";
        return options;
    }());
    auto [client, server] = wire::MakeMemoryPipe();
    auto [replies, sink] = wire::MakeMemoryPipe();
    client->Write(data, size);
    client->Close();
    dvrsim::SessionHooks hooks;
    hooks.shouldEnd = [] { return false; };
    hooks.reboot = [] {};
    hooks.control = [](const std::string&, bool* ok) {  // faults stay as they are
        *ok = false;
        return std::string();
    };
    dvrsim::Session session(device, *replies, hooks);
    wire::Frame frame;
    while (wire::ReadFrame(*server, &frame, 0, 10) == wire::ReadResult::kFrame &&
           session.Handle(frame)) {
    }
    return 0;
}
