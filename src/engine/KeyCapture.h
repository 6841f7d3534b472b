#pragma once
#include <cstdint>
#include <functional>

#include "engine/KeyStrokes.h"
#include "platform/EventDispatcher.h"
#include "platform/Geometry.h"
#include "platform/KeyboardHook.h"
#include "platform/MouseHook.h"

namespace nevra {

// Takes the next key pressed anywhere, with the Ctrl, Shift, Alt and Windows keys held with it, as
// the key a run presses. Every key counts: Space, Enter, Tab, Esc, Backspace and the arrows too,
// which a hotkey field refuses. A modifier key waits for the key it goes with; pressed and
// released alone, it is taken itself (a game's Shift). The key taken reaches no window, neither
// its press nor its release, so it does nothing where the focus is.
//
// A mouse click anywhere ends the capture without a key and still reaches its window; a click on
// the spot AIsCancelSpot accepts (the button that began the capture) is taken, since passed on it
// would begin another. The reports run through the dispatcher, as every event does.
class TKeyCapture {
 public:
  TKeyCapture(IKeyboardHook& AKeyboardHook, IMouseHook& AMouseHook, TEventDispatcher& ADispatcher)
      : FKeyboardHook(AKeyboardHook), FMouseHook(AMouseHook), FDispatcher(ADispatcher) {}
  ~TKeyCapture();
  TKeyCapture(const TKeyCapture&) = delete;
  TKeyCapture& operator=(const TKeyCapture&) = delete;

  std::function<void(TKeyStroke)> OnCaptured;
  std::function<void()> OnCancelled;

  // False when the system refused a hook: nothing is captured then.
  bool Start(std::function<bool(TPoint)> AIsCancelSpot = nullptr);
  // Ends a capture without a key.
  void Cancel();
  bool Capturing() const { return FCapturing; }

 private:
  bool KeyHooked(const TKeyEvent& AEvent);
  bool MouseHooked(const TMouseHookEvent& AEvent);
  void Captured(TKeyStroke AStroke);
  // The hooks go; the keyboard's stays for the release of a key taken, when there is one.
  void Finish();
  void RemoveHooks();

  IKeyboardHook& FKeyboardHook;
  IMouseHook& FMouseHook;
  TEventDispatcher& FDispatcher;
  std::function<bool(TPoint)> FIsCancelSpot;
  bool FCapturing = false;
  // The modifier key pressed last, while no other key has come since: released now, it is the key.
  uint32_t FLoneModifier = 0;
  // The key taken, whose release is taken too: a window that saw only the release could act on it.
  uint32_t FTakingReleaseOf = 0;
  bool FPressedOnCancelSpot = false;
};

}  // namespace nevra
