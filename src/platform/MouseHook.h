#pragma once
#include <cstdint>
#include <functional>

namespace nevra {

// Called for every mouse message the system sees, on the GUI thread, with the message
// (MouseMessages::Move, ...) and the screen point. It must stay minimal: compare, append, return.
// True takes the input: no window receives it. False passes it on unchanged.
using TMouseHookProc = std::function<bool(uint32_t AMessage, int32_t AX, int32_t AY)>;

// A low-level mouse hook (WH_MOUSE_LL) for the whole desktop.
class IMouseHook {
 public:
  virtual ~IMouseHook() = default;
  // Replaces any hook this object holds; false when the system refused it.
  virtual bool Install(TMouseHookProc AProc) = 0;
  virtual void Remove() = 0;
  virtual bool Installed() const = 0;
};

}  // namespace nevra
