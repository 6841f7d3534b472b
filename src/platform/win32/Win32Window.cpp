#include "platform/win32/Win32Window.h"

#include "platform/win32/Win32Errors.h"

namespace nevra::win32 {

namespace {

HINSTANCE ThisModule() { return ::GetModuleHandleW(nullptr); }

void RegisterOnce(const TWindowClass& AClass, WNDPROC AProcedure) {
  WNDCLASSEXW Existing{};
  Existing.cbSize = sizeof(Existing);
  if (::GetClassInfoExW(ThisModule(), AClass.Name, &Existing) != FALSE) return;
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof(Class);
  Class.lpfnWndProc = AProcedure;
  Class.hInstance = ThisModule();
  Class.hbrBackground = AClass.Background;
  Class.hIcon = AClass.Icon;
  Class.hIconSm = AClass.SmallIcon;
  Class.hCursor = AClass.Cursor != nullptr ? AClass.Cursor : ::LoadCursorW(nullptr, IDC_ARROW);
  Class.lpszClassName = AClass.Name;
  if (::RegisterClassExW(&Class) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    FailWithLastError("RegisterClassExW");
}

}  // namespace

TWin32Window::~TWin32Window() { Destroy(); }

void TWin32Window::Create(const TWindowClass& AClass, DWORD AExStyle, const wchar_t* AText, DWORD AStyle, int AX,
                          int AY, int AWidth, int AHeight, HWND AParent) {
  RegisterOnce(AClass, &TWin32Window::WindowProc);
  const HWND Window = ::CreateWindowExW(AExStyle, AClass.Name, AText, AStyle, AX, AY, AWidth, AHeight, AParent, nullptr,
                                        ThisModule(), this);
  if (Window == nullptr) FailWithLastError("CreateWindowExW");
  FOwner.Reset(Window);
}

void TWin32Window::Destroy() {
  if (FHandle != nullptr) ::SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
  FHandle = nullptr;
  FOwner.Reset();
}

LRESULT TWin32Window::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return Default(AMessage, AWParam, ALParam);
}

LRESULT TWin32Window::Default(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return ::DefWindowProcW(FHandle, AMessage, AWParam, ALParam);
}

LRESULT CALLBACK TWin32Window::WindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == WM_NCCREATE) {
    auto* Self = static_cast<TWin32Window*>(reinterpret_cast<CREATESTRUCTW*>(ALParam)->lpCreateParams);
    Self->FHandle = AWindow;
    ::SetWindowLongPtrW(AWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Self));
  }
  auto* Self = reinterpret_cast<TWin32Window*>(::GetWindowLongPtrW(AWindow, GWLP_USERDATA));
  if (Self == nullptr) return ::DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
  if (AMessage == WM_NCDESTROY) {
    // Destroyed from outside (not through Destroy): the handle is gone, the owner lets it go.
    ::SetWindowLongPtrW(AWindow, GWLP_USERDATA, 0);
    Self->FHandle = nullptr;
    Self->FOwner.Release();
    return ::DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
  }
  try {
    return Self->HandleMessage(AMessage, AWParam, ALParam);
  } catch (...) {
    return ::DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
  }
}

}  // namespace nevra::win32
