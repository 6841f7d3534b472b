// Synthesised mouse input: absolute moves over the virtual desktop, presses, releases and the
// configured click of a run.
#include "app/MainForm.h"
#include "engine/MouseRecords.h"
#include "platform/Text.h"

namespace nevra {

void TFrmMain::MoveMouseTo(int32_t AX, int32_t AY) {
  FPlatform.Input.SendMouseInput(MouseMoveRecord(AX, AY, FPlatform.Input.GetVirtualDesktop()));
}

void TFrmMain::MouseButtonDown(int32_t AButton) { FPlatform.Input.SendMouseInput(MouseButtonRecord(AButton, true)); }

void TFrmMain::MouseButtonUp(int32_t AButton) { FPlatform.Input.SendMouseInput(MouseButtonRecord(AButton, false)); }

void TFrmMain::MouseClick(int32_t AButton) {
  MouseButtonDown(AButton);
  MouseButtonUp(AButton);
}

void TFrmMain::MouseDoubleClick(int32_t AButton) {
  MouseClick(AButton);
  MouseClick(AButton);
}

TPoint TFrmMain::GetTargetPoint() {
  TPoint Point;
  if (rbCurrentCursorPosition.Checked()) {
    FPlatform.Input.GetCursorPos(Point);
  } else if (rbCoordinates.Checked()) {
    // The boxes' text as typed, not clamped to their range.
    Point.X = ParseInt32(edtCoordX.Text()).value_or(0);
    Point.Y = ParseInt32(edtCoordY.Text()).value_or(0);
  }
  return Point;
}

void TFrmMain::PerformClick(const TPoint& APoint) {
  const int32_t Button = cbButton.ItemIndex() < 0 ? 0 : cbButton.ItemIndex();
  const int32_t Type = cbClickType.ItemIndex() < 0 ? 0 : cbClickType.ItemIndex();
  const int32_t Hold = seHoldMs.Value();
  if (rbCoordinates.Checked()) MoveMouseTo(APoint.X, APoint.Y);
  switch (Type) {
    case 0: MouseClick(Button); break;
    case 1: MouseDoubleClick(Button); break;
    case 2:
      MouseButtonDown(Button);
      if (Hold > 0) FPlatform.Clock.Sleep(static_cast<uint32_t>(Hold));
      MouseButtonUp(Button);
      break;
    default: break;
  }
}

}  // namespace nevra
