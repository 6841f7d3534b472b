#pragma once
#include <windows.h>

#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

// What a window class needs besides its procedure, which is always TWin32Window's.
struct TWindowClass {
  const wchar_t* Name = nullptr;
  HBRUSH Background = nullptr;
  HICON Icon = nullptr;
  HICON SmallIcon = nullptr;
  HCURSOR Cursor = nullptr;
};

// Base of the program's own windows: one static window procedure binds the C++ object at
// WM_NCCREATE and forwards every message to HandleMessage. The window dies with the object.
// No exception ever leaves the window procedure: handlers reach the program's logic through
// TEventDispatcher, and anything else that throws (out of memory) ends in DefWindowProc.
class TWin32Window {
 public:
  TWin32Window(const TWin32Window&) = delete;
  TWin32Window& operator=(const TWin32Window&) = delete;
  virtual ~TWin32Window();

  HWND Handle() const { return FHandle; }

 protected:
  TWin32Window() = default;
  // Registers the class on first use and creates the window; throws std::system_error when
  // Windows refuses.
  void Create(const TWindowClass& AClass, DWORD AExStyle, const wchar_t* AText, DWORD AStyle, int AX, int AY,
              int AWidth, int AHeight, HWND AParent);
  // Detaches the object from its window and destroys the window. Derived classes call it first
  // in their destructor, so no message reaches an object that is half taken apart.
  void Destroy();

  virtual LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  LRESULT Default(UINT AMessage, WPARAM AWParam, LPARAM ALParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  // Valid from WM_NCCREATE on, already while CreateWindowExW runs.
  HWND FHandle = nullptr;
  TWindowOwner FOwner;
};

// Whether AWindow is mirrored for a language read right to left (WS_EX_LAYOUTRTL): what it owns
// (message boxes, dialogs) is mirrored with it.
inline bool IsRightToLeft(HWND AWindow) {
  return AWindow != nullptr && (::GetWindowLongPtrW(AWindow, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

// Whether AWindow takes input: not disabled, as it shows itself.
inline bool IsEnabled(HWND AWindow) { return ::IsWindowEnabled(AWindow) != FALSE; }

// Sets or clears ABits in AWindow's GWL_STYLE or GWL_EXSTYLE (AIndex); no call when they are so.
inline void SetWindowBits(HWND AWindow, int AIndex, LONG_PTR ABits, bool AOn) {
  const LONG_PTR Bits = ::GetWindowLongPtrW(AWindow, AIndex);
  const LONG_PTR Wanted = AOn ? (Bits | ABits) : (Bits & ~ABits);
  if (Wanted != Bits) ::SetWindowLongPtrW(AWindow, AIndex, Wanted);
}

// The width of AWindow's border at the side (the top one may be wider, to centre a field's text).
// A mirrored window's client area has its origin at its right end.
inline int SideBorderWidth(HWND AWindow) {
  RECT Window{};
  ::GetWindowRect(AWindow, &Window);
  POINT ClientOrigin{0, 0};
  ::ClientToScreen(AWindow, &ClientOrigin);
  return IsRightToLeft(AWindow) ? Window.right - ClientOrigin.x : ClientOrigin.x - Window.left;
}

}  // namespace nevra::win32
