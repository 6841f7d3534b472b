#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace nevra {

// The keyboard layout's name of a key, empty when it has none.
using TKeyNameLookup = std::function<std::string(uint32_t AVk)>;

// The display text of a hotkey, such as "Shift+Ctrl+S" or "Win+F5".
std::string HotkeyToText(uint32_t AVk, uint32_t AModifiers, const TKeyNameLookup& ALayoutName);

}  // namespace nevra
