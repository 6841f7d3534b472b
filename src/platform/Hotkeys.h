#pragma once
#include <cstdint>
#include <functional>
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

// System-wide hotkeys: a combination pressed anywhere on the desktop runs its handler on the GUI
// thread, through the dispatcher.
class IHotkeys {
 public:
  virtual ~IHotkeys() = default;
  // RegisterHotKey under AId, replacing nothing: false when the system refuses the combination
  // (another program holds it) or AId is in use.
  virtual bool Register(int32_t AId, uint32_t AModifiers, uint32_t AVk, std::function<void()> AOnPress) = 0;
  virtual void Unregister(int32_t AId) = 0;
  // The keyboard layout's name of a key (MapVirtualKeyW, GetKeyNameTextW); empty when it has none.
  virtual std::string KeyName(uint32_t AVk) = 0;
};

}  // namespace nevra
