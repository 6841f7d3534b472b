// Picking the point to click on the screen, from the button beside the coordinates.
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Format.h"

namespace nevra {

void TFrmMain::btnPickPointClick() {
  // Pressing the button again (by keyboard: the pick takes the mouse's clicks) cancels.
  if (FPicker.Picking()) {
    FPicker.Cancel();
    return;
  }
  if (FRun.Active() || FRecorder.Busy()) return;
  FKeyCapture.Cancel();
  FStatusBeforePick = lblStatus.Caption();
  // A second click on the button cancels, as the README promises; taken as the point, it would put
  // the button's own place in X and Y.
  const int32_t ButtonId = ControlId(btnPickPoint);
  if (!FPicker.Start([this, ButtonId](TPoint APoint) { return FPlatform.Window.ControlIdAt(APoint) == ButtonId; }))
    return;
  TPoint Cursor;
  FPlatform.Input.GetCursorPos(Cursor);
  PickPointMoved(Cursor);
}

void TFrmMain::PickPointMoved(const TPoint& APoint) {
  SetStatus(
      Format(Translate("Click the point to use (X %d, Y %d). Esc cancels."), {int64_t{APoint.X}, int64_t{APoint.Y}}));
}

void TFrmMain::EndPick(const std::string& AStatus) { SetStatus(AStatus); }

}  // namespace nevra
