// dvrsim: a simulated DVR on loopback for the NetSDK stand-in (see server.h, wire/frame.h).
#include <cstdio>
#include <string>

#include "tools/dvrsim/options.h"
#include "tools/dvrsim/server.h"

int main(int argc, char** argv) {
    using namespace vela::dvrsim;
    ServerOptions options;
    std::string error;
    if (argc > 1 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!ParseOptions(argc - 1, argv + 1, &options, &error)) {
        std::fprintf(stderr, "dvrsim: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    Server server(options);
    std::string note;
    if (!server.Start(&note)) {
        std::fprintf(stderr, "dvrsim: %s\n", note.c_str());
        return 1;
    }
    if (!note.empty()) std::fprintf(stderr, "dvrsim: %s\n", note.c_str());
    const DeviceShape& shape = server.device().shape();
    std::printf(
        "dvrsim listening on 127.0.0.1:%u (http %u), %d channels, %d alarm in, %d alarm "
        "out, state %s\n",
        server.port(), server.httpPort(), shape.channels, shape.alarmInputs, shape.alarmOutputs,
        options.device.statePath.c_str());
    std::fflush(stdout);
    server.WaitForQuit();
    server.Stop();
    return 0;
}
