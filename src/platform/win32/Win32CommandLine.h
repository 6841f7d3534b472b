#pragma once
#include <string>
#include <vector>

namespace nevra::win32 {

// This process's command line split as Windows splits it (CommandLineToArgvW), in UTF-8 and
// without the program's own path.
std::vector<std::string> CommandLineArguments();

}  // namespace nevra::win32
