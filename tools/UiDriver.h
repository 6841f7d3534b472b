#pragma once
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "MainWindowCaption.h"

namespace nevra::tools {

// Driving another process's windows the way a user (or a screen reader) reaches them: by
// caption, control id and standard control messages. Messages that wait for the other side use
// a time-out, so a hung program fails a test instead of hanging it.

// A visible top-level window with exactly this caption, of the given process (any when 0).
HWND FindTopLevelWindow(const std::string& ACaption, DWORD AProcessId = 0);
// Waits (handling this thread's messages) until such a window exists; null after the time-out.
HWND WaitForTopLevelWindow(const std::string& ACaption, DWORD AProcessId, std::chrono::milliseconds ATimeout);

// The descendant of ATopLevel with this control id, at any depth; null when there is none.
HWND FindControl(HWND ATopLevel, int AId);

std::string ReadText(HWND AWindow);
// WM_SETTEXT: an edit control reports the change to its parent (EN_CHANGE) as typing would.
void WriteText(HWND AWindow, const std::string& AText);
// BM_CLICK: the button behaves as if clicked (a check box toggles, a radio button checks).
void ClickButton(HWND AButton);
// The same click, posted: returns at once. For buttons whose handler does not return until a
// modal window closes (message boxes, the input dialog, the language menu) or a macro has been
// played, which a sent click would wait for.
void PostButtonClick(HWND AButton);
bool IsChecked(HWND AButton);
// CB_SETCURSEL, then CBN_SELCHANGE to the parent, as the user's pick would send.
void SelectComboItem(HWND ACombo, int AIndex);
int ComboSelection(HWND ACombo);
std::vector<std::string> ComboItems(HWND ACombo);
// LB_SETCURSEL, then LBN_SELCHANGE to the parent, as the user's pick would send.
void SelectListItem(HWND AList, int AIndex);
int ListSelection(HWND AList);
std::vector<std::string> ListItems(HWND AList);
RECT WindowBounds(HWND AWindow);
bool IsTopMost(HWND AWindow);
// Asks the window to close, as its close box does, without waiting.
void RequestClose(HWND AWindow);

// The main window of the program, with its controls found by the names the code gives them.
class TMainWindowDriver {
 public:
  explicit TMainWindowDriver(HWND AMainWindow) : FMain(AMainWindow) {}
  HWND Handle() const { return FMain; }

  // The window of the named control; for a spin box, its edit field. Throws when missing.
  HWND Control(const std::string& AName) const;

  std::string Caption() const { return ReadText(FMain); }
  std::string Text(const std::string& AName) const { return ReadText(Control(AName)); }
  bool Enabled(const std::string& AName) const { return IsWindowEnabled(Control(AName)) != FALSE; }
  bool Checked(const std::string& AName) const { return IsChecked(Control(AName)); }
  int Selection(const std::string& AName) const { return ComboSelection(Control(AName)); }
  std::vector<std::string> ComboItemTexts(const std::string& AName) const { return ComboItems(Control(AName)); }
  int ListSelection(const std::string& AName) const { return tools::ListSelection(Control(AName)); }
  std::vector<std::string> ListItemTexts(const std::string& AName) const { return ListItems(Control(AName)); }
  // The macro list fills in the background after start: waits until it holds ACount entries.
  bool WaitForListCount(const std::string& AName, size_t ACount, std::chrono::milliseconds ATimeout) const;
  bool Visible() const { return IsWindowVisible(FMain) != FALSE; }
  bool TopMost() const { return IsTopMost(FMain); }
  RECT Bounds() const { return WindowBounds(FMain); }

  void Click(const std::string& AName) const { ClickButton(Control(AName)); }
  void PostClick(const std::string& AName) const { PostButtonClick(Control(AName)); }
  void SelectListEntry(const std::string& AName, int AIndex) const { SelectListItem(Control(AName), AIndex); }
  void SetText(const std::string& AName, const std::string& AText) const { WriteText(Control(AName), AText); }
  void Select(const std::string& AName, int AIndex) const { SelectComboItem(Control(AName), AIndex); }

  // The status line.
  std::string Status() const { return Text("lblStatus"); }
  bool WaitForStatus(const std::string& AText, std::chrono::milliseconds ATimeout) const;

 private:
  HWND FMain;
};

}  // namespace nevra::tools
