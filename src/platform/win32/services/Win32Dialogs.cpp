#include "platform/win32/services/Win32Dialogs.h"

#include <utility>

#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/view/Win32InputDialog.h"

namespace nevra::win32 {

TWin32Dialogs::TWin32Dialogs(TWindowSource AOwner, std::function<std::string()> ATitle)
    : FOwner(std::move(AOwner)), FTitle(std::move(ATitle)) {}

UINT MessageBoxStyle(TMessageKind AKind) {
  switch (AKind) {
    case TMessageKind::mkInformation: return MB_OK | MB_ICONINFORMATION;
    case TMessageKind::mkWarning: return MB_OK | MB_ICONWARNING;
    case TMessageKind::mkError: return MB_OK | MB_ICONERROR;
    case TMessageKind::mkConfirmation: return MB_YESNO | MB_ICONQUESTION;
  }
  return MB_OK;
}

TMessageResult TWin32Dialogs::ShowMessage(TMessageKind AKind, const std::string& AText) {
  HWND Owner = FOwner ? FOwner() : nullptr;
  if (Owner != nullptr && ::IsWindow(Owner) == FALSE) Owner = nullptr;
  UINT Style = MessageBoxStyle(AKind);
  if (Owner == nullptr) Style |= MB_TASKMODAL;
  if (IsRightToLeft(Owner)) Style |= MB_RTLREADING | MB_RIGHT;
  const std::wstring Title = Widen(FTitle ? FTitle() : std::string());
  // Without a title yet, Windows puts its own "Error" in the caption rather than leaving it empty.
  const int Answer = ::MessageBoxW(Owner, Widen(AText).c_str(), Title.empty() ? nullptr : Title.c_str(), Style);
  switch (Answer) {
    case IDYES: return TMessageResult::mrYes;
    case IDNO: return TMessageResult::mrNo;
    case IDOK: return TMessageResult::mrOk;
    default: return TMessageResult::mrCancel;
  }
}

bool TWin32Dialogs::InputText(const std::string& ACaption, const std::string& APrompt, std::string& AValue) {
  HWND Owner = FOwner ? FOwner() : nullptr;
  if (Owner != nullptr && ::IsWindow(Owner) == FALSE) Owner = nullptr;
  const auto Text = [this](const char* AEnglish) { return FTranslate ? FTranslate(AEnglish) : std::string(AEnglish); };
  return RunInputDialog(Owner, TInputDialogTexts{ACaption, APrompt, Text("OK"), Text("Cancel")}, AValue);
}

}  // namespace nevra::win32
