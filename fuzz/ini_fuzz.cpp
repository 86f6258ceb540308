// libFuzzer target for the INI parser and its look-up rules. Inputs that once crashed are
// kept in corpus/, which tests/platform also reads as an ordinary test.
#include <cstddef>
#include <cstdint>

#include "platform/posix/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vela::platform::ini;
    Document document = Document::Parse(reinterpret_cast<const char*>(data), size);
    for (const char* name : {"", "s", "k", "[", "\"", "a]b"}) {
        ConvertProfileInt(ResolveString(document, "s", name, "d ", 30), 0);
        ResolveString(document, name, "k", "\"", 1);
    }
    return 0;
}
