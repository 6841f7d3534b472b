#include "ClickTargetWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

namespace nevra::tools {

namespace {

constexpr const wchar_t* kClassName = L"NevraClickTarget";

}  // namespace

void TClickTargetWindow::RegisterClassOnce() {
  static const bool Registered = [] {
    WNDCLASSEXW Class{};
    Class.cbSize = sizeof(Class);
    Class.style = CS_DBLCLKS;
    Class.lpfnWndProc = &TClickTargetWindow::WindowProc;
    Class.hInstance = GetModuleHandleW(nullptr);
    Class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    Class.lpszClassName = kClassName;
    return RegisterClassExW(&Class) != 0;
  }();
  if (!Registered) throw std::runtime_error("cannot register the click target's window class");
}

namespace {

int64_t Now() {
  LARGE_INTEGER Counter;
  QueryPerformanceCounter(&Counter);
  return Counter.QuadPart;
}

}  // namespace

TClickTargetWindow::TClickTargetWindow(const RECT& AScreenBounds, const std::wstring& ACaption) {
  RegisterClassOnce();
  HWND Created =
      CreateWindowExW(WS_EX_TOPMOST, kClassName, ACaption.c_str(), WS_POPUP | WS_VISIBLE, AScreenBounds.left,
                      AScreenBounds.top, AScreenBounds.right - AScreenBounds.left,
                      AScreenBounds.bottom - AScreenBounds.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (Created == nullptr) throw std::runtime_error("cannot create the click target window");
  UpdateWindow(Created);
}

TClickTargetWindow::~TClickTargetWindow() {
  if (FHandle != nullptr) DestroyWindow(FHandle);
}

size_t TClickTargetWindow::Count(TClickButton AButton, bool APressed) const {
  return static_cast<size_t>(std::count_if(FRecords.begin(), FRecords.end(), [&](const TClickRecord& ARecord) {
    return ARecord.Button == AButton && ARecord.Pressed == APressed;
  }));
}

// `this` arrives with WM_NCCREATE through the creation parameters and is kept in the window.
LRESULT CALLBACK TClickTargetWindow::WindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (AMsg == WM_NCCREATE) {
    auto* Creating = static_cast<TClickTargetWindow*>(reinterpret_cast<CREATESTRUCTW*>(ALParam)->lpCreateParams);
    Creating->FHandle = AWnd;
    SetWindowLongPtrW(AWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Creating));
  }
  auto* Self = reinterpret_cast<TClickTargetWindow*>(GetWindowLongPtrW(AWnd, GWLP_USERDATA));
  if (Self == nullptr) return DefWindowProcW(AWnd, AMsg, AWParam, ALParam);
  try {
    return Self->HandleMessage(AMsg, AWParam, ALParam);
  } catch (...) {
    // Recording must never unwind into the system; a lost record shows up as a wrong count.
    return 0;
  }
}

LRESULT TClickTargetWindow::HandleMessage(UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  switch (AMsg) {
    case WM_LBUTTONDOWN: Record(TClickButton::cbLeft, true, false, AWParam, ALParam); return 0;
    case WM_LBUTTONDBLCLK: Record(TClickButton::cbLeft, true, true, AWParam, ALParam); return 0;
    case WM_LBUTTONUP: Record(TClickButton::cbLeft, false, false, AWParam, ALParam); return 0;
    case WM_RBUTTONDOWN: Record(TClickButton::cbRight, true, false, AWParam, ALParam); return 0;
    case WM_RBUTTONDBLCLK: Record(TClickButton::cbRight, true, true, AWParam, ALParam); return 0;
    case WM_RBUTTONUP: Record(TClickButton::cbRight, false, false, AWParam, ALParam); return 0;
    case WM_MBUTTONDOWN: Record(TClickButton::cbMiddle, true, false, AWParam, ALParam); return 0;
    case WM_MBUTTONDBLCLK: Record(TClickButton::cbMiddle, true, true, AWParam, ALParam); return 0;
    case WM_MBUTTONUP: Record(TClickButton::cbMiddle, false, false, AWParam, ALParam); return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: FWheel.push_back({AMsg == WM_MOUSEHWHEEL, GET_WHEEL_DELTA_WPARAM(AWParam)}); return 0;
    case WM_CHAR: FTyped += static_cast<wchar_t>(AWParam); return 0;
    // A right-button release would otherwise ask for a context menu.
    case WM_CONTEXTMENU: return 0;
    case WM_CLOSE:
      if (OnClose) OnClose();
      DestroyWindow(FHandle);
      return 0;
    case WM_NCDESTROY: {
      HWND Handle = FHandle;
      FHandle = nullptr;
      SetWindowLongPtrW(Handle, GWLP_USERDATA, 0);
      return DefWindowProcW(Handle, AMsg, AWParam, ALParam);
    }
    default: return DefWindowProcW(FHandle, AMsg, AWParam, ALParam);
  }
}

void TClickTargetWindow::Record(TClickButton AButton, bool APressed, bool ADoubleClick, WPARAM AWParam,
                                LPARAM ALParam) {
  TClickRecord Entry;
  Entry.Counter = Now();
  Entry.MessageTime = static_cast<uint32_t>(GetMessageTime());
  Entry.Button = AButton;
  Entry.Pressed = APressed;
  Entry.DoubleClick = ADoubleClick;
  Entry.WithCtrlOrShift = (AWParam & (MK_CONTROL | MK_SHIFT)) != 0;
  Entry.Client = POINT{GET_X_LPARAM(ALParam), GET_Y_LPARAM(ALParam)};
  Entry.Screen = Entry.Client;
  ClientToScreen(FHandle, &Entry.Screen);
  FRecords.push_back(Entry);
}

double CounterToMs(int64_t ACounterTicks) {
  static const int64_t Frequency = [] {
    LARGE_INTEGER Value;
    QueryPerformanceFrequency(&Value);
    return Value.QuadPart;
  }();
  return static_cast<double>(ACounterTicks) * 1000.0 / static_cast<double>(Frequency);
}

double CounterNowMs() { return CounterToMs(Now()); }

}  // namespace nevra::tools
