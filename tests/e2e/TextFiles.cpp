#include "TextFiles.h"

#include <sstream>

#include "platform/Text.h"

namespace nevra::e2e {

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
