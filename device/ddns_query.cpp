#include "device/ddns_query.h"

#include <cstring>
#include <string_view>

#include "platform/net.h"

namespace vela::device {

namespace ddns {

namespace {

constexpr std::string_view kAnswerKey = "MYJSTIP";
constexpr size_t kAnswerTextLimit = 20;  // an accepted address has fewer characters
constexpr int kAddressDots = 3;
constexpr long kOctetMax = 255;
constexpr long kNumberCap = 1000000;  // any larger number is out of range anyway

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads "%d.%d.%d.%d" as the C library would for a text of digits, dots and blanks: each
// number may be preceded by blanks, each dot must follow its number directly.
bool ReadFourNumbers(const std::string& text, long numbers[4]) {
    size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != '.') return false;
            ++pos;
        }
        while (pos < text.size() && IsBlank(text[pos])) ++pos;
        if (pos >= text.size() || !IsDigit(text[pos])) return false;
        long value = 0;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos)
            if (value < kNumberCap) value = value * 10 + (text[pos] - '0');
        numbers[i] = value;
    }
    return true;
}

}  // namespace

std::string RequestText(const std::string& hostName) {
    return "GET /dyndns/getipGET?hostname=" + hostName + "&deviceid=&";
}

std::string ExtractAnswer(const char* reply, size_t length) {
    const std::string_view text(reply, length);
    const size_t key = text.find(kAnswerKey);
    if (key == std::string_view::npos) return std::string();
    const size_t equals = text.find('=', key);
    if (equals == std::string_view::npos) return std::string();
    const size_t end = text.find('&', equals + 1);
    if (end == std::string_view::npos) return std::string();
    std::string_view value = text.substr(equals + 1, end - equals - 1);
    if (value.size() > kDdnsAnswerMaxLength) value = value.substr(0, kDdnsAnswerMaxLength);
    return std::string(value);
}

bool IsAcceptedAnswer(const std::string& answer) {
    if (answer.empty()) return true;
    if (answer.size() >= kAnswerTextLimit) return false;
    int dots = 0;
    for (char c : answer) {
        if (c == '.')
            ++dots;
        else if (!IsDigit(c) && c != ' ')
            return false;
    }
    if (dots != kAddressDots) return false;
    long numbers[4] = {};
    if (!ReadFourNumbers(answer, numbers)) return false;
    for (long number : numbers)
        if (number < 0 || number > kOctetMax) return false;
    return true;
}

int QueryWithTimeout(const char* hostName, const char* serverAddress, int serverPort,
                     std::string* answer, uint32_t replyTimeoutMs) {
    answer->clear();
    platform::IPv4 server{};
    if (!hostName || !serverAddress || !platform::ParseIPv4(serverAddress, &server)) return 0;

    auto socket = platform::ConnectTcp(server, static_cast<uint16_t>(serverPort));
    if (!socket) return 0;
    const std::string request = RequestText(hostName);
    if (!socket->Send(request.data(), request.size())) return 0;
    if (socket->WaitReadable(replyTimeoutMs) != 1) return 0;
    char reply[kDdnsReplyCapacity];
    const int received = socket->Receive(reply, sizeof(reply));
    if (received <= 0) return 0;
    socket.reset();

    std::string value = ExtractAnswer(reply, static_cast<size_t>(received));
    if (!IsAcceptedAnswer(value)) return 0;
    *answer = std::move(value);
    return 1;
}

}  // namespace ddns

int GetDeviceIPByDomain(const char* hostName, const char* serverAddress, int serverPort,
                        std::string* answer) {
    return ddns::QueryWithTimeout(hostName, serverAddress, serverPort, answer, kDdnsReplyTimeoutMs);
}

}  // namespace vela::device
