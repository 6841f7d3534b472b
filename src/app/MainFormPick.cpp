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
  if (FRunning || FRecorder.Busy()) return;
  FStatusBeforePick = lblStatus.Caption();
  if (!FPicker.Start()) return;
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
