#include "TextFiles.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace nevra::e2e {

namespace {

std::string Lower(std::string AText) {
  std::transform(AText.begin(), AText.end(), AText.begin(), [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
  return AText;
}

}  // namespace

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
      InSection = Lower(Line) == "[" + Lower(ASection) + "]";
    } else if (InSection) {
      const size_t Equals = Line.find('=');
      if (Equals != std::string::npos && Lower(Line.substr(0, Equals)) == Lower(AKey)) return Line.substr(Equals + 1);
    }
  }
  return std::nullopt;
}

}  // namespace nevra::e2e
