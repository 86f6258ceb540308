// The DDNS address query: asks an address-query server over one TCP exchange for the current
// IPv4 address of a device known by name. UI thread; blocks up to the reply wait.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vela::device {

constexpr uint32_t kDdnsReplyTimeoutMs = 8000;
constexpr size_t kDdnsReplyCapacity = 512;  // only the first piece of the reply is examined
constexpr size_t kDdnsAnswerMaxLength = 63;

// 1 with the address in *answer (possibly empty), 0 with *answer empty. serverAddress must be
// a dotted IPv4 address; a host name is refused without any connection.
int GetDeviceIPByDomain(const char* hostName, const char* serverAddress, int serverPort,
                        std::string* answer);

namespace ddns {

// The query with a chosen reply wait (tests use a short one).
int QueryWithTimeout(const char* hostName, const char* serverAddress, int serverPort,
                     std::string* answer, uint32_t replyTimeoutMs);

// The request text for a host name.
std::string RequestText(const std::string& hostName);
// The MYJSTIP value of a reply: the text after the first '=' behind "MYJSTIP" up to the next
// '&', cut to kDdnsAnswerMaxLength; empty when any part is missing.
std::string ExtractAnswer(const char* reply, size_t length);
// True for the empty text or a dotted address of four numbers 0-255.
bool IsAcceptedAnswer(const std::string& answer);

}  // namespace ddns

}  // namespace vela::device
