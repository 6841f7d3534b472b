#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <stdexcept>

#include "platform/controls/Control.h"
#include "platform/controls/ControlIds.h"
#include "platform/win32/Win32Window.h"

namespace nevra::win32::test {

// A hidden window of the program's own window base that hands every message to a test's function.
class TTestWindow final : public TWin32Window {
 public:
  // Return true from OnMessage when the message was handled; the window then answers with
  // Answer, which is 0 unless the function set it.
  std::function<bool(UINT AMessage, WPARAM AWParam, LPARAM ALParam)> OnMessage;
  LRESULT Answer = 0;

  explicit TTestWindow(DWORD AStyle = WS_OVERLAPPEDWINDOW, int AWidth = 200, int AHeight = 100) {
    Create(TWindowClass{L"NevraWin32TestWindow"}, 0, L"test", AStyle, 0, 0, AWidth, AHeight, nullptr);
  }
  ~TTestWindow() override { Destroy(); }

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override {
    Answer = 0;
    if (OnMessage && OnMessage(AMessage, AWParam, ALParam)) return Answer;
    return Default(AMessage, AWParam, ALParam);
  }
};

// The control's place in its form's list; throws for a control of another form.
inline size_t ControlIndex(const TForm& AForm, const TControl& AControl) {
  const auto& Controls = AForm.Controls();
  for (size_t Index = 0; Index < Controls.size(); ++Index)
    if (Controls[Index] == &AControl) return Index;
  throw std::logic_error("not a control of the form");
}

// The window id the native view gives the control (see ControlIdAt).
inline int ControlIdOf(const TForm& AForm, const TControl& AControl) {
  return ControlIdAt(ControlIndex(AForm, AControl));
}

}  // namespace nevra::win32::test
