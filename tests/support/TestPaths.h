#pragma once
#include <string>

#include "product/AppInfo.h"

namespace nevra::test {

// Where the program keeps its files on the fake platform: a folder named after the product in the
// test user's application data (TFakeEnvironment's APPDATA), and the program's own folder.
inline const std::string kAppDataFolder = std::string("C:\\Users\\Tester\\AppData\\Roaming\\") + kApplicationTitle;
inline const std::string kMacrosFolder = kAppDataFolder + "\\Macros";
inline const std::string kSettingsPath = kAppDataFolder + "\\settings.ini";
inline const std::string kProgramFolder = std::string("C:\\Program Files\\") + kApplicationTitle;
// The program's key under HKEY_CURRENT_USER.
inline const std::string kRegistryKey = std::string("Software\\") + kApplicationTitle;

}  // namespace nevra::test
