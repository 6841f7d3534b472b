// The macro target. There is no macro library yet, so no macro can be selected: a run in macro
// mode is refused when it starts, and one that reaches playback stops with the player's text.
#include "app/MainForm.h"
#include "i18n/Translation.h"

namespace nevra {

const TRecordedMacro* TFrmMain::GetSelectedMacro() { return nullptr; }

void TFrmMain::PlaySelectedMacro() {
  if (GetSelectedMacro() == nullptr) StopRun(Translate("No macro selected."));
}

}  // namespace nevra
