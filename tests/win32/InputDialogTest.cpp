// The modal text-input dialog of "Rename": what it shows and how each way of closing it answers.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <thread>

#include "MessageBoxFinder.h"
#include "TestWindow.h"
#include "WindowSearch.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/view/Win32InputDialog.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;

const std::string kName = "Makro \xc3\xbc\xe4\xb8\xad 2024";
const std::string kTyped = "Neuer Name \xe2\x80\x94 \xd0\x9c\xd0\xb0\xd0\xba\xd1\x80\xd0\xbe";

// What another thread saw of the open dialog before it closed it.
struct TSeenDialog {
  bool Found = false;
  std::string Prompt, Text, Ok, Cancel;
  DWORD SelectionStart = 1, SelectionEnd = 0;
  bool OwnerEnabled = true;
  HWND Owner = nullptr;
  RECT Bounds{};
};

// Runs the dialog on this thread; another finds it by its caption, notes what it shows and
// closes it with AClose (given the dialog and its edit field).
bool RunAndClose(HWND AOwner, const std::string& ACaption, std::string& AValue,
                 const std::function<void(HWND, HWND)>& AClose, TSeenDialog& ASeen) {
  const DWORD GuiThread = GetCurrentThreadId();
  std::thread User([&] {
    const HWND Dialog = test::WaitForThreadWindow(GuiThread, tools::kDialogClass, 10s, Widen(ACaption));
    if (Dialog == nullptr) return;
    ASeen.Found = true;
    const HWND Edit = tools::FindChildOfClass(Dialog, L"Edit");
    ASeen.Prompt = WindowTextUtf8(tools::FindChildOfClass(Dialog, L"Static"));
    ASeen.Text = WindowTextUtf8(Edit);
    ASeen.Ok = WindowTextUtf8(GetDlgItem(Dialog, IDOK));
    ASeen.Cancel = WindowTextUtf8(GetDlgItem(Dialog, IDCANCEL));
    SendMessageW(Edit, EM_GETSEL, reinterpret_cast<WPARAM>(&ASeen.SelectionStart),
                 reinterpret_cast<LPARAM>(&ASeen.SelectionEnd));
    ASeen.Owner = GetWindow(Dialog, GW_OWNER);
    ASeen.OwnerEnabled = AOwner != nullptr && IsWindowEnabled(AOwner);
    GetWindowRect(Dialog, &ASeen.Bounds);
    AClose(Dialog, Edit);
  });
  const bool Chosen =
      RunInputDialog(AOwner, TInputDialogTexts{ACaption, "Enter new macro name:", "OK", "Abbrechen"}, AValue);
  User.join();
  return Chosen;
}

// The user's typing, as far as the dialog can tell: the edit field's new text.
void Type(HWND AEdit) { SendMessageW(AEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(kTyped).c_str())); }
void Click(HWND ADialog, int AButton) { SendMessageW(GetDlgItem(ADialog, AButton), BM_CLICK, 0, 0); }

struct TCloseCase {
  const char* Name;
  std::function<void(HWND, HWND)> Close;
  bool Chosen;
};
void PrintTo(const TCloseCase& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

class Win32InputDialog : public ::testing::TestWithParam<TCloseCase> {
 protected:
  test::TTestWindow Owner{WS_OVERLAPPEDWINDOW, 400, 300};
};

TEST_P(Win32InputDialog, ShowsItsTextsAndAnswersAsClosed) {
  ShowWindow(Owner.Handle(), SW_SHOWNOACTIVATE);
  const std::string Caption = std::string("Rename macro ") + GetParam().Name;
  std::string Value = kName;
  TSeenDialog Seen;
  const bool Chosen = RunAndClose(
      Owner.Handle(), Caption, Value,
      [&Close = GetParam().Close](HWND ADialog, HWND AEdit) {
        Type(AEdit);
        Close(ADialog, AEdit);
      },
      Seen);
  ASSERT_TRUE(Seen.Found) << "no dialog captioned " << Caption;
  EXPECT_EQ(Seen.Prompt, "Enter new macro name:");
  EXPECT_EQ(Seen.Text, kName);
  EXPECT_EQ(Seen.Ok, "OK");
  EXPECT_EQ(Seen.Cancel, "Abbrechen");
  // The whole name is selected, so typing replaces it.
  EXPECT_EQ(Seen.SelectionStart, 0u);
  EXPECT_EQ(Seen.SelectionEnd, Widen(kName).size());
  EXPECT_EQ(Seen.Owner, Owner.Handle());
  EXPECT_FALSE(Seen.OwnerEnabled) << "the dialog is not modal";
  EXPECT_TRUE(IsWindowEnabled(Owner.Handle()));

  EXPECT_EQ(Chosen, GetParam().Chosen);
  EXPECT_EQ(Value, GetParam().Chosen ? kTyped : kName);
}

INSTANTIATE_TEST_SUITE_P(
    Closing, Win32InputDialog,
    ::testing::Values(TCloseCase{"OkButton", [](HWND ADialog, HWND) { Click(ADialog, IDOK); }, true},
                      TCloseCase{"EnterKey", [](HWND, HWND AEdit) { test::PostKey(AEdit, VK_RETURN); }, true},
                      TCloseCase{"CancelButton", [](HWND ADialog, HWND) { Click(ADialog, IDCANCEL); }, false},
                      TCloseCase{"EscapeKey", [](HWND, HWND AEdit) { test::PostKey(AEdit, VK_ESCAPE); }, false},
                      TCloseCase{"CloseBox", [](HWND ADialog, HWND) { PostMessageW(ADialog, WM_CLOSE, 0, 0); }, false}),
    [](const ::testing::TestParamInfo<TCloseCase>& AInfo) { return std::string(AInfo.param.Name); });

TEST(Win32InputDialogPlace, OpensCentredOnTheWorkAreaEvenWithoutAnOwner) {
  std::string Value;
  TSeenDialog Seen;
  const bool Chosen = RunAndClose(
      nullptr, "Rename macro unowned", Value, [](HWND ADialog, HWND) { Click(ADialog, IDOK); }, Seen);
  ASSERT_TRUE(Seen.Found);
  EXPECT_TRUE(Chosen);
  EXPECT_EQ(Value, "");
  RECT WorkArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &WorkArea, 0);
  const LONG CentreX = (Seen.Bounds.left + Seen.Bounds.right) / 2, CentreY = (Seen.Bounds.top + Seen.Bounds.bottom) / 2;
  EXPECT_NEAR(CentreX, (WorkArea.left + WorkArea.right) / 2, 2);
  EXPECT_NEAR(CentreY, (WorkArea.top + WorkArea.bottom) / 2, 2);
}

}  // namespace
}  // namespace nevra::win32
