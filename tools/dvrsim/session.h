// One client connection to the simulated device: answers its requests and sends the live
// streams it asked for. Runs on that connection's own thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/dvrsim/device.h"
#include "tools/wire/frame.h"

namespace vela::dvrsim {

// What a session asks of the server around it.
struct SessionHooks {
    std::function<bool()> shouldEnd;        // the server stops or reboots
    std::function<std::string()> farewell;  // the message sent when shouldEnd ends it
    std::function<void()> reboot;           // a client asked for a reboot
    std::function<std::string(const std::string&, bool*)> control;  // server-level commands
};

class Session {
  public:
    // connection: the server's number of this connection, noted with its store requests.
    Session(Device& device, wire::ByteStream& stream, SessionHooks hooks, uint32_t connection = 0);
    // Serves until the client leaves, the connection breaks, a fault drops it or the hooks
    // say to end.
    void Run();
    // Handles one request; false when the connection is to be closed.
    bool Handle(const wire::Frame& request);

  private:
    struct Play {
        int32_t id;
        int channel;
        int streamType;
        uint32_t frame = 0;
        uint32_t audio = 0;
        uint32_t started = 0;
        uint32_t nextDue = 0;
        StreamRate rate;  // read from the encoding record when the play starts
    };

    bool Reply(const wire::Frame& request, int32_t status, std::vector<uint8_t> payload = {});
    // Notes a request; for a store, runs what the faults hold for its number, and false when
    // that ends the connection here.
    bool NoteRequest(const wire::Frame& request, uint32_t* number);
    // True when the stall-upgrade fault withholds the answer to this upgrade request.
    bool UpgradeStalls(uint16_t command, const Faults& faults) const;
    int32_t Dispatch(const wire::Frame& request, std::vector<uint8_t>* payload, bool* close);
    bool SendDuePackets();
    bool SendPacket(const Play& play, int32_t type, uint16_t width, uint16_t height,
                    const std::vector<uint8_t>& data);
    uint32_t MsUntilNextPacket() const;

    Device& device_;
    wire::ByteStream& stream_;
    SessionHooks hooks_;
    uint32_t connection_;
    bool loggedIn_ = false;
    int requests_ = 0;
    std::vector<Play> plays_;
};

}  // namespace vela::dvrsim
