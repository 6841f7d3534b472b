#include "macros/MacroFileName.h"

#include <algorithm>
#include <array>

#include "platform/Text.h"

namespace nevra {

bool IsMacroFileName(std::string_view AName) {
  return AName.size() > kMacroExtension.size() &&
         SameTextAscii(AName.substr(AName.size() - kMacroExtension.size()), kMacroExtension);
}

namespace {

bool IsTrimmed(char C) { return static_cast<unsigned char>(C) <= ' '; }

bool IsDeviceName(std::string_view AText) {
  std::string Upper(AText);
  for (char& C : Upper)
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kPlain.begin(), kPlain.end(), Upper) != kPlain.end()) return true;
  return Upper.size() == 4 && (Upper.rfind("COM", 0) == 0 || Upper.rfind("LPT", 0) == 0) && Upper[3] >= '1' &&
         Upper[3] <= '9';
}

}  // namespace

std::string TrimName(std::string_view AName) {
  while (!AName.empty() && IsTrimmed(AName.front())) AName.remove_prefix(1);
  while (!AName.empty() && IsTrimmed(AName.back())) AName.remove_suffix(1);
  return std::string(AName);
}

std::string SanitizeMacroFileName(std::string_view AName) {
  std::string Stem = TrimName(AName);
  for (char& C : Stem)
    if (std::string_view("\\/:*?\"<>|").find(C) != std::string_view::npos || static_cast<unsigned char>(C) < ' ')
      C = '_';
  // Windows treats "con.anything" as the console device, so look at the part before the first dot.
  const size_t Dot = Stem.find('.');
  if (IsDeviceName(std::string_view(Stem).substr(0, Dot)))
    Stem.insert(Dot == std::string::npos ? Stem.size() : Dot, "_");
  if (!Stem.empty() && (Stem.back() == '.' || Stem.back() == ' ')) Stem += '_';
  return Stem;
}

}  // namespace nevra
