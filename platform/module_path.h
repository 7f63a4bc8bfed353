// Where the running program lives. The program directory is the executable's directory, whatever
// the working directory is.
#pragma once

#include <string>

namespace pl {

// The executable's full path.
std::string GetModuleFileName();

// The executable's directory with a trailing '/'.
std::string ModuleDirectory();

} // namespace pl
