#include "tools/netsdk/library.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/net.h"
#include "tools/wire/commands.h"
#include "tools/wire/firmware_image.h"
#include "tools/wire/payload.h"
#include "tools/wire/socket_stream.h"

namespace vela::netsdk {

namespace {

constexpr uint32_t kDefaultWaitMs = 5000;
constexpr uint32_t kMaxWaitMs = 60000;
constexpr uint32_t kLogoutWaitMs = 1000;
constexpr uint32_t kStopPlayWaitMs = 2000;
constexpr size_t kUpgradeChunk = size_t{32} * 1024;
constexpr int32_t kMaxTries = 10;

std::vector<uint8_t> Ints(std::initializer_list<int32_t> values) {
    wire::PayloadWriter out;
    for (int32_t value : values) out.I32(value);
    return std::move(out.bytes());
}

}  // namespace

// Never destroyed: a host that unloads the library or exits without shutting it down (ordinal
// 2) must not have its threads joined from the loader's context or a joinable thread destroyed.
Library& Library::Instance() {
    static Library* library = new Library;
    return *library;
}

int32_t Library::Fail(int32_t error) {
    lastError_ = error;
    return 0;
}

uint32_t Library::WaitOf(int32_t waitMs) const {
    if (waitMs <= 0) return kDefaultWaitMs;
    return std::min(static_cast<uint32_t>(waitMs), kMaxWaitMs);
}

std::shared_ptr<Connection> Library::Find(int32_t login) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = logins_.find(login);
    return found == logins_.end() ? nullptr : found->second;
}

int32_t Library::Init(DisconnectCallback callback, uintptr_t user) {
    std::lock_guard<std::mutex> lock(mutex_);
    disconnect_ = callback;
    disconnectUser_ = user;
    return 1;
}

int32_t Library::Cleanup() {
    std::vector<int32_t> logins;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const auto& entry : logins_) logins.push_back(entry.first);
    }
    for (int32_t login : logins) Logout(login);
    std::map<int32_t, std::unique_ptr<UpgradeJob>> upgrades;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        upgrades.swap(upgrades_);
    }
    for (auto& entry : upgrades) {
        if (entry.second->thread.joinable()) entry.second->thread.join();
    }
    dispatcher_.Stop();
    std::lock_guard<std::mutex> lock(mutex_);
    disconnect_ = nullptr;
    message_ = nullptr;
    return 1;
}

int32_t Library::SetConnectTime(int32_t waitMs, int32_t tries) {
    std::lock_guard<std::mutex> lock(mutex_);
    connectWaitMs_ = WaitOf(waitMs);
    connectTries_ = std::clamp(tries, 1, kMaxTries);
    return 1;
}

int32_t Library::Login(const char* ip, uint16_t port, const char* user, const char* password,
                       uint8_t* deviceInfo, int32_t* error, int32_t socketType) {
    static std::once_flag socketsStarted;  // the host may never call ordinal 1
    std::call_once(socketsStarted, [] { platform::StartSockets(); });
    if (!ip || !user || !password || !deviceInfo) {
        if (error) *error = wire::kErrBadArgument;
        return Fail(wire::kErrBadArgument);
    }
    platform::IPv4 address{};
    if (!platform::ParseIPv4(ip, &address) && !platform::LookupHostIPv4(ip, &address)) {
        if (error) *error = wire::kErrConnect;
        return Fail(wire::kErrConnect);
    }
    int32_t tries;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        tries = connectTries_;
    }
    std::unique_ptr<platform::TcpSocket> socket;
    for (int32_t i = 0; i < tries && !socket; ++i) socket = platform::ConnectTcp(address, port);
    if (!socket) {
        if (error) *error = wire::kErrConnect;
        return Fail(wire::kErrConnect);
    }
    return LoginOver(std::make_unique<wire::SocketStream>(std::move(socket)), ip, port, user,
                     password, deviceInfo, error);
}

int32_t Library::LoginOver(std::unique_ptr<wire::ByteStream> stream, const std::string& address,
                           uint16_t port, const char* user, const char* password,
                           uint8_t* deviceInfo, int32_t* error) {
    auto loginCell = std::make_shared<std::atomic<int32_t>>(0);
    ConnectionSinks sinks;
    sinks.packet = [this](int32_t play, int32_t type, uint16_t width, uint16_t height,
                          const uint8_t* data, size_t length) {
        dispatcher_.Post(play, type, width, height, data, length);
    };
    sinks.message = [this, loginCell](const std::string& text) {
        MessageCallback callback;
        uintptr_t user;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            callback = message_;
            user = messageUser_;
        }
        if (callback) {
            callback(*loginCell, text.c_str(), static_cast<uint32_t>(text.size()), user);
        }
    };
    sinks.lost = [this, loginCell, address, port] {
        DisconnectCallback callback;
        uintptr_t user;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            callback = disconnect_;
            user = disconnectUser_;
        }
        if (callback && *loginCell > 0) callback(*loginCell, address.c_str(), port, user);
    };
    auto connection = std::make_shared<Connection>(std::move(stream), std::move(sinks));
    connection->Start();
    wire::PayloadWriter request;
    request.Text(user, wire::kUserWidth).Text(password, wire::kPasswordWidth);
    uint32_t waitMs;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        waitMs = connectWaitMs_;
    }
    std::vector<uint8_t> reply;
    int32_t status = connection->Request(wire::kLogin, request.bytes(), waitMs, &reply);
    if (status == wire::kOk && reply.size() != static_cast<size_t>(kDeviceInfoSize)) {
        status = wire::kErrBadReply;
    }
    if (status != wire::kOk) {
        connection->Close();
        if (error) *error = status;
        return Fail(status);
    }
    std::memcpy(deviceInfo, reply.data(), reply.size());
    if (error) *error = 0;
    std::lock_guard<std::mutex> lock(mutex_);
    int32_t login = nextLogin_++;
    *loginCell = login;
    logins_[login] = connection;
    return login;
}

