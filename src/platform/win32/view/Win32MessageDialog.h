#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace nevra::win32 {

// The message box for a text too big for MessageBoxW, which neither wraps a long unbroken word
// nor limits its size: the text in a read-only edit box that wraps and scrolls, beside the kind's
// icon, above the box's buttons, in a dialog of a sensible size that stays within the screen.

struct TMessageDialogButton {
  int Id;  // what the dialog returns for it: IDOK, IDYES, IDNO
  std::string Text;
};

struct TMessageDialogSpec {
  std::string Caption;
  std::string Text;
  LPCWSTR Icon;                               // the system's: IDI_INFORMATION, IDI_WARNING, IDI_ERROR, IDI_QUESTION
  std::vector<TMessageDialogButton> Buttons;  // in reading order; the first is the default
  int EscapeId;                               // what Esc and the close box answer
};

// Whether MessageBoxW shows AText whole on AOwner's monitor (the main one without an owner): no
// unbroken run of it is wider than half the work area, and wrapped at that width it is no higher
// than half the work area.
bool FitsMessageBox(HWND AOwner, const std::wstring& AText);

// Shows the dialog, modal to AOwner (mirrored when AOwner is) and centred on its monitor, and
// waits for an answer: the Id of the button chosen.
int RunMessageDialog(HWND AOwner, const TMessageDialogSpec& ASpec);

}  // namespace nevra::win32
