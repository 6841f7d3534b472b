#include "platform/fake/FakeServices.h"

#include <stdexcept>

#include "platform/controls/Control.h"

namespace nevra::fake {

void TFakeWindowOps::SetBounds(const TRect& ABounds) {
  Bounds = ABounds;
  Calls.push_back("SetBounds");
}

void TFakeWindowOps::Show() {
  Visible = true;
  Calls.push_back("Show");
}

void TFakeWindowOps::Hide() {
  Visible = false;
  Calls.push_back("Hide");
}

void TFakeWindowOps::SetTopMost(bool ATopMost) {
  TopMost = ATopMost;
  Calls.push_back(ATopMost ? "SetTopMost:1" : "SetTopMost:0");
}

void TFakeWindowOps::ShowTopMostAt(const TRect& ABounds) {
  Bounds = ABounds;
  Visible = true;
  TopMost = true;
  Calls.push_back("ShowTopMostAt");
}

TMessageResult TFakeDialogs::ShowMessage(TMessageKind AKind, const std::string& AText) {
  Shown.push_back({AKind, AText});
  if (WhileOpen) WhileOpen();
  if (!Answers.empty()) {
    const TMessageResult Answer = Answers.front();
    Answers.pop_front();
    return Answer;
  }
  return AKind == TMessageKind::mkConfirmation ? TMessageResult::mrYes : TMessageResult::mrOk;
}

uint32_t TFakeRandom::Next(uint32_t ABound) {
  Bounds.push_back(ABound);
  if (!Script.empty()) {
    FLast = Script.front();
    Script.pop_front();
  }
  return FLast % ABound;
}

void TFakeApplication::ApplyVisualStyle(const std::string& AStyleName) {
  Calls.push_back("ApplyVisualStyle:" + AStyleName);
  if (!StyleError.empty()) throw std::runtime_error(StyleError);
}

void TFakeApplication::SetTitle(const std::string& ATitle) {
  FTitle = ATitle;
  Calls.push_back("SetTitle:" + ATitle);
}

void TFakeApplication::CreateMainWindow(TForm& AForm) {
  MainForm = &AForm;
  Calls.push_back("CreateMainWindow");
}

void TFakeApplication::RunMessageLoop() {
  Calls.push_back("RunMessageLoop");
  if (MainForm == nullptr) throw std::logic_error("message loop without a main window");
  if (WhileLooping) WhileLooping(*MainForm);
  MainForm->CloseQuery();
}

}  // namespace nevra::fake
