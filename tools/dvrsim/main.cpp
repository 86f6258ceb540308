// dvrsim: a simulated DVR on loopback for the NetSDK stand-in (see server.h, wire/frame.h).
#include <cstdio>
#include <string>
#include <vector>

#include "tools/dvrsim/options.h"
#include "tools/dvrsim/server.h"
#include "tools/wire/firmware_image.h"

namespace {

// Writes a small firmware image the device accepts (wire/firmware_image.h), for trying an
// upgrade from the console.
bool WriteFirmwareImage(const char* path, const std::string& version) {
    std::vector<uint8_t> payload(256 * 1024);
    for (size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<uint8_t>(i * 31 + 7);
    std::vector<uint8_t> image = vela::wire::BuildFirmwareImage(version, payload);
    FILE* file = std::fopen(path, "wb");
    bool ok = file && std::fwrite(image.data(), 1, image.size(), file) == image.size();
    if (file) ok = std::fclose(file) == 0 && ok;
    if (!ok) std::fprintf(stderr, "dvrsim: cannot write %s\n", path);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vela::dvrsim;
    ServerOptions options;
    std::string error;
    if (argc > 1 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc > 1 && std::string(argv[1]) == "--make-firmware") {
        if (argc != 4) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        return WriteFirmwareImage(argv[2], argv[3]) ? 0 : 1;
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
