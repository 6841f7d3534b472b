#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "platform/EventDispatcher.h"
#include "platform/controls/Control.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32Style.h"
#include "platform/win32/view/Win32FormView.h"

namespace nevra::win32 {

// The window of a form, the program's main window as well as each of its dialogs (the class name
// tells them apart): a fixed dialog frame with a close box, the form's client area (96-DPI units
// scaled for the monitor's DPI), centred on the screen when made, painted double-buffered, with
// one native control per control of the form. Made hidden. With a visual style (which must
// outlive the window) the window and its controls wear it, caption included where Windows allows.
class TWin32FormWindow final : public TWin32Window {
 public:
  // The window class name lets other programs (tests, the installer) find the main window.
  static constexpr const wchar_t* kMainClassName = L"NevraAutoClickerMainWindow";
  static constexpr const wchar_t* kDialogClassName = L"NevraAutoClickerDialog";

  TWin32FormWindow(TForm& AForm, TEventDispatcher& ADispatcher, const TWin32Style* AStyle = nullptr,
                   const wchar_t* AClassName = kMainClassName);
  ~TWin32FormWindow() override;

  // Runs once the form's close query has allowed the close (from WM_CLOSE).
  std::function<void()> OnCloseAllowed;
  // Windows is ending the session (WM_ENDSESSION): the process may end when this returns.
  std::function<void()> OnSessionEnd;
  // Escape asks to close the window, as in a dialog (the main window ignores it: a stray key
  // must not end the program).
  bool CloseOnEscape = false;

  // The first appearance: shown, in front, with the keyboard focus on its first control.
  void ShowFirstTime();
  // See TWin32FormView::Detach and Abandon.
  void Detach();
  void Abandon();
  UINT Dpi() const { return FDpi; }
  TWin32FormView& View() { return *FView; }

  static constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  // WS_EX_COMPOSITED paints the window and all its controls bottom to top into one buffer, so
  // nothing flickers when many controls change at once (the start of a run).
  static constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_COMPOSITED | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;

 private:
  void LoadIcons();
  void SizeAndCentre();
  void OnDpiChanged(UINT ADpi, const RECT& ASuggested);
  void OnClose();
  // The form sees every message first; true when it handled it (AResult is then the answer).
  void FocusFirstControl();
  // WM_NEXTDLGCTL: to the window ALParam names, or to the next (AWParam 0) or previous tab stop.
  void MoveFocus(WPARAM AWParam, LPARAM ALParam);

  TForm* FForm;
  TEventDispatcher& FDispatcher;
  UINT FDpi = 96;
  TIconOwner FBigIcon;
  TIconOwner FSmallIcon;
  std::unique_ptr<TWin32FormView> FView;
  // The control that had the keyboard focus when the window was last deactivated.
  HWND FSavedFocus = nullptr;
};

}  // namespace nevra::win32
