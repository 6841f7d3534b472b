// The key a run presses instead of a mouse button: the button that shows it and takes the next
// key pressed, and what the window says meanwhile.
#include "app/MainForm.h"
#include "i18n/Translation.h"

namespace nevra {

void TFrmMain::btnKeyClick() {
  // Pressing the button again (by keyboard: a click anywhere cancels anyway) cancels.
  if (FKeyCapture.Capturing()) {
    FKeyCapture.Cancel();
    return;
  }
  if (FRun.Active() || FRecorder.Busy()) return;
  FPicker.Cancel();
  const int32_t ButtonId = ControlId(btnKey);
  if (!FKeyCapture.Start([this, ButtonId](TPoint APoint) { return FPlatform.Window.ControlIdAt(APoint) == ButtonId; }))
    return;
  FStatusBeforeKeyCapture = lblStatus.Caption();
  ShowClickKey();
  SetStatus(KeyCapturePrompt());
}

std::string TFrmMain::KeyCapturePrompt() const {
  return Translate("Press the key for the clicks. A mouse click cancels.");
}

void TFrmMain::EndKeyCapture(std::optional<TKeyStroke> AStroke) {
  if (AStroke) SetClickKey(*AStroke);
  ShowClickKey();
  // Unless the line says something else by now (a pick begun by the click that cancelled).
  if (lblStatus.Caption() == KeyCapturePrompt()) SetStatus(FStatusBeforeKeyCapture);
}

void TFrmMain::SetClickKey(const TKeyStroke& AStroke) {
  FClickKey = AStroke;
  ShowClickKey();
  RunSettingsChanged();
}

void TFrmMain::ShowClickKey() {
  btnKey.SetCaption(FKeyCapture.Capturing() ? Translate("Press a key...") : FHotkeys.TextOf(FClickKey));
}

}  // namespace nevra
