// Calling convention and export markers shared by the plug-in, its stand-in libraries and
// their hosts. No operating-system header is needed for these.
#pragma once

#if defined(_WIN32)
#define VELA_STDCALL __stdcall
#define VELA_EXPORT __declspec(dllexport)
#else
#define VELA_STDCALL
#define VELA_EXPORT __attribute__((visibility("default")))
#endif
