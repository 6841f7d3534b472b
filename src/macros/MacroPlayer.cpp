// Macro playback. Until the player exists, a run that reaches playback stops at once, as one
// whose macro has gone would.
#include "app/MainForm.h"
#include "i18n/Translation.h"

namespace nevra {

void TFrmMain::PlaySelectedMacro() { StopRun(Translate("No macro selected.")); }

}  // namespace nevra
