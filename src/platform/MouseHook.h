#pragma once
#include <cstdint>
#include <functional>

namespace nevra {

// One mouse message as a low-level mouse hook sees it.
struct TMouseHookEvent {
  uint32_t Message = 0;  // MouseMessages::Move, ...
  int32_t X = 0;         // the screen point
  int32_t Y = 0;
  // The high word of the message's mouse data, signed: a wheel's delta (WHEEL_DELTA, 120, a
  // notch; a precision touchpad sends less at a time), or which side button (1 X1, 2 X2).
  int32_t Data = 0;
  friend bool operator==(const TMouseHookEvent&, const TMouseHookEvent&) = default;
};

// Called for every mouse message the system sees, on the GUI thread. It must stay minimal:
// compare, append, return. True takes the input: no window receives it. False passes it on
// unchanged.
using TMouseHookProc = std::function<bool(const TMouseHookEvent& AEvent)>;

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
