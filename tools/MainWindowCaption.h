#pragma once
#include <string>

#include "app/AppInfo.h"

namespace nevra::tools {

// The caption of the program's main window while no run is under way: the title and version the
// build gives the program, as the main window shows them.
inline const std::string kMainWindowCaption = std::string("  ") + kApplicationTitle + " " + kVersion;

}  // namespace nevra::tools
