#include "engine/HotkeyText.h"

namespace nevra {

namespace {

constexpr uint32_t kModAlt = 1;
constexpr uint32_t kModCtrl = 2;
constexpr uint32_t kModShift = 4;
constexpr uint32_t kModWin = 8;

std::string KeyName(uint32_t AVk, const TKeyNameLookup& ALayoutName) {
  if ((AVk >= '0' && AVk <= '9') || (AVk >= 'A' && AVk <= 'Z')) return std::string(1, static_cast<char>(AVk));
  if (AVk >= 112 && AVk <= 135) return "F" + std::to_string(AVk - 111);
  switch (AVk) {
    case 8: return "BkSp";
    case 9: return "Tab";
    case 13: return "Enter";
    case 27: return "Esc";
    case 32: return "Space";
    case 33: return "PgUp";
    case 34: return "PgDn";
    case 35: return "End";
    case 36: return "Home";
    case 37: return "Left";
    case 38: return "Up";
    case 39: return "Right";
    case 40: return "Down";
    case 45: return "Ins";
    case 46: return "Del";
    default: return ALayoutName ? ALayoutName(AVk) : std::string();
  }
}

}  // namespace

TShiftState ModifiersToShiftState(uint32_t AModifiers) {
  return TShiftState{(AModifiers & kModShift) != 0, (AModifiers & kModCtrl) != 0, (AModifiers & kModAlt) != 0};
}

std::string HotkeyToText(uint32_t AVk, uint32_t AModifiers, const TKeyNameLookup& ALayoutName) {
  std::string Text = (AModifiers & kModWin) ? "Win+" : "";
  if (AVk > 255) return Text;
  const std::string Name = KeyName(AVk, ALayoutName);
  if (Name.empty()) return Text;
  const TShiftState Shift = ModifiersToShiftState(AModifiers);
  if (Shift.Shift) Text += "Shift+";
  if (Shift.Ctrl) Text += "Ctrl+";
  if (Shift.Alt) Text += "Alt+";
  return Text + Name;
}

}  // namespace nevra
