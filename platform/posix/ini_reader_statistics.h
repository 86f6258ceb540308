// What the POSIX profile reader has done since the process started, for the benchmarks that
// count the look-ups and file reads of a console opening. Any thread.
#pragma once

#include <cstdint>

namespace vela::platform {

struct IniReaderStatistics {
    uint64_t lookups = 0;    // ReadProfileString and ReadProfileInt calls
    uint64_t fileReads = 0;  // whole-file reads: a first look-up or a changed or recent file
};

IniReaderStatistics ReadIniReaderStatistics();

}  // namespace vela::platform
