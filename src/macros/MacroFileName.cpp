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

// A name Windows opens a device for, in any letter case: the superscripts ¹ ² ³ count as the
// digits 1 2 3.
bool IsDeviceName(std::string_view AText) {
  std::string Upper(AText);
  for (char& C : Upper)
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
  static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  if (std::find(kPlain.begin(), kPlain.end(), Upper) != kPlain.end()) return true;
  if (Upper.rfind("COM", 0) != 0 && Upper.rfind("LPT", 0) != 0) return false;
  const std::string_view Number = std::string_view(Upper).substr(3);
  return (Number.size() == 1 && Number[0] >= '1' && Number[0] <= '9') || Number == "\xC2\xB9" || Number == "\xC2\xB2" ||
         Number == "\xC2\xB3";
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
  // Windows treats "con.anything" and "con .anything" as the console device, so look at the part
  // before the first dot without the spaces that end it.
  std::string_view Base = std::string_view(Stem).substr(0, Stem.find('.'));
  while (!Base.empty() && Base.back() == ' ') Base.remove_suffix(1);
  if (IsDeviceName(Base)) Stem.insert(Base.size(), "_");
  if (!Stem.empty() && (Stem.back() == '.' || Stem.back() == ' ')) Stem += '_';
  return Stem;
}

}  // namespace nevra
