#pragma once
#include <filesystem>
#include <string>

namespace nevra::tools {

// Whole files as bytes, for what a test writes or checks (settings.ini, macro files, a site's
// pages), independently of the program's own file code. Both throw when the file cannot be
// read or written; writing makes the file's folder first when it is missing.
std::string ReadFileBytes(const std::filesystem::path& AFile);
void WriteFileBytes(const std::filesystem::path& AFile, const std::string& ABytes);

}  // namespace nevra::tools
