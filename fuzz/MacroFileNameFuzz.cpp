// Any bytes as the name a user gives a macro, which names its file. What the file name promises:
// - the stem holds none of \ / : * ? " < > | and no control character, and does not end in a
//   dot or a blank (Windows would drop them, and the file would not be found again);
// - Windows 10 does not take it for a device: before its first dot, with trailing spaces
//   dropped and in any letter case, it is none of CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1-COM9,
//   LPT1-LPT9 and COM or LPT with a superscript 1, 2 or 3 (Windows 11 looks at the whole name
//   without its trailing dots and spaces, which a stem never has);
// - apart from the "_" put in, the stem is the trimmed name; it is empty only when that is;
// - sanitising a stem again changes nothing, and a name in UTF-8 gives a stem in UTF-8;
// - trimming takes every byte up to the space from both ends, and nothing else;
// - a stem with the macro extension is a macro file name, and a macro file name is any name
//   longer than the extension that ends with it in any letter case.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "StrictUtf8.h"
#include "macros/MacroFileName.h"

namespace {

bool IsBlankOrControl(char C) { return static_cast<unsigned char>(C) <= ' '; }

bool IsForbidden(char C) {
  return std::string_view("\\/:*?\"<>|").find(C) != std::string_view::npos || static_cast<unsigned char>(C) < ' ';
}

std::string UpperAscii(std::string_view AText) {
  std::string Upper(AText);
  for (char& C : Upper)
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
  return Upper;
}

// Whether Windows 10 opens a device for a file of this name.
bool IsDeviceToWindows(std::string_view AFileName) {
  std::string_view Base = AFileName.substr(0, AFileName.find('.'));
  while (!Base.empty() && Base.back() == ' ') Base.remove_suffix(1);
  const std::string Upper = UpperAscii(Base);
  for (const char* Device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
    if (Upper == Device) return true;
  if (Upper.rfind("COM", 0) != 0 && Upper.rfind("LPT", 0) != 0) return false;
  const std::string_view Number = std::string_view(Upper).substr(3);
  return (Number.size() == 1 && Number[0] >= '1' && Number[0] <= '9') || Number == "\xC2\xB9" || Number == "\xC2\xB2" ||
         Number == "\xC2\xB3";
}

std::string WithoutUnderscores(std::string AText) {
  std::erase(AText, '_');
  return AText;
}

void CheckTrim(std::string_view AName, const std::string& ATrimmed) {
  if (!ATrimmed.empty() && (IsBlankOrControl(ATrimmed.front()) || IsBlankOrControl(ATrimmed.back()))) __builtin_trap();
  const size_t Start = AName.find(ATrimmed);
  if (Start == std::string_view::npos) __builtin_trap();
  for (const std::string_view Cut : {AName.substr(0, Start), AName.substr(Start + ATrimmed.size())})
    for (const char C : Cut)
      if (!IsBlankOrControl(C)) __builtin_trap();
}

void CheckStem(std::string_view AName, const std::string& ATrimmed, const std::string& AStem) {
  for (const char C : AStem)
    if (IsForbidden(C)) __builtin_trap();
  if (!AStem.empty() && (AStem.back() == '.' || AStem.back() == ' ')) __builtin_trap();
  if (IsDeviceToWindows(AStem)) __builtin_trap();
  std::string Kept = ATrimmed;
  std::erase_if(Kept, IsForbidden);
  if (WithoutUnderscores(AStem) != WithoutUnderscores(Kept)) __builtin_trap();
  if (AStem.empty() != ATrimmed.empty()) __builtin_trap();
  if (nevra::SanitizeMacroFileName(AStem) != AStem) __builtin_trap();
  if (nevra::fuzz::IsStrictUtf8(AName) && !nevra::fuzz::IsStrictUtf8(AStem)) __builtin_trap();
  if (!AStem.empty() && !nevra::IsMacroFileName(AStem + std::string(nevra::kMacroExtension))) __builtin_trap();
}

void CheckMacroFileName(std::string_view AName) {
  const std::string_view Extension = nevra::kMacroExtension;
  const bool Expected = AName.size() > Extension.size() &&
                        UpperAscii(AName.substr(AName.size() - Extension.size())) == UpperAscii(Extension);
  if (nevra::IsMacroFileName(AName) != Expected) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  const std::string_view Name(reinterpret_cast<const char*>(AData), ASize);
  CheckMacroFileName(Name);
  // Raw bytes, and the same made well-formed UTF-8 so that the UTF-8 promise is tried on
  // names with characters beyond ASCII.
  for (const std::string& Given : {std::string(Name), nevra::fuzz::RepairedUtf8(Name)}) {
    const std::string Trimmed = nevra::TrimName(Given), Stem = nevra::SanitizeMacroFileName(Given);
    CheckTrim(Given, Trimmed);
    CheckStem(Given, Trimmed, Stem);
  }
  return 0;
}
