#include "engine/KeyCapture.h"

#include "platform/InputCodes.h"

namespace nevra {

namespace {
constexpr uint32_t kStrokeModifiers =
    HotkeyModifiers::Alt | HotkeyModifiers::Control | HotkeyModifiers::Shift | HotkeyModifiers::Win;

bool IsButtonPress(uint32_t AMessage) {
  return AMessage == MouseMessages::LeftDown || AMessage == MouseMessages::RightDown ||
         AMessage == MouseMessages::MiddleDown || AMessage == MouseMessages::SideDown;
}
}  // namespace

TKeyCapture::~TKeyCapture() {
  FCapturing = false;
  RemoveHooks();
}

bool TKeyCapture::Start(std::function<bool(TPoint)> AIsCancelSpot) {
  FCapturing = false;
  RemoveHooks();
  FIsCancelSpot = std::move(AIsCancelSpot);
  FLoneModifier = 0;
  FTakingReleaseOf = 0;
  FPressedOnCancelSpot = false;
  if (!FKeyboardHook.Install([this](const TKeyEvent& AEvent) { return KeyHooked(AEvent); })) return false;
  if (!FMouseHook.Install([this](const TMouseHookEvent& AEvent) { return MouseHooked(AEvent); })) {
    FKeyboardHook.Remove();
    return false;
  }
  FCapturing = true;
  return true;
}

void TKeyCapture::Cancel() {
  if (!FCapturing) return;
  Finish();
  if (OnCancelled) OnCancelled();
}

void TKeyCapture::Finish() {
  FCapturing = false;
  if (FMouseHook.Installed()) FMouseHook.Remove();
  if (FTakingReleaseOf == 0 && FKeyboardHook.Installed()) FKeyboardHook.Remove();
}

void TKeyCapture::RemoveHooks() {
  FTakingReleaseOf = 0;
  if (FMouseHook.Installed()) FMouseHook.Remove();
  if (FKeyboardHook.Installed()) FKeyboardHook.Remove();
}

void TKeyCapture::Captured(TKeyStroke AStroke) {
  Finish();
  if (OnCaptured) FDispatcher.Run([this, AStroke] { OnCaptured(AStroke); });
}

bool TKeyCapture::KeyHooked(const TKeyEvent& AEvent) {
  if (!FCapturing) {
    // Over: only the release of the key taken is still awaited.
    if (AEvent.Down || AEvent.Vk != FTakingReleaseOf) return false;
    RemoveHooks();
    return true;
  }
  if (VirtualKeys::IsModifier(AEvent.Vk)) {
    if (AEvent.Down) {
      FLoneModifier = AEvent.Vk;
    } else if (AEvent.Vk == FLoneModifier) {
      // Its press and release have reached the windows already: nothing to take.
      Captured({AEvent.Vk, 0});
    }
    return false;
  }
  FLoneModifier = 0;
  // A release whose press came before the capture began.
  if (!AEvent.Down) return false;
  FTakingReleaseOf = AEvent.Vk;
  Captured({AEvent.Vk, AEvent.Modifiers & kStrokeModifiers});
  return true;
}

bool TKeyCapture::MouseHooked(const TMouseHookEvent& AEvent) {
  const TPoint Point{AEvent.X, AEvent.Y};
  if (AEvent.Message == MouseMessages::LeftDown && FIsCancelSpot && FIsCancelSpot(Point)) {
    FPressedOnCancelSpot = true;
    return true;
  }
  if (AEvent.Message == MouseMessages::LeftUp && FPressedOnCancelSpot) {
    Finish();
    if (OnCancelled) FDispatcher.Run([this] { OnCancelled(); });
    return true;
  }
  if (!IsButtonPress(AEvent.Message)) return false;
  Finish();
  if (OnCancelled) FDispatcher.Run([this] { OnCancelled(); });
  return false;
}

}  // namespace nevra
