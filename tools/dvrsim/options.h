// Command line of dvrsim.
#pragma once

#include <string>

#include "tools/dvrsim/server.h"

namespace vela::dvrsim {

// Parses the arguments after the program name. False with a message for a bad option.
bool ParseOptions(int argc, const char* const* argv, ServerOptions* options, std::string* error);
extern const char* const kUsage;

}  // namespace vela::dvrsim
