#include "platform/win32/view/Win32InputDialog.h"

#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/view/Win32DialogTemplate.h"

namespace nevra::win32 {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

struct TDialogState {
  const TInputDialogTexts* Texts;
  std::string* Value;
};

INT_PTR CALLBACK DialogProc(HWND ADialog, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_INITDIALOG: {
      auto* State = reinterpret_cast<TDialogState*>(ALParam);
      ::SetWindowLongPtrW(ADialog, DWLP_USER, ALParam);
      SetWindowTextUtf8(ADialog, State->Texts->Caption);
      SetWindowTextUtf8(::GetDlgItem(ADialog, kPromptId), State->Texts->Prompt);
      SetWindowTextUtf8(::GetDlgItem(ADialog, IDOK), State->Texts->Ok);
      SetWindowTextUtf8(::GetDlgItem(ADialog, IDCANCEL), State->Texts->Cancel);
      const HWND Edit = ::GetDlgItem(ADialog, kEditId);
      SetWindowTextUtf8(Edit, *State->Value);
      ::SendMessageW(Edit, EM_SETSEL, 0, -1);
      ::SetFocus(Edit);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(AWParam) == IDOK || LOWORD(AWParam) == IDCANCEL) {
        if (LOWORD(AWParam) == IDOK) {
          auto* State = reinterpret_cast<TDialogState*>(::GetWindowLongPtrW(ADialog, DWLP_USER));
          *State->Value = WindowTextUtf8(::GetDlgItem(ADialog, kEditId));
        }
        ::EndDialog(ADialog, LOWORD(AWParam));
        return TRUE;
      }
      break;
    default: break;
  }
  return FALSE;
}

}  // namespace

bool RunInputDialog(HWND AOwner, const TInputDialogTexts& ATexts, std::string& AValue) {
  using T = TDialogTemplate;
  // Mirrored like the window it belongs to; the items follow the dialog.
  TDialogTemplate Template(220, 74, 4, IsRightToLeft(AOwner) ? WS_EX_LAYOUTRTL : 0);
  Template.Item(SS_LEFT | SS_NOPREFIX, 8, 8, 204, 10, kPromptId, T::kStatic);
  Template.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 22, 204, 14, kEditId, T::kEdit);
  Template.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 106, 50, 50, 16, IDOK, T::kButton);
  Template.Item(BS_PUSHBUTTON | WS_TABSTOP, 162, 50, 50, 16, IDCANCEL, T::kButton);
  TDialogState State{&ATexts, &AValue};
  const INT_PTR Result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), Template.Get(), AOwner, &DialogProc,
                                                   reinterpret_cast<LPARAM>(&State));
  return Result == IDOK;
}

}  // namespace nevra::win32
