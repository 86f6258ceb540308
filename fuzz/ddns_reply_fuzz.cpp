// libFuzzer target for the DDNS reply: any bytes as the address-query server's answer, cut to
// the piece the query receives, through the answer extraction and its acceptance. The reply
// sits in a buffer of exactly its size, so a read past it is caught. An extracted answer is
// never longer than kDdnsAnswerMaxLength, and an accepted one is empty or a dotted address of
// four numbers 0-255 (blanks allowed before a number); anything else aborts.
// Threads: one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "device/ddns_query.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The address check, written independently of the reader: only digits, dots and blanks, three
// dots, and four groups of blanks then digits, each at most 255; as "%d.%d.%d.%d" reads it,
// whatever follows the fourth number is not looked at.
bool IsDottedAddress(const std::string& text) {
    int dots = 0;
    for (char c : text) {
        if (c == '.')
            ++dots;
        else if (!IsDigit(c) && c != ' ')
            return false;
    }
    if (dots != 3) return false;
    int groups = 0;
    size_t pos = 0;
    while (true) {
        while (pos < text.size() && text[pos] == ' ') ++pos;
        size_t digits = 0;
        unsigned value = 0;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++digits)
            if (value <= 255) value = value * 10 + static_cast<unsigned>(text[pos] - '0');
        if (digits == 0 || value > 255) return false;
        if (++groups == 4) return true;
        if (pos == text.size() || text[pos] != '.') return false;
        ++pos;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vela::device;
    const size_t received = size < kDdnsReplyCapacity ? size : kDdnsReplyCapacity;
    const std::vector<char> reply(data, data + received);
    const std::string answer = ddns::ExtractAnswer(reply.data(), reply.size());
    Require(answer.size() <= kDdnsAnswerMaxLength);
    const bool accepted = ddns::IsAcceptedAnswer(answer);
    if (answer.empty())
        Require(accepted);
    else if (answer.size() < 20)
        Require(accepted == IsDottedAddress(answer));
    else
        Require(!accepted);
    return 0;
}
