#include "FileBytes.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace nevra::tools {

namespace {

// The path for an error message, in UTF-8 whatever characters it holds.
std::string Shown(const std::filesystem::path& AFile) {
  const std::u8string Text = AFile.u8string();
  return std::string(Text.begin(), Text.end());
}

}  // namespace

std::string ReadFileBytes(const std::filesystem::path& AFile) {
  std::ifstream In(AFile, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + Shown(AFile));
  std::stringstream Buffer;
  Buffer << In.rdbuf();
  return Buffer.str();
}

void WriteFileBytes(const std::filesystem::path& AFile, const std::string& ABytes) {
  if (AFile.has_parent_path()) std::filesystem::create_directories(AFile.parent_path());
  std::ofstream Out(AFile, std::ios::binary);
  Out << ABytes;
  Out.close();
  if (!Out) throw std::runtime_error("cannot write " + Shown(AFile));
}

}  // namespace nevra::tools
