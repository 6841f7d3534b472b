// A form shown modally by the application: its own window with the form's controls, a loop that
// ends once the form has closed, by its close box or by its own handler.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "TestWindow.h"
#include "platform/EventDispatcher.h"
#include "platform/controls/ControlIds.h"
#include "platform/controls/StdControls.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/services/Win32MessagePump.h"
#include "platform/win32/view/Win32FormWindow.h"

namespace nevra::win32 {
namespace {

struct TModalForm : TForm {
  TModalForm() : TForm("ModalForm", 300, 120) {
    Done.OnClick = [this] { Close(); };
  }
  TButton Done{this, this, "Done", {200, 80, 290, 105}};
  TProgressBar Bar{this, this, "Bar", {10, 50, 290, 67}};
  TImage Picture{this, this, "Picture", {10, 10, 42, 42}, "update-icon"};
  int Shown = 0;
  int Closes = 0;

 protected:
  void FormShow() override { ++Shown; }
  void FormClose() override { ++Closes; }
};

// What happens once the modal loop runs: a one-shot thread timer, whose callback the loop
// dispatches, acts on the dialog as a user would.
std::function<void(HWND)>& WhileShown() {
  static std::function<void(HWND)> Action;
  return Action;
}

void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR ATimer, DWORD) {
  KillTimer(nullptr, ATimer);
  WhileShown()(FindWindowW(TWin32FormWindow::kDialogClassName, nullptr));
}

class Win32ModalWindow : public ::testing::Test {
 protected:
  void ShowModal(std::function<void(HWND)> AAction) {
    WhileShown() = std::move(AAction);
    SetTimer(nullptr, 0, 10, &ActOnDialog);
    App.ShowModal(Form);
  }
  HWND Control(HWND ADialog, const TControl& AControl) const {
    return GetDlgItem(ADialog, test::ControlIdOf(Form, AControl));
  }

  fake::TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher{Dialogs};
  TWin32MessagePump Pump;
  TWin32Application App{Dispatcher, Pump};
  TModalForm Form;
};

TEST_F(Win32ModalWindow, TheCloseBoxEndsTheLoopAfterFormCloseAndTheWindowGoes) {
  bool WasVisible = false;
  ShowModal([&](HWND ADialog) {
    ASSERT_NE(ADialog, nullptr);
    WasVisible = IsWindowVisible(ADialog) != FALSE;
    PostMessageW(ADialog, WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(WasVisible);
  EXPECT_EQ(Form.Shown, 1);
  EXPECT_EQ(Form.Closes, 1);
  EXPECT_TRUE(Form.Closed());
  EXPECT_EQ(FindWindowW(TWin32FormWindow::kDialogClassName, nullptr), nullptr);
}

TEST_F(Win32ModalWindow, EscapeClosesItLikeTheCloseBox) {
  ShowModal([](HWND ADialog) {
    ASSERT_NE(ADialog, nullptr);
    // What IsDialogMessage makes of the Escape key.
    PostMessageW(ADialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
  });
  EXPECT_EQ(Form.Closes, 1);
  EXPECT_TRUE(Form.Closed());
}

TEST_F(Win32ModalWindow, AHandlerThatClosesTheFormEndsTheLoopAndTheBarMirrorsItsPosition) {
  LRESULT Position = -1;
  DWORD BarStyle = 0;
  ShowModal([&](HWND ADialog) {
    const HWND Bar = Control(ADialog, Form.Bar);
    ASSERT_NE(Bar, nullptr);
    Form.Bar.SetPosition(40);
    Position = SendMessageW(Bar, PBM_GETPOS, 0, 0);
    Form.Bar.SetVisible(false);
    BarStyle = static_cast<DWORD>(GetWindowLongPtrW(Bar, GWL_STYLE));
    SendMessageW(Control(ADialog, Form.Done), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(Position, 40);
  EXPECT_EQ(BarStyle & WS_VISIBLE, 0u);
  EXPECT_EQ(Form.Closes, 1);
  EXPECT_TRUE(Dialogs.Shown.empty()) << "no handler failed";
}

}  // namespace
}  // namespace nevra::win32
