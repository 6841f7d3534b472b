// The main window's enabling rules: which controls the target mode, the repeat choice, the
// click type, the button list and the jitter switch enable, and the two exclusive window options.
#include <initializer_list>

#include "app/MainForm.h"

namespace nevra {

namespace {
constexpr auto kClickTypeHold = static_cast<int32_t>(TClickKind::ckHold);

void SetAllEnabled(std::initializer_list<TControl*> AControls, bool AEnabled) {
  for (TControl* Control : AControls) Control->SetEnabled(AEnabled);
}
}  // namespace

void TFrmMain::ApplyTargetMode(TTargetMode AMode) {
  const bool Clicking = AMode != tmMacros;
  SetAllEnabled({&grpInterval, &seHours, &seMinutes, &seSeconds, &seMillis, &lblH, &lblM, &lblS, &lblMS, &chkJitter,
                 &grpClickType, &cbButton, &cbClickType},
                Clicking);
  seJitterMs.SetEnabled(Clicking && chkJitter.Checked());
  const bool Hold = Clicking && cbClickType.ItemIndex() == kClickTypeHold;
  SetAllEnabled({&seHoldMs, &lblHold}, Hold);
  SetAllEnabled({&lblKey, &btnKey}, Clicking && cbButton.ItemIndex() == kButtonKeyIndex);
  SetAllEnabled({&edtCoordX, &lblCoordSeparator, &edtCoordY}, AMode == tmCoordinates);
  SetAllEnabled(
      {&btnCreateMacros, &bRemove, &bRename, &lbMacros, &lblRecordSources, &cbRecordSources, &lblSpeed, &cbSpeed},
      AMode == tmMacros);
}

void TFrmMain::rbCurrentCursorPositionClick() { ApplyTargetMode(tmCursor); }
void TFrmMain::rbCoordinatesClick() { ApplyTargetMode(tmCoordinates); }
void TFrmMain::rbMacrosClick() { ApplyTargetMode(tmMacros); }

void TFrmMain::rbRepeatCountClick() { RepeatChoiceChanged(); }
void TFrmMain::rbUntilStoppedClick() { RepeatChoiceChanged(); }
void TFrmMain::rbForTimeClick() { RepeatChoiceChanged(); }

void TFrmMain::RepeatChoiceChanged() {
  seRepeat.SetEnabled(rbRepeatCount.Checked());
  SetAllEnabled({&seForHours, &lblForSeparator1, &seForMinutes, &lblForSeparator2, &seForSeconds}, rbForTime.Checked());
}

void TFrmMain::cbClickTypeChange() {
  const bool Hold = cbClickType.ItemIndex() == kClickTypeHold;
  seHoldMs.SetEnabled(Hold);
  lblHold.SetEnabled(Hold);
}

void TFrmMain::cbButtonChange() {
  const bool Key = cbButton.ItemIndex() == kButtonKeyIndex;
  lblKey.SetEnabled(Key);
  btnKey.SetEnabled(Key);
}

void TFrmMain::chkJitterClick() { seJitterMs.SetEnabled(chkJitter.Checked()); }

void TFrmMain::chkTopMostClick() {
  if (chkMinimizeToTrayOnStart.Checked() && chkTopMost.Checked()) chkMinimizeToTrayOnStart.SetChecked(false);
  FPlatform.Window.SetTopMost(chkTopMost.Checked());
}

void TFrmMain::chkMinimizeToTrayOnStartClick() {
  if (!chkMinimizeToTrayOnStart.Checked()) return;
  if (chkTopMost.Checked()) chkTopMost.SetChecked(false);
}

}  // namespace nevra
