#include "engine/PointPicker.h"

#include "platform/InputCodes.h"

namespace nevra {

namespace {
// Esc while picking: a hotkey of its own, so that it works whatever window has the focus.
constexpr int32_t kCancelHotkeyId = 1010;
}  // namespace

bool TPointPicker::Start(std::function<bool(TPoint)> AIsCancelSpot) {
  Finish();
  FIsCancelSpot = std::move(AIsCancelSpot);
  if (!FHook.Install([this](const TMouseHookEvent& AEvent) { return HookMessage(AEvent); })) return false;
  // Should another program hold Esc, a pick still ends with a click or the picker's button.
  FHotkeys.Register(kCancelHotkeyId, 0, VirtualKeys::Escape, [this] { Cancel(); });
  FPicking = true;
  FPressed = false;
  FPressedOnCancelSpot = false;
  return true;
}

void TPointPicker::Cancel() {
  if (!FPicking) return;
  Finish();
  if (OnCancelled) OnCancelled();
}

void TPointPicker::Finish() {
  if (!FPicking) return;
  FPicking = false;
  FHook.Remove();
  FHotkeys.Unregister(kCancelHotkeyId);
}

bool TPointPicker::HookMessage(const TMouseHookEvent& AEvent) {
  const TPoint Point{AEvent.X, AEvent.Y};
  switch (AEvent.Message) {
    case MouseMessages::Move:
      if (OnMove) FDispatcher.Run([this, Point] { OnMove(Point); });
      return false;
    case MouseMessages::LeftDown:
      FPressed = true;
      FPressedOnCancelSpot = FIsCancelSpot && FIsCancelSpot(Point);
      return true;
    case MouseMessages::LeftUp:
      // A release whose press came before the pick began is not a click.
      if (!FPressed) return false;
      Finish();
      if (FPressedOnCancelSpot) {
        // Taken too: passed on, the release would click the button and start a new pick.
        if (OnCancelled) FDispatcher.Run([this] { OnCancelled(); });
        return true;
      }
      if (OnPicked) FDispatcher.Run([this, Point] { OnPicked(Point); });
      return true;
    default: return false;
  }
}

}  // namespace nevra
