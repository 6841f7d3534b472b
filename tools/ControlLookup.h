#pragma once
#include <string>

namespace nevra::tools {

// The window id the native view gives the main window's control of this name (as the code
// names it: "btnStart", "lblStatus", ...). Read from the control model itself, so the tools follow
// any change of the window's design. Throws for a name the window does not have.
int MainFormControlId(const std::string& AName);
// The same for the New Version dialog ("btUpdateNow", "prgDownload", ...).
int NewVersionControlId(const std::string& AName);
// The same for the Hotkeys dialog ("hkStart", "btnOK", ...).
int HotkeysControlId(const std::string& AName);

}  // namespace nevra::tools