int32_t Library::Logout(int32_t login) {
    std::shared_ptr<Connection> connection;
    std::vector<int32_t> plays;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto found = logins_.find(login);
        if (found == logins_.end()) return Fail(wire::kErrBadHandle);
        connection = found->second;
        logins_.erase(found);
        for (const auto& entry : plays_) {
            if (entry.second.login == login) plays.push_back(entry.first);
        }
    }
    for (int32_t play : plays) StopRealPlay(play);
    if (connection->alive()) connection->Request(wire::kLogout, {}, kLogoutWaitMs);
    connection->Close();
    return 1;
}

int32_t Library::SetMessageCallback(MessageCallback callback, uintptr_t user) {
    std::lock_guard<std::mutex> lock(mutex_);
    message_ = callback;
    messageUser_ = user;
    return 1;
}

// The device reports alarms on the login's own connection, so the alarm channel needs no
// set-up of its own: these only check the handle.
int32_t Library::SetupAlarmChannel(int32_t login) {
    return Find(login) ? 1 : Fail(wire::kErrBadHandle);
}

int32_t Library::CloseAlarmChannel(int32_t login) {
    return Find(login) ? 1 : Fail(wire::kErrBadHandle);
}

int32_t Library::GetConfig(int32_t login, uint32_t command, int32_t channel, void* buffer,
                           uint32_t size, uint32_t* returned, int32_t waitMs) {
    if (returned) *returned = 0;
    std::shared_ptr<Connection> connection = Find(login);
    if (!connection) return Fail(wire::kErrBadHandle);
    if (!buffer && size > 0) return Fail(wire::kErrBadArgument);
    std::vector<uint8_t> reply;
    int32_t status = connection->Request(
        wire::kGetConfig,
        Ints({static_cast<int32_t>(command), channel, static_cast<int32_t>(size)}), WaitOf(waitMs),
        &reply);
    if (status != wire::kOk) return Fail(status);
    if (reply.size() > size) return Fail(wire::kErrBadReply);  // the device ignored our size
    if (!reply.empty()) std::memcpy(buffer, reply.data(), reply.size());
    if (returned) *returned = static_cast<uint32_t>(reply.size());
    return 1;
}

int32_t Library::SetConfig(int32_t login, uint32_t command, int32_t channel, const void* buffer,
                           uint32_t size, int32_t waitMs) {
    std::shared_ptr<Connection> connection = Find(login);
    if (!connection) return Fail(wire::kErrBadHandle);
    if ((!buffer && size > 0) || size > wire::kMaxPayload - 8) return Fail(wire::kErrBadArgument);
    wire::PayloadWriter request;
    request.I32(static_cast<int32_t>(command)).I32(channel).Bytes(buffer, size);
    int32_t status = connection->Request(wire::kSetConfig, request.bytes(), WaitOf(waitMs));
    if (status == wire::kOk) return 1;
    if (status == wire::kNeedsReboot) return wire::kNeedsReboot;
    return Fail(status);
}

int32_t Library::RealPlay(int32_t login, const int32_t* client) {
    std::shared_ptr<Connection> connection = Find(login);
    if (!connection) return Fail(wire::kErrBadHandle);
    if (!client) return Fail(wire::kErrBadArgument);
    int32_t play;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        play = nextPlay_++;
        plays_[play] = Play{login, connection};
    }
    dispatcher_.Open(play);
    int32_t status =
        connection->Request(wire::kStartPlay, Ints({play, client[0], client[1]}), kDefaultWaitMs);
    if (status != wire::kOk) {
        dispatcher_.RemoveCallback(play);
        std::lock_guard<std::mutex> lock(mutex_);
        plays_.erase(play);
        return Fail(status);
    }
    return play;
}

int32_t Library::StopRealPlay(int32_t play) {
    std::shared_ptr<Connection> connection;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto found = plays_.find(play);
        if (found == plays_.end()) return Fail(wire::kErrBadHandle);
        connection = found->second.connection;
        plays_.erase(found);
    }
    dispatcher_.RemoveCallback(play);
    if (connection->alive()) connection->Request(wire::kStopPlay, Ints({play}), kStopPlayWaitMs);
    return 1;
}

