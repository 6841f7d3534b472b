#pragma once

namespace nevra {

inline constexpr const char* kApplicationTitle = "Nevra Auto Clicker";
inline constexpr const char* kVersion = "2.5";
inline constexpr const char* kVisualStyleName = "Midnight Express Green";

// The maker's web site, set by the build (NEVRA_WEBSITE_URL).
#ifndef NEVRA_WEBSITE_URL
#define NEVRA_WEBSITE_URL "https://www.nevra-autoclicker.example"
#endif
inline constexpr const char* kWebsiteUrl = NEVRA_WEBSITE_URL;

}  // namespace nevra
