#include "engine/KeyStrokes.h"

#include <array>

#include "engine/KeyRecords.h"
#include "platform/InputCodes.h"

namespace nevra {

namespace {

struct TModifierKey {
  uint32_t Bit;
  uint32_t Vk;
};
// In the order they go down.
constexpr std::array<TModifierKey, 4> kModifierKeys{{
    {HotkeyModifiers::Control, VirtualKeys::Control},
    {HotkeyModifiers::Shift, VirtualKeys::Shift},
    {HotkeyModifiers::Alt, VirtualKeys::Alt},
    {HotkeyModifiers::Win, VirtualKeys::LeftWin},
}};

void SendKey(THeldKeys& AHeld, IKeyboardInput& ALayout, uint32_t AVk, bool ADown) {
  AHeld.Send(KeyRecord(AVk, ALayout.ScanCodeOf(AVk), IsExtendedKey(AVk), ADown));
}

}  // namespace

bool IsExtendedKey(uint32_t AVk) {
  switch (AVk) {
    case 0x03:  // Break (Ctrl+Pause)
    case VirtualKeys::PageUp:
    case VirtualKeys::PageDown:
    case VirtualKeys::End:
    case VirtualKeys::Home:
    case VirtualKeys::Left:
    case VirtualKeys::Up:
    case VirtualKeys::Right:
    case VirtualKeys::Down:
    case 0x2C:  // Print Screen
    case VirtualKeys::Insert:
    case VirtualKeys::Delete:
    case VirtualKeys::LeftWin:
    case VirtualKeys::RightWin:
    case 0x5D:  // the menu key
    case 0x6F:  // the keypad's divide
    case 0x90:  // Num Lock
    case 0xA3:  // the right Ctrl
    case VirtualKeys::RightAlt: return true;
    default: return AVk >= 0xA6 && AVk <= 0xB7;  // browser, volume, media and launch keys
  }
}

void PressKeyStroke(THeldKeys& AHeld, IKeyboardInput& ALayout, const TKeyStroke& AStroke, bool ADown) {
  if (ADown) {
    for (const TModifierKey& Modifier : kModifierKeys)
      if ((AStroke.Modifiers & Modifier.Bit) != 0) SendKey(AHeld, ALayout, Modifier.Vk, true);
    SendKey(AHeld, ALayout, AStroke.Vk, true);
    return;
  }
  SendKey(AHeld, ALayout, AStroke.Vk, false);
  for (auto Modifier = kModifierKeys.rbegin(); Modifier != kModifierKeys.rend(); ++Modifier)
    if ((AStroke.Modifiers & Modifier->Bit) != 0) SendKey(AHeld, ALayout, Modifier->Vk, false);
}

void TapKeyStroke(THeldKeys& AHeld, IKeyboardInput& ALayout, const TKeyStroke& AStroke, int32_t ATimes) {
  for (int32_t I = 0; I < ATimes; ++I) {
    PressKeyStroke(AHeld, ALayout, AStroke, true);
    PressKeyStroke(AHeld, ALayout, AStroke, false);
  }
}

}  // namespace nevra
