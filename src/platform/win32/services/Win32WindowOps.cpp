#include "platform/win32/services/Win32WindowOps.h"

#include <utility>

#include "platform/win32/Win32Dpi.h"

namespace nevra::win32 {

namespace {
TRect ToRect(const RECT& ARect) { return TRect{ARect.left, ARect.top, ARect.right, ARect.bottom}; }
}  // namespace

TWin32WindowOps::TWin32WindowOps(TWindowSource AMainWindow) : FMainWindow(std::move(AMainWindow)) {}

HWND TWin32WindowOps::Window() const { return FMainWindow ? FMainWindow() : nullptr; }

TRect TWin32WindowOps::GetBounds() {
  RECT Rect{};
  if (Window() == nullptr || ::GetWindowRect(Window(), &Rect) == FALSE) return {};
  return ToRect(Rect);
}

void TWin32WindowOps::SetBounds(const TRect& ABounds) {
  if (Window() == nullptr) return;
  ::SetWindowPos(Window(), nullptr, ABounds.Left, ABounds.Top, ABounds.Width(), ABounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TWin32WindowOps::IsVisible() { return Window() != nullptr && ::IsWindowVisible(Window()) != FALSE; }

void TWin32WindowOps::Show() {
  if (Window() != nullptr) ::ShowWindow(Window(), SW_SHOW);
}

void TWin32WindowOps::Hide() {
  if (Window() != nullptr) ::ShowWindow(Window(), SW_HIDE);
}

void TWin32WindowOps::SetTopMost(bool ATopMost) {
  if (Window() == nullptr) return;
  ::SetWindowPos(Window(), ATopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TWin32WindowOps::ShowTopMostAt(const TRect& ABounds) {
  if (Window() == nullptr) return;
  // Without the activation: a run started by the hotkey from another window types into that
  // window, not into the strip.
  ::SetWindowPos(Window(), HWND_TOPMOST, ABounds.Left, ABounds.Top, ABounds.Width(), ABounds.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void TWin32WindowOps::RestoreApplication() {
  if (Window() != nullptr && ::IsIconic(Window()) != FALSE) ::ShowWindow(Window(), SW_RESTORE);
}

void TWin32WindowOps::BringToForeground() {
  if (Window() != nullptr) ::SetForegroundWindow(Window());
}

TRect TWin32WindowOps::GetWorkArea() {
  RECT Rect{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &Rect, 0);
  return ToRect(Rect);
}

int32_t TWin32WindowOps::CaptionHeight() { return SystemMetricForWindow(SM_CYCAPTION, Window()); }

int32_t TWin32WindowOps::SizingFrameHeight() { return SystemMetricForWindow(SM_CYSIZEFRAME, Window()); }

int32_t TWin32WindowOps::ControlIdAt(const TPoint& APoint) {
  const HWND Main = Window();
  if (Main == nullptr) return 0;
  HWND Hit = ::WindowFromPoint(POINT{APoint.X, APoint.Y});
  // Every control is a child of the main window; a part of one (a drop-down list's edit box)
  // is a child of the control.
  while (Hit != nullptr && Hit != Main && ::GetParent(Hit) != Main) Hit = ::GetParent(Hit);
  return Hit != nullptr && Hit != Main ? ::GetDlgCtrlID(Hit) : 0;
}

}  // namespace nevra::win32
