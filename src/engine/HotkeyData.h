#pragma once
#include <cstdint>

namespace nevra {

// A global hotkey: the virtual-key code and the modifier bits of RegisterHotKey
// (1 Alt, 2 Ctrl, 4 Shift, 8 Win).
struct THotkeyData {
  uint32_t Vk = 0;
  uint32_t Modifiers = 0;
  friend bool operator==(const THotkeyData&, const THotkeyData&) = default;
};

}  // namespace nevra
