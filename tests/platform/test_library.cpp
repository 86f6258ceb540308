// A library with entry points reached by export ordinal, as OpenLibrary's callers reach
// NetSDK. Windows exports them by ordinal only (test_library.def); POSIX libraries have no
// ordinals, so there the library exports a resolver that maps ordinals to entry points.
#include "platform/abi.h"

#if defined(_WIN32)
#define TESTLIB_EXPORT  // exports come from test_library.def
#else
#define TESTLIB_EXPORT VELA_EXPORT
#endif

extern "C" {

// Ordinals 1 and 7 (a gap on purpose).
int VELA_STDCALL TestLib_Add(int a, int b) {
    return a + b;
}
int VELA_STDCALL TestLib_Negate(int a) {
    return -a;
}

// Exported by name, for Library::Symbol.
TESTLIB_EXPORT int VELA_STDCALL TestLib_Version() {
    return 3;
}

#if !defined(_WIN32)
TESTLIB_EXPORT void* TestLib_GetProcAddress(int ordinal) {
    switch (ordinal) {
        case 1:
            return reinterpret_cast<void*>(&TestLib_Add);
        case 7:
            return reinterpret_cast<void*>(&TestLib_Negate);
        default:
            return nullptr;
    }
}
#endif
}
