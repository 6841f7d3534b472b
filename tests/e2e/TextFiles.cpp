#include "TextFiles.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/Text.h"

namespace nevra::e2e {

std::string ReadFileBytes(const std::filesystem::path& AFile) {
  std::ifstream In(AFile, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + AFile.string());
  std::stringstream Buffer;
  Buffer << In.rdbuf();
  return Buffer.str();
}

void WriteFileBytes(const std::filesystem::path& AFile, const std::string& ABytes) {
  std::filesystem::create_directories(AFile.parent_path());
  std::ofstream Out(AFile, std::ios::binary);
  Out << ABytes;
  Out.close();
  if (!Out) throw std::runtime_error("cannot write " + AFile.string());
}

std::optional<std::string> IniValue(const std::string& AText, const std::string& ASection, const std::string& AKey) {
  std::istringstream Lines(AText);
  bool InSection = false;
  for (std::string Line; std::getline(Lines, Line);) {
    if (!Line.empty() && Line.back() == '\r') Line.pop_back();
    if (!Line.empty() && Line.front() == '[') {
      InSection = SameTextAscii(Line, "[" + ASection + "]");
    } else if (InSection) {
      const size_t Equals = Line.find('=');
      if (Equals != std::string::npos && SameTextAscii(Line.substr(0, Equals), AKey)) return Line.substr(Equals + 1);
    }
  }
  return std::nullopt;
}

}  // namespace nevra::e2e
