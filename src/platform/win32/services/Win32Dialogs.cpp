#include "platform/win32/services/Win32Dialogs.h"

#include <utility>

#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/view/Win32InputDialog.h"
#include "platform/win32/view/Win32MessageDialog.h"

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
  const UINT Style = MessageBoxStyle(AKind);
  const std::string Title = FTitle ? FTitle() : std::string();
  const std::wstring Text = Widen(AText);
  int Answer = 0;
  if (FitsMessageBox(Owner, Text)) {
    UINT BoxStyle = Style;
    if (Owner == nullptr) BoxStyle |= MB_TASKMODAL;
    if (IsRightToLeft(Owner)) BoxStyle |= MB_RTLREADING | MB_RIGHT;
    const std::wstring Caption = Widen(Title);
    // Without a title yet, Windows puts its own "Error" in the caption rather than leaving it empty.
    Answer = ::MessageBoxW(Owner, Text.c_str(), Caption.empty() ? nullptr : Caption.c_str(), BoxStyle);
  } else {
    // MessageBoxW would grow past the screen: the same box, with the text in a scrolling field.
    ::MessageBeep(Style & MB_ICONMASK);
    Answer = RunMessageDialog(Owner, LongMessageSpec(AKind, Title, AText));
  }
  switch (Answer) {
    case IDYES: return TMessageResult::mrYes;
    case IDNO: return TMessageResult::mrNo;
    case IDOK: return TMessageResult::mrOk;
    default: return TMessageResult::mrCancel;
  }
}

TMessageDialogSpec TWin32Dialogs::LongMessageSpec(TMessageKind AKind, const std::string& ATitle,
                                                  const std::string& AText) const {
  const auto Text = [this](const char* AEnglish) { return FTranslate ? FTranslate(AEnglish) : std::string(AEnglish); };
  switch (AKind) {
    case TMessageKind::mkInformation: return {ATitle, AText, IDI_INFORMATION, {{IDOK, Text("OK")}}, IDOK};
    case TMessageKind::mkWarning: return {ATitle, AText, IDI_WARNING, {{IDOK, Text("OK")}}, IDOK};
    case TMessageKind::mkError: return {ATitle, AText, IDI_ERROR, {{IDOK, Text("OK")}}, IDOK};
    case TMessageKind::mkConfirmation:
      // Esc, which does nothing in a Yes/No box, answers No here: the answer that changes nothing.
      return {ATitle, AText, IDI_QUESTION, {{IDYES, Text("&Yes")}, {IDNO, Text("&No")}}, IDNO};
  }
  return {ATitle, AText, IDI_INFORMATION, {{IDOK, Text("OK")}}, IDOK};
}

bool TWin32Dialogs::InputText(const std::string& ACaption, const std::string& APrompt, std::string& AValue) {
  HWND Owner = FOwner ? FOwner() : nullptr;
  if (Owner != nullptr && ::IsWindow(Owner) == FALSE) Owner = nullptr;
  const auto Text = [this](const char* AEnglish) { return FTranslate ? FTranslate(AEnglish) : std::string(AEnglish); };
  return RunInputDialog(Owner, TInputDialogTexts{ACaption, APrompt, Text("OK"), Text("Cancel")}, AValue);
}

}  // namespace nevra::win32
