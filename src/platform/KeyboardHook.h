#pragma once
#include <cstdint>
#include <functional>

namespace nevra {

// A key going down or up, as a low-level keyboard hook sees it, before any window or hotkey does.
struct TKeyEvent {
  uint32_t Vk = 0;  // the virtual-key code, left and right modifier keys told apart
  uint32_t ScanCode = 0;
  bool Down = true;        // a press (or its repeat while held); false for a release
  bool Extended = false;   // an extended key (the right Ctrl, the arrows of the arrow block, ...)
  bool Injected = false;   // sent by a program, not typed
  uint32_t Modifiers = 0;  // RegisterHotKey's bits of the modifier keys held as it happened
  friend bool operator==(const TKeyEvent&, const TKeyEvent&) = default;
};

// Called for every key event on the desktop, on the GUI thread. It must stay short: Windows
// passes the key on without it when it takes too long. True takes the key: no window and no
// hotkey receives it. False passes it on unchanged.
using TKeyboardHookProc = std::function<bool(const TKeyEvent& AEvent)>;

// A low-level keyboard hook (WH_KEYBOARD_LL) for the whole desktop.
class IKeyboardHook {
 public:
  virtual ~IKeyboardHook() = default;
  // Replaces any hook this object holds; false when the system refused it.
  virtual bool Install(TKeyboardHookProc AProc) = 0;
  virtual void Remove() = 0;
  virtual bool Installed() const = 0;
};

}  // namespace nevra
