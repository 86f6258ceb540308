// The simulated device on the network: a loopback TCP listener for the device protocol, one
// thread per connection, and a status page on its HTTP port.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/net_server.h"
#include "tools/dvrsim/device.h"

namespace vela::dvrsim {

struct ServerOptions {
    DeviceOptions device;
    uint16_t port = 34567;     // 0: any free port
    int httpPort = -1;         // -1: the port after the device port (any free one for port 0)
    uint32_t rebootMs = 1500;  // how long a reboot keeps the device away
};

class Server {
  public:
    explicit Server(ServerOptions options);
    ~Server();  // Stop()

    // Loads the state and starts listening; false (with a reason) when a port is taken.
    bool Start(std::string* reason);
    void Stop();
    uint16_t port() const { return port_; }
    uint16_t httpPort() const { return httpPort_; }
    Device& device() { return *device_; }

    // Drops every connection now; new ones are turned away until rebootMs have passed.
    void Reboot();
    // Blocks until a "quit" control command arrives (the program's main thread).
    void WaitForQuit();
    // Server-level control commands: "reboot", "quit", "status", and the fault commands.
    std::string Control(const std::string& line, bool* ok);

  private:
    struct Connection {
        std::thread thread;
        std::atomic<bool> done{false};
    };

    void AcceptLoop();  // accept thread
    void HttpLoop();    // HTTP thread
    void Serve(std::unique_ptr<platform::TcpSocket> socket, Connection* connection);
    void ReapFinished();  // accept thread
    bool Rebooting() const;
    std::string StatusPage() const;

    ServerOptions options_;
    std::unique_ptr<Device> device_;
    std::unique_ptr<platform::TcpListener> listener_;
    std::unique_ptr<platform::TcpListener> httpListener_;
    uint16_t port_ = 0;
    uint16_t httpPort_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<uint32_t> generation_{0};  // changes at every reboot: older sessions end
    std::atomic<uint32_t> rebootUntil_{0};
    std::atomic<bool> rebooting_{false};
    std::atomic<uint32_t> connectionsServed_{0};
    std::thread acceptThread_;
    std::thread httpThread_;
    std::mutex connectionsMutex_;
    std::list<Connection> connections_;  // owned here; each thread marks itself done
    std::mutex quitMutex_;
    std::condition_variable quitSignal_;
    bool quit_ = false;
};

}  // namespace vela::dvrsim
