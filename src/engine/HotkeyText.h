#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace nevra {

// The modifier keys a shortcut text names, in the order it names them.
struct TShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};

// The Shift, Ctrl and Alt bits of a hotkey's modifiers (the Win bit has no shift state).
TShiftState ModifiersToShiftState(uint32_t AModifiers);

// The keyboard layout's name of a key, empty when it has none.
using TKeyNameLookup = std::function<std::string(uint32_t AVk)>;

// The display text of a hotkey, such as "Shift+Ctrl+S" or "Win+F5": "Win+" when the Win bit is
// set, then the shortcut text (modifiers Shift, Ctrl, Alt in that order and the key's name). A key
// above 255 or without a name has no shortcut text at all.
std::string HotkeyToText(uint32_t AVk, uint32_t AModifiers, const TKeyNameLookup& ALayoutName);

}  // namespace nevra
