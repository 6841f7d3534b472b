#pragma once
#include <windows.h>

#include <string>

namespace nevra::win32 {

struct TInputDialogTexts {
  std::string Caption, Prompt, Ok, Cancel;
};

// A modal dialog with a prompt, an edit field holding AValue and OK / Cancel (Enter and Esc),
// centred on its owner's monitor. True, with the entered text in AValue, when the user chose OK.
bool RunInputDialog(HWND AOwner, const TInputDialogTexts& ATexts, std::string& AValue);

}  // namespace nevra::win32
