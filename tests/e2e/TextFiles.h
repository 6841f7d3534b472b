#pragma once
#include <optional>
#include <string>

namespace nevra::e2e {

// The value of AKey in section ASection of an INI text, names compared without regard to case
// as Windows does; nothing when the entry is missing.
std::optional<std::string> IniValue(const std::string& AText, const std::string& ASection, const std::string& AKey);

}  // namespace nevra::e2e