int32_t Library::SetDataCallback(int32_t play, StreamCallback callback, uintptr_t user) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!plays_.count(play)) return Fail(wire::kErrBadHandle);
    }
    if (!callback) return Fail(wire::kErrBadArgument);
    dispatcher_.SetCallback(play, callback, user);
    return 1;
}

int32_t Library::DelDataCallback(int32_t play, StreamCallback, uintptr_t) {
    dispatcher_.RemoveCallback(play);
    return 1;
}

int32_t Library::Upgrade(int32_t login, const char* path, int32_t, UpgradeCallback callback,
                         uintptr_t user) {
    std::shared_ptr<Connection> connection = Find(login);
    if (!connection) return Fail(wire::kErrBadHandle);
    auto job = std::make_unique<UpgradeJob>();
    UpgradeJob* jobPointer = job.get();
    std::vector<uint8_t> image;
    wire::FirmwareHeader header;
    bool readable = path && platform::ReadWholeFile(path, wire::kMaxFirmwareSize, &image);
    bool firmware = readable && wire::ParseFirmwareHeader(image.data(), image.size(), &header);
    std::lock_guard<std::mutex> lock(mutex_);
    int32_t upgrade = nextUpgrade_++;
    if (!firmware) {
        job->state = kUpgradeFailed;  // decided before anything is sent
        lastError_ = wire::kErrNotFirmware;
    } else {
        job->thread = std::thread([this, login, upgrade, connection, image = std::move(image),
                                   callback, user, jobPointer]() mutable {
            RunUpgrade(login, upgrade, connection, std::move(image), callback, user, jobPointer);
        });
    }
    upgrades_[upgrade] = std::move(job);
    return upgrade;
}

// Upgrade thread. Progress counts the bytes the device took, but the final "all done" report
// comes only after the device accepted the whole image, so done == total means installed.
void Library::RunUpgrade(int32_t login, int32_t upgrade,
                         const std::shared_ptr<Connection>& connection, std::vector<uint8_t> image,
                         UpgradeCallback callback, uintptr_t user, UpgradeJob* job) {
    auto total = static_cast<int32_t>(image.size());
    int32_t status = connection->Request(
        wire::kUpgradeBegin, Ints({static_cast<int32_t>(image.size())}), kDefaultWaitMs);
    size_t sent = 0;
    while (status == wire::kOk && sent < image.size()) {
        size_t piece = std::min(kUpgradeChunk, image.size() - sent);
        std::vector<uint8_t> chunk(image.begin() + static_cast<long>(sent),
                                   image.begin() + static_cast<long>(sent + piece));
        int32_t received = connection->Request(wire::kUpgradeData, chunk, kDefaultWaitMs);
        if (received != static_cast<int32_t>(sent + piece)) {
            status = received < 0 ? received : wire::kErrBadReply;
            break;
        }
        sent += piece;
        if (callback && sent < image.size()) {
            callback(login, upgrade, static_cast<int32_t>(sent), total, user);
        }
    }
    if (status == wire::kOk) status = connection->Request(wire::kUpgradeEnd, {}, kDefaultWaitMs);
    if (status != wire::kOk) {
        lastError_ = status;
        job->state = kUpgradeFailed;
        return;
    }
    job->state = kUpgradeDone;
    if (callback) callback(login, upgrade, total, total, user);
}

int32_t Library::UpgradeState(int32_t upgrade) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = upgrades_.find(upgrade);
    if (found == upgrades_.end()) {
        lastError_ = wire::kErrBadHandle;
        return kUpgradeFailed;
    }
    return found->second->state;
}

int32_t Library::PtzControl(int32_t login, int32_t channel, int32_t command, int32_t stop,
                            int32_t speed) {
    std::shared_ptr<Connection> connection = Find(login);
    if (!connection) return Fail(wire::kErrBadHandle);
    int32_t status = connection->Request(wire::kPtzMotion, Ints({channel, command, stop, speed}),
                                         kDefaultWaitMs);
    return status == wire::kOk ? 1 : Fail(status);
}

int32_t Library::PtzPreset(int32_t login, int32_t channel, int32_t command, int32_t preset,
                           int32_t a, int32_t b, int32_t c) {
    std::shared_ptr<Connection> connection = Find(login);
    if (!connection) return Fail(wire::kErrBadHandle);
    int32_t status = connection->Request(wire::kPtzPreset,
                                         Ints({channel, command, preset, a, b, c}), kDefaultWaitMs);
    return status == wire::kOk ? 1 : Fail(status);
}

int32_t Library::Reboot(int32_t login, int32_t, int32_t waitMs) {
    std::shared_ptr<Connection> connection = Find(login);
    if (!connection) return Fail(wire::kErrBadHandle);
    int32_t status = connection->Request(wire::kReboot, {}, WaitOf(waitMs));
    return status == wire::kOk ? 1 : Fail(status);
}

}  // namespace vela::netsdk
