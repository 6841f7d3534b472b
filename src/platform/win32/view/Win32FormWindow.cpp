#include "platform/win32/view/Win32FormWindow.h"

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Resources.h"

namespace nevra::win32 {

TWin32FormWindow::TWin32FormWindow(TForm& AForm, TEventDispatcher& ADispatcher, const TWin32Style* AStyle,
                                   const wchar_t* AClassName)
    : FForm(&AForm), FDispatcher(ADispatcher) {
  TWindowClass Class;
  Class.Name = AClassName;
  Class.Background = ::GetSysColorBrush(COLOR_BTNFACE);
  Class.Icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kAppIconId));
  Create(Class, kExStyle, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr);
  // Before the window is first shown, so its caption never flashes in the light colours.
  if (AStyle != nullptr) AStyle->DecorateTopLevel(Handle());
  // The DPI of the monitor Windows put the window on decides its size and font.
  FDpi = WindowDpi(Handle());
  LoadIcons();
  FView = std::make_unique<TWin32FormView>(AForm, Handle(), FDispatcher, FDpi, AStyle);
  SizeAndCentre();
}

TWin32FormWindow::~TWin32FormWindow() {
  // The window and its controls go first, while the view they report to still exists.
  Destroy();
}

void TWin32FormWindow::Detach() {
  FForm = nullptr;
  if (FView) FView->Detach();
}

void TWin32FormWindow::Abandon() {
  FForm = nullptr;
  if (FView) FView->Abandon();
}

void TWin32FormWindow::LoadIcons() {
  FBigIcon.Reset(LoadAppIcon(SystemMetricForDpi(SM_CXICON, FDpi)));
  FSmallIcon.Reset(LoadAppIcon(SystemMetricForDpi(SM_CXSMICON, FDpi)));
  // The window keeps using the old icons until these messages replace them.
  ::SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FBigIcon.Get()));
  ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(FSmallIcon.Get()));
}

void TWin32FormWindow::SizeAndCentre() {
  const TRect Client = FForm->Bounds();
  const SIZE Size = WindowSizeForClient(ScaleForDpi(Client.Width(), FDpi), ScaleForDpi(Client.Height(), FDpi), kStyle,
                                        kExStyle, FDpi);
  MONITORINFO Monitor{};
  Monitor.cbSize = sizeof(Monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY), &Monitor);
  const RECT& Work = Monitor.rcWork;
  const int Left = Work.left + ((Work.right - Work.left) - Size.cx) / 2;
  const int Top = Work.top + ((Work.bottom - Work.top) - Size.cy) / 2;
  ::SetWindowPos(Handle(), nullptr, Left, Top, Size.cx, Size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWin32FormWindow::ShowFirstTime() {
  ::ShowWindow(Handle(), SW_SHOW);
  ::UpdateWindow(Handle());
  ::SetForegroundWindow(Handle());
  FocusFirstControl();
}

void TWin32FormWindow::FocusFirstControl() {
  const HWND First = ::GetNextDlgTabItem(Handle(), nullptr, FALSE);
  if (First != nullptr) ::SetFocus(First);
}

void TWin32FormWindow::OnDpiChanged(UINT ADpi, const RECT& ASuggested) {
  // Moved to a monitor with another scale: take the size Windows suggests, then fonts, icons
  // and positions for the new DPI.
  FDpi = ADpi;
  ::SetWindowPos(Handle(), nullptr, ASuggested.left, ASuggested.top, ASuggested.right - ASuggested.left,
                 ASuggested.bottom - ASuggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LoadIcons();
  FView->SetDpi(FDpi);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TWin32FormWindow::OnClose() {
  // The close query decides; an error inside it (already shown by the dispatcher) does not
  // keep the user from closing the program.
  bool Allowed = true;
  if (FForm != nullptr) {
    TForm& Form = *FForm;
    FDispatcher.Run([&Form, &Allowed] { Allowed = Form.CloseQuery(); });
  }
  if (Allowed && OnCloseAllowed) OnCloseAllowed();
}

LRESULT TWin32FormWindow::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage >= WM_APP && FView && FView->HandleFormMessage(AMessage, AWParam, ALParam)) return 0;
  switch (AMessage) {
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
      // Logging off or shutting down: end the program the ordinary way, settings saved, before
      // Windows ends the process.
      if (AWParam != FALSE && OnSessionEnd) OnSessionEnd();
      return 0;
    case WM_COMMAND:
      // The dialog manager reports Escape as IDCANCEL from no control.
      if (CloseOnEscape && LOWORD(AWParam) == IDCANCEL && ALParam == 0) {
        OnClose();
        return 0;
      }
      if (FView && FView->HandleCommand(AWParam, ALParam)) return 0;
      break;
    case WM_NOTIFY: {
      LRESULT Result = 0;
      if (FView && FView->HandleNotify(*reinterpret_cast<const NMHDR*>(ALParam), Result)) return Result;
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (FView) {
        if (const auto Brush =
                FView->ControlColours(AMessage, reinterpret_cast<HDC>(AWParam), reinterpret_cast<HWND>(ALParam)))
          return reinterpret_cast<LRESULT>(*Brush);
      }
      break;
    case WM_DRAWITEM:
      if (FView && FView->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(ALParam))) return TRUE;
      break;
    case WM_ERASEBKGND:
      if (FView && FView->PaintBackground(reinterpret_cast<HDC>(AWParam))) return 1;
      break;
    case WM_DPICHANGED: OnDpiChanged(LOWORD(AWParam), *reinterpret_cast<const RECT*>(ALParam)); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_DESTROY:
      // Only a window destroyed from outside gets here (Destroy detaches first): the loop that
      // waits for it must still end.
      ::PostQuitMessage(0);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(AWParam) == WA_INACTIVE) {
        const HWND Focus = ::GetFocus();
        if (Focus != nullptr && ::IsChild(Handle(), Focus) != FALSE) FSavedFocus = Focus;
        break;
      }
      // Back to the control that had the focus when the user switched away.
      if (FSavedFocus != nullptr && ::IsWindow(FSavedFocus) != FALSE && ::IsWindowEnabled(FSavedFocus) != FALSE &&
          ::IsWindowVisible(FSavedFocus) != FALSE) {
        ::SetFocus(FSavedFocus);
        return 0;
      }
      break;
    case WM_SETFOCUS: FocusFirstControl(); return 0;
    case WM_NEXTDLGCTL:
      // What a dialog's own procedure does, for the dialog manager: Wine's IsDialogMessage moves
      // the focus this way to the control after a label whose mnemonic was pressed.
      MoveFocus(AWParam, ALParam);
      return 0;
    default: break;
  }
  return Default(AMessage, AWParam, ALParam);
}

void TWin32FormWindow::MoveFocus(WPARAM AWParam, LPARAM ALParam) {
  HWND Target = nullptr;
  if (LOWORD(ALParam) != 0)
    Target = reinterpret_cast<HWND>(AWParam);
  else
    Target = ::GetNextDlgTabItem(Handle(), ::GetFocus(), AWParam != 0 ? TRUE : FALSE);
  if (Target != nullptr && (Target == Handle() || ::IsChild(Handle(), Target) != FALSE)) ::SetFocus(Target);
}

}  // namespace nevra::win32
