#include "tools/dvrsim/server.h"

#include <sstream>

#include "platform/kernel.h"
#include "tools/dvrsim/session.h"
#include "tools/wire/socket_stream.h"

namespace vela::dvrsim {

namespace {
constexpr uint32_t kAcceptWaitMs = 50;
constexpr uint32_t kHttpRequestWaitMs = 1000;
constexpr size_t kMaxHttpRequest = 4096;
}  // namespace

Server::Server(ServerOptions options) : options_(std::move(options)) {}

Server::~Server() {
    Stop();
}

bool Server::Start(std::string* reason) {
    listener_ = platform::ListenLoopback(options_.port);
    if (!listener_) {
        *reason = "cannot listen on 127.0.0.1:" + std::to_string(options_.port);
        return false;
    }
    port_ = listener_->Port();
    if (options_.httpPort >= 0) {
        httpListener_ = platform::ListenLoopback(static_cast<uint16_t>(options_.httpPort));
    } else {
        httpListener_ =
            options_.port ? platform::ListenLoopback(static_cast<uint16_t>(port_ + 1)) : nullptr;
        if (!httpListener_) httpListener_ = platform::ListenLoopback(0);
    }
    if (!httpListener_) {
        *reason = "cannot listen on the HTTP port " + std::to_string(options_.httpPort);
        return false;
    }
    httpPort_ = httpListener_->Port();
    options_.device.shape.tcpPort = port_;
    options_.device.shape.httpPort = httpPort_;
    device_ = std::make_unique<Device>(options_.device);
    if (!device_->Load()) {
        *reason = "state file " + options_.device.statePath +
                  " is not a dvrsim state: starting from the factory state";
    }
    acceptThread_ = std::thread([this] { AcceptLoop(); });
    httpThread_ = std::thread([this] { HttpLoop(); });
    return true;
}

void Server::Stop() {
    if (stopping_.exchange(true)) return;
    if (acceptThread_.joinable()) acceptThread_.join();
    if (httpThread_.joinable()) httpThread_.join();
    std::lock_guard<std::mutex> lock(connectionsMutex_);
    for (Connection& connection : connections_) connection.thread.join();
    connections_.clear();
    {
        std::lock_guard<std::mutex> quitLock(quitMutex_);
        quit_ = true;
    }
    quitSignal_.notify_all();
}

void Server::Reboot() {
    rebootUntil_ = platform::TickCount() + options_.rebootMs;
    rebooting_ = true;
    ++generation_;
}

bool Server::Rebooting() const {
    if (!rebooting_) return false;
    if (static_cast<int32_t>(platform::TickCount() - rebootUntil_.load()) < 0) return true;
    return false;
}

void Server::WaitForQuit() {
    std::unique_lock<std::mutex> lock(quitMutex_);
    quitSignal_.wait(lock, [this] { return quit_; });
}

std::string Server::Control(const std::string& line, bool* ok) {
    *ok = true;
    if (line == "reboot") {
        Reboot();
        return "rebooting";
    }
    if (line == "quit") {
        {
            std::lock_guard<std::mutex> lock(quitMutex_);
            quit_ = true;
        }
        quitSignal_.notify_all();
        return "quitting";
    }
    if (line == "status") return device_->Summary();
    std::string reason;
    *ok = device_->ApplyFault(line, &reason);
    return *ok ? "faults: " + DescribeFaults(device_->faults()) : reason;
}

// Accept thread: hands each connection to its own thread; during a reboot the device is away,
// so a connection is closed at once.
void Server::AcceptLoop() {
    while (!stopping_) {
        ReapFinished();
        std::unique_ptr<platform::TcpSocket> socket = listener_->Accept(kAcceptWaitMs);
        if (!socket) continue;
        if (Rebooting()) continue;  // closes it
        std::lock_guard<std::mutex> lock(connectionsMutex_);
        connections_.emplace_back();
        Connection* connection = &connections_.back();
        connection->thread = std::thread([this, connection, s = std::move(socket)]() mutable {
            Serve(std::move(s), connection);
        });
    }
}

void Server::ReapFinished() {
    std::lock_guard<std::mutex> lock(connectionsMutex_);
    for (auto it = connections_.begin(); it != connections_.end();) {
        if (it->done) {
            it->thread.join();
            it = connections_.erase(it);
        } else {
            ++it;
        }
    }
}

// Connection thread.
void Server::Serve(std::unique_ptr<platform::TcpSocket> socket, Connection* connection) {
    const uint32_t number = ++connectionsServed_;
    wire::SocketStream stream(std::move(socket));
    uint32_t generation = generation_;
    SessionHooks hooks;
    hooks.shouldEnd = [this, generation] { return stopping_ || generation != generation_; };
    hooks.farewell = [this] { return std::string(stopping_ ? "shutdown" : "reboot"); };
    hooks.reboot = [this] { Reboot(); };
    hooks.control = [this](const std::string& line, bool* ok) { return Control(line, ok); };
    Session session(*device_, stream, hooks, number);
    session.Run();
    connection->done = true;
}

std::string Server::StatusPage() const {
    std::ostringstream body;
    body << "<!DOCTYPE html>\n<html><head><title>dvrsim</title></head><body>\n"
         << "<h1>dvrsim: simulated video server</h1>\n<pre>\n"
         << "device port: " << port_ << "\n"
         << "state: " << (Rebooting() ? "rebooting" : "running") << "\n"
         << "connections served: " << connectionsServed_ << "\n"
         << device_->Summary() << "</pre>\n</body></html>\n";
    std::string html = body.str();
    std::ostringstream response;
    response << "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
             << "Content-Length: " << html.size() << "\r\nConnection: close\r\n\r\n"
             << html;
    return response.str();
}

// HTTP thread: one short request at a time, answered with the status page.
void Server::HttpLoop() {
    while (!stopping_) {
        std::unique_ptr<platform::TcpSocket> socket = httpListener_->Accept(kAcceptWaitMs);
        if (!socket) continue;
        std::string request;
        char buffer[1024];
        uint32_t started = platform::TickCount();
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxHttpRequest &&
               platform::TickCount() - started < kHttpRequestWaitMs) {
            if (socket->WaitReadable(kAcceptWaitMs) <= 0) continue;
            int got = socket->Receive(buffer, sizeof(buffer));
            if (got <= 0) break;
            request.append(buffer, static_cast<size_t>(got));
        }
        std::string response = StatusPage();
        socket->Send(response.data(), response.size());
    }
}

}  // namespace vela::dvrsim
