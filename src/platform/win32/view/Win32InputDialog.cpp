#include "platform/win32/view/Win32InputDialog.h"

#include <cstdint>
#include <vector>

#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace nevra::win32 {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

// A dialog template in memory: DLGTEMPLATE, then per item DLGITEMTEMPLATE, each DWORD-aligned.
// Sizes are dialog units, so the dialog follows the font and the monitor's DPI on its own.
class TTemplate {
 public:
  TTemplate(short AWidth, short AHeight, WORD AItems, DWORD AExStyle) {
    Align();
    Put(DWORD{DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU});
    Put(AExStyle);
    Put(AItems);
    Put(short{0});
    Put(short{0});
    Put(AWidth);
    Put(AHeight);
    Put(WORD{0});  // no menu
    Put(WORD{0});  // the standard dialog class
    Put(WORD{0});  // the caption is set when the dialog opens
    Put(WORD{9});
    PutText(L"Segoe UI");
  }
  void Item(DWORD AStyle, short AX, short AY, short AW, short AH, WORD AId, WORD AClassAtom) {
    Align();
    Put(DWORD{WS_CHILD | WS_VISIBLE | AStyle});
    Put(DWORD{0});
    Put(AX);
    Put(AY);
    Put(AW);
    Put(AH);
    Put(AId);
    Put(WORD{0xFFFF});
    Put(AClassAtom);
    Put(WORD{0});  // text set when the dialog opens
    Put(WORD{0});  // no creation data
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(FBytes.data()); }

 private:
  template <typename T>
  void Put(T AValue) {
    const auto* Bytes = reinterpret_cast<const uint8_t*>(&AValue);
    FBytes.insert(FBytes.end(), Bytes, Bytes + sizeof(T));
  }
  void PutText(const wchar_t* AText) {
    do Put(static_cast<WORD>(*AText));
    while (*AText++ != L'\0');
  }
  void Align() {
    while (FBytes.size() % 4 != 0) FBytes.push_back(0);
  }
  std::vector<uint8_t> FBytes;
};

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
  constexpr WORD kStatic = 0x0082, kEdit = 0x0081, kButton = 0x0080;
  // Mirrored like the window it belongs to; the items follow the dialog.
  TTemplate Template(220, 74, 4, IsRightToLeft(AOwner) ? WS_EX_LAYOUTRTL : 0);
  Template.Item(SS_LEFT | SS_NOPREFIX, 8, 8, 204, 10, kPromptId, kStatic);
  Template.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 22, 204, 14, kEditId, kEdit);
  Template.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 106, 50, 50, 16, IDOK, kButton);
  Template.Item(BS_PUSHBUTTON | WS_TABSTOP, 162, 50, 50, 16, IDCANCEL, kButton);
  TDialogState State{&ATexts, &AValue};
  const INT_PTR Result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), Template.Get(), AOwner, &DialogProc,
                                                   reinterpret_cast<LPARAM>(&State));
  return Result == IDOK;
}

}  // namespace nevra::win32
