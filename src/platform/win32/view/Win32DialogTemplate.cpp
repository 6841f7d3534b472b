#include "platform/win32/view/Win32DialogTemplate.h"

namespace nevra::win32 {

TDialogTemplate::TDialogTemplate(short AWidth, short AHeight, WORD AItems, DWORD AExStyle, DWORD AStyle) {
  Align();
  Put(DWORD{DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | AStyle});
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

void TDialogTemplate::Item(DWORD AStyle, short AX, short AY, short AW, short AH, WORD AId, WORD AClassAtom,
                           DWORD AExStyle) {
  Align();
  Put(DWORD{WS_CHILD | WS_VISIBLE | AStyle});
  Put(AExStyle);
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

void TDialogTemplate::PutText(const wchar_t* AText) {
  do Put(static_cast<WORD>(*AText));
  while (*AText++ != L'\0');
}

void TDialogTemplate::Align() {
  while (FBytes.size() % 4 != 0) FBytes.push_back(0);
}

}  // namespace nevra::win32
