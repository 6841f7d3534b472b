// Message boxes: caption, text, buttons, answers, owner and place, read off the real box.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "MessageBoxFinder.h"
#include "TestWindow.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/services/Win32Dialogs.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;

// What a second thread saw of the box while it was open, before it pressed a button.
struct TSeenBox {
  bool Found = false;
  std::string Caption;
  bool ShowsText = false;
  bool HasOk = false;
  bool HasYes = false;
  bool HasNo = false;
  HWND Owner = nullptr;
  RECT Bounds{};
};

struct TTextSearch {
  std::string Text;
  bool Found = false;
};

BOOL CALLBACK FindText(HWND AChild, LPARAM ASearch) {
  auto& Search = *reinterpret_cast<TTextSearch*>(ASearch);
  if (WindowTextUtf8(AChild) == Search.Text) Search.Found = true;
  return !Search.Found;
}

// Shows a box through ADialogs on this thread and answers it with AButton from another.
TMessageResult ShowAndAnswer(TWin32Dialogs& ADialogs, TMessageKind AKind, const std::string& AText, int AButton,
                             TSeenBox& ASeen) {
  const DWORD GuiThread = GetCurrentThreadId();
  std::thread Answerer([&] {
    const HWND Box = test::WaitForThreadWindow(GuiThread, tools::kDialogClass, 10s);
    if (Box == nullptr) return;
    ASeen.Found = true;
    ASeen.Caption = WindowTextUtf8(Box);
    TTextSearch Search{AText};
    EnumChildWindows(Box, &FindText, reinterpret_cast<LPARAM>(&Search));
    ASeen.ShowsText = Search.Found;
    ASeen.HasOk = GetDlgItem(Box, IDOK) != nullptr;
    ASeen.HasYes = GetDlgItem(Box, IDYES) != nullptr;
    ASeen.HasNo = GetDlgItem(Box, IDNO) != nullptr;
    ASeen.Owner = GetWindow(Box, GW_OWNER);
    GetWindowRect(Box, &ASeen.Bounds);
    PostMessageW(Box, WM_COMMAND, static_cast<WPARAM>(AButton), 0);
  });
  const TMessageResult Result = ADialogs.ShowMessage(AKind, AText);
  Answerer.join();
  return Result;
}

struct TBoxCase {
  const char* Name;
  TMessageKind Kind;
  int Button;
  TMessageResult Expected;
};

class Win32Dialogs : public ::testing::TestWithParam<TBoxCase> {};

TEST_P(Win32Dialogs, BoxShowsTitleTextAndTheKindsButtonsAndReturnsTheAnswer) {
  const TBoxCase& Case = GetParam();
  TWin32Dialogs Dialogs({}, [] { return std::string("Nevra Auto Clicker"); });
  TSeenBox Seen;
  const std::string Text = "Makro gel\xc3\xb6scht: \xe4\xb8\xad";
  EXPECT_EQ(ShowAndAnswer(Dialogs, Case.Kind, Text, Case.Button, Seen), Case.Expected);
  ASSERT_TRUE(Seen.Found);
  EXPECT_EQ(Seen.Caption, "Nevra Auto Clicker");
  EXPECT_TRUE(Seen.ShowsText);
  const bool Confirmation = Case.Kind == TMessageKind::mkConfirmation;
  EXPECT_EQ(Seen.HasOk, !Confirmation);
  EXPECT_EQ(Seen.HasYes, Confirmation);
  EXPECT_EQ(Seen.HasNo, Confirmation);
  // Centred on the screen's work area.
  RECT Work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0);
  EXPECT_NEAR((Seen.Bounds.left + Seen.Bounds.right) / 2, (Work.left + Work.right) / 2, 1);
  EXPECT_NEAR((Seen.Bounds.top + Seen.Bounds.bottom) / 2, (Work.top + Work.bottom) / 2, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Win32Dialogs,
    ::testing::Values(TBoxCase{"InformationOk", TMessageKind::mkInformation, IDOK, TMessageResult::mrOk},
                      TBoxCase{"WarningOk", TMessageKind::mkWarning, IDOK, TMessageResult::mrOk},
                      TBoxCase{"ErrorOk", TMessageKind::mkError, IDOK, TMessageResult::mrOk},
                      TBoxCase{"ConfirmationYes", TMessageKind::mkConfirmation, IDYES, TMessageResult::mrYes},
                      TBoxCase{"ConfirmationNo", TMessageKind::mkConfirmation, IDNO, TMessageResult::mrNo}),
    [](const ::testing::TestParamInfo<TBoxCase>& AInfo) { return std::string(AInfo.param.Name); });

TEST(Win32DialogsOwner, TheMainWindowOwnsTheBoxWhileItExists) {
  test::TTestWindow Main;
  TWin32Dialogs Dialogs([&] { return Main.Handle(); }, [] { return std::string("Nevra Auto Clicker"); });
  TSeenBox Seen;
  ShowAndAnswer(Dialogs, TMessageKind::mkInformation, "owned", IDOK, Seen);
  ASSERT_TRUE(Seen.Found);
  EXPECT_EQ(Seen.Owner, Main.Handle());
}

}  // namespace
}  // namespace nevra::win32
