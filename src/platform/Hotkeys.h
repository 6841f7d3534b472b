#pragma once
#include <cstdint>
#include <string>

namespace nevra {

// Modifier bits of RegisterHotKey.
namespace HotkeyModifiers {
inline constexpr uint32_t Alt = 0x0001;
inline constexpr uint32_t Control = 0x0002;
inline constexpr uint32_t Shift = 0x0004;
inline constexpr uint32_t Win = 0x0008;
inline constexpr uint32_t NoRepeat = 0x4000;
}  // namespace HotkeyModifiers

// System-wide hotkeys of the main window; a pressed hotkey arrives as WM_HOTKEY.
class IHotkeys {
 public:
  virtual ~IHotkeys() = default;
  // RegisterHotKey / UnregisterHotKey for the main window; their results are not reported.
  virtual void Register(int32_t AId, uint32_t AModifiers, uint32_t AVk) = 0;
  virtual void Unregister(int32_t AId) = 0;
  // The keyboard layout's name of a key (MapVirtualKeyW, GetKeyNameTextW); empty when it has none.
  virtual std::string KeyName(uint32_t AVk) = 0;
};

}  // namespace nevra
