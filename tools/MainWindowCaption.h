#pragma once
#include <string>

#include "product/AppInfo.h"

namespace nevra::tools {

// The caption of the program's main window while no run is under way, as the program builds it.
inline const std::string kMainWindowCaption = MainWindowCaption();

}  // namespace nevra::tools
