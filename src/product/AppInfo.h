#pragma once

#include <string>

namespace nevra {

// The product: its name and version come from the project in CMakeLists.txt, which also gives them
// to the version resource and the packages.
#if !defined(NEVRA_APP_TITLE) || !defined(NEVRA_APP_VERSION)
#error "The build sets NEVRA_APP_TITLE and NEVRA_APP_VERSION."
#endif
inline constexpr const char* kApplicationTitle = NEVRA_APP_TITLE;
inline constexpr const char* kVersion = NEVRA_APP_VERSION;
inline constexpr const char* kVisualStyleName = "Midnight Express Green";

// The main window's caption: the program's title and version, indented as the program indents
// every caption.
inline std::string MainWindowCaption(const std::string& ATitle = kApplicationTitle) {
  return "  " + ATitle + " " + kVersion;
}

// The maker's web site, set by the build (NEVRA_WEBSITE_URL).
#ifndef NEVRA_WEBSITE_URL
#define NEVRA_WEBSITE_URL "https://www.nevra-autoclicker.example"
#endif
inline constexpr const char* kWebsiteUrl = NEVRA_WEBSITE_URL;

}  // namespace nevra
