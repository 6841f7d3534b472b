#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/InputCodes.h"

namespace nevra {

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
  // Whether the key is down now, wherever the focus is (GetAsyncKeyState); Shift, Ctrl and Alt
  // stand for either side.
  virtual bool KeyDown(uint32_t AVk) = 0;
};

}  // namespace nevra
