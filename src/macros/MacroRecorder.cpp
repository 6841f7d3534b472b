// The macro recorder. Nothing records yet, so neither a recording nor its countdown can be
// under way when these are reached.
#include "app/MainForm.h"

namespace nevra {

void TFrmMain::StartRecording() {}

void TFrmMain::StopRecording(const std::string& AReason) { (void)AReason; }

}  // namespace nevra
