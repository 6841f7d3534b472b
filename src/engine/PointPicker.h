#pragma once
#include <functional>

#include "platform/EventDispatcher.h"
#include "platform/Geometry.h"
#include "platform/Hotkeys.h"
#include "platform/MouseHook.h"

namespace nevra {

// Picks a point of the screen, in the pixels clicks use (the whole virtual desktop): while it
// picks, every move reports where the cursor is, the next left click anywhere is taken (no
// window receives its press or release) and reported, and Esc cancels. The reports run through
// the dispatcher, as every event does.
class TPointPicker {
 public:
  TPointPicker(IMouseHook& AHook, IHotkeys& AHotkeys, TEventDispatcher& ADispatcher)
      : FHook(AHook), FHotkeys(AHotkeys), FDispatcher(ADispatcher) {}
  ~TPointPicker() { Finish(); }
  TPointPicker(const TPointPicker&) = delete;
  TPointPicker& operator=(const TPointPicker&) = delete;

  std::function<void(TPoint)> OnMove;
  std::function<void(TPoint)> OnPicked;
  std::function<void()> OnCancelled;

  // False when the system refused the mouse hook: nothing is picked then. A click on a point
  // AIsCancelSpot accepts (the button that started the pick) cancels instead of picking.
  bool Start(std::function<bool(TPoint)> AIsCancelSpot = nullptr);
  // Ends a pick without a point.
  void Cancel();
  bool Picking() const { return FPicking; }

 private:
  bool HookMessage(const TMouseHookEvent& AEvent);
  void Finish();

  IMouseHook& FHook;
  IHotkeys& FHotkeys;
  TEventDispatcher& FDispatcher;
  std::function<bool(TPoint)> FIsCancelSpot;
  bool FPicking = false;
  bool FPressed = false;
  bool FPressedOnCancelSpot = false;
};

}  // namespace nevra
