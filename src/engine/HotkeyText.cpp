#include "engine/HotkeyText.h"

#include "platform/InputCodes.h"

namespace nevra {

namespace {

std::string KeyName(uint32_t AVk, const TKeyNameLookup& ALayoutName) {
  namespace Vk = VirtualKeys;
  if ((AVk >= '0' && AVk <= '9') || (AVk >= 'A' && AVk <= 'Z')) return std::string(1, static_cast<char>(AVk));
  if (AVk >= Vk::F1 && AVk <= Vk::F24) return "F" + std::to_string(AVk - Vk::F1 + 1);
  switch (AVk) {
    case Vk::Back: return "BkSp";
    case Vk::Tab: return "Tab";
    case Vk::Return: return "Enter";
    case Vk::Escape: return "Esc";
    case Vk::Space: return "Space";
    case Vk::PageUp: return "PgUp";
    case Vk::PageDown: return "PgDn";
    case Vk::End: return "End";
    case Vk::Home: return "Home";
    case Vk::Left: return "Left";
    case Vk::Up: return "Up";
    case Vk::Right: return "Right";
    case Vk::Down: return "Down";
    case Vk::Insert: return "Ins";
    case Vk::Delete: return "Del";
    default: return ALayoutName ? ALayoutName(AVk) : std::string();
  }
}

}  // namespace

TShiftState ModifiersToShiftState(uint32_t AModifiers) {
  return TShiftState{(AModifiers & HotkeyModifiers::Shift) != 0, (AModifiers & HotkeyModifiers::Control) != 0,
                     (AModifiers & HotkeyModifiers::Alt) != 0};
}

std::string HotkeyToText(uint32_t AVk, uint32_t AModifiers, const TKeyNameLookup& ALayoutName) {
  std::string Text = (AModifiers & HotkeyModifiers::Win) ? "Win+" : "";
  if (AVk > VirtualKeys::Last) return Text;
  const std::string Name = KeyName(AVk, ALayoutName);
  if (Name.empty()) return Text;
  const TShiftState Shift = ModifiersToShiftState(AModifiers);
  if (Shift.Shift) Text += "Shift+";
  if (Shift.Ctrl) Text += "Ctrl+";
  if (Shift.Alt) Text += "Alt+";
  return Text + Name;
}

}  // namespace nevra
