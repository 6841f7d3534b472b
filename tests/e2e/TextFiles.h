#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace nevra::e2e {

// Whole files as bytes, for settings.ini and macro files written or checked by a test.
std::string ReadFileBytes(const std::filesystem::path& AFile);
void WriteFileBytes(const std::filesystem::path& AFile, const std::string& ABytes);

// The value of AKey in section ASection of an INI text, names compared without regard to case
// as Windows does; nothing when the entry is missing.
std::optional<std::string> IniValue(const std::string& AText, const std::string& ASection, const std::string& AKey);

}  // namespace nevra::e2e
