// Message boxes: caption, text, buttons, answers, owner and place, read off the real box.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <ostream>
#include <string>
#include <thread>

#include "MessageBoxFinder.h"
#include "TestWindow.h"
#include "WindowSearch.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/services/Win32Dialogs.h"
#include "product/AppInfo.h"

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
  bool Mirrored = false;
  // The scrolling dialog's text field, for a text too big for a message box.
  bool HasEdit = false;
  std::string EditText;
  LONG_PTR EditStyle = 0;
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
    ASeen.Mirrored = (GetWindowLongPtrW(Box, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    if (const HWND Edit = tools::FindChildOfClass(Box, L"Edit"); Edit != nullptr) {
      ASeen.HasEdit = true;
      ASeen.EditText = WindowTextUtf8(Edit);
      ASeen.EditStyle = GetWindowLongPtrW(Edit, GWL_STYLE);
    }
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
  TWin32Dialogs Dialogs({}, [] { return std::string(kApplicationTitle); });
  TSeenBox Seen;
  const std::string Text = "Makro gel\xc3\xb6scht: \xe4\xb8\xad";
  EXPECT_EQ(ShowAndAnswer(Dialogs, Case.Kind, Text, Case.Button, Seen), Case.Expected);
  ASSERT_TRUE(Seen.Found);
  EXPECT_EQ(Seen.Caption, kApplicationTitle);
  EXPECT_TRUE(Seen.ShowsText);
  EXPECT_FALSE(Seen.HasEdit) << "a short text comes in a standard message box";
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

RECT WorkArea() {
  RECT Work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0);
  return Work;
}

// An unknown option as long as a command line can be, and a text of many short lines: MessageBoxW
// would make a box thousands of pixels wide or high of either.
std::string UnbrokenRun() { return "Unknown option: /" + std::string(32000, 'x') + "\r\n\r\nCommand-line options"; }
std::string ManyLines() {
  std::string Text;
  for (int Line = 1; Line <= 400; ++Line) Text += "Line " + std::to_string(Line) + " of a long report\r\n";
  return Text;
}

struct TLongCase {
  const char* Name;
  std::string (*Text)();
  TMessageKind Kind;
  int Button;
  TMessageResult Expected;
};

void PrintTo(const TLongCase& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

class Win32LongMessage : public ::testing::TestWithParam<TLongCase> {};

TEST_P(Win32LongMessage, ComesWholeInAScrollingFieldOfABoxWithinTheScreen) {
  const TLongCase& Case = GetParam();
  TWin32Dialogs Dialogs({}, [] { return std::string(kApplicationTitle); });
  TSeenBox Seen;
  const std::string Text = Case.Text();
  EXPECT_EQ(ShowAndAnswer(Dialogs, Case.Kind, Text, Case.Button, Seen), Case.Expected);
  ASSERT_TRUE(Seen.Found);
  EXPECT_EQ(Seen.Caption, kApplicationTitle);
  ASSERT_TRUE(Seen.HasEdit) << "no scrolling field";
  // Every character is there; a run too long to wrap quickly comes in lines of its own (copying
  // gives the text as it is: see the keys below).
  const auto WithoutBreaks = [](std::string AText) {
    std::erase_if(AText, [](char C) { return C == '\r' || C == '\n'; });
    return AText;
  };
  EXPECT_TRUE(WithoutBreaks(Seen.EditText) == WithoutBreaks(Text)) << "the field holds another text";
  EXPECT_EQ(Seen.EditStyle & (ES_MULTILINE | ES_READONLY | WS_VSCROLL), ES_MULTILINE | ES_READONLY | WS_VSCROLL);
  EXPECT_EQ(Seen.EditStyle & ES_AUTOHSCROLL, 0) << "the text must wrap";
  const bool Confirmation = Case.Kind == TMessageKind::mkConfirmation;
  EXPECT_EQ(Seen.HasOk, !Confirmation);
  EXPECT_EQ(Seen.HasYes, Confirmation);
  EXPECT_EQ(Seen.HasNo, Confirmation);
  // Within the work area, centred on it, and no smaller than a message box with some text.
  const RECT Work = WorkArea();
  RECT Common{};
  IntersectRect(&Common, &Seen.Bounds, &Work);
  EXPECT_TRUE(EqualRect(&Common, &Seen.Bounds)) << "the box reaches out of the work area";
  EXPECT_NEAR((Seen.Bounds.left + Seen.Bounds.right) / 2, (Work.left + Work.right) / 2, 1);
  EXPECT_NEAR((Seen.Bounds.top + Seen.Bounds.bottom) / 2, (Work.top + Work.bottom) / 2, 1);
  EXPECT_GE(Seen.Bounds.right - Seen.Bounds.left, 300);
  EXPECT_GE(Seen.Bounds.bottom - Seen.Bounds.top, 200);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Win32LongMessage,
    ::testing::Values(
        TLongCase{"UnbrokenRunError", &UnbrokenRun, TMessageKind::mkError, IDOK, TMessageResult::mrOk},
        TLongCase{"ManyLinesInformation", &ManyLines, TMessageKind::mkInformation, IDOK, TMessageResult::mrOk},
        TLongCase{"ManyLinesConfirmationYes", &ManyLines, TMessageKind::mkConfirmation, IDYES, TMessageResult::mrYes},
        TLongCase{"UnbrokenRunConfirmationNo", &UnbrokenRun, TMessageKind::mkConfirmation, IDNO, TMessageResult::mrNo}),
    [](const ::testing::TestParamInfo<TLongCase>& AInfo) { return std::string(AInfo.param.Name); });

std::string ClipboardText() {
  std::string Text;
  if (OpenClipboard(nullptr) == FALSE) return Text;
  if (const HANDLE Data = GetClipboardData(CF_UNICODETEXT); Data != nullptr) {
    if (const auto* Chars = static_cast<const wchar_t*>(GlobalLock(Data)); Chars != nullptr) {
      Text = Narrow(Chars);
      GlobalUnlock(Data);
    }
  }
  CloseClipboard();
  return Text;
}

void EmptyTheClipboard() {
  if (OpenClipboard(nullptr) == FALSE) return;
  EmptyClipboard();
  CloseClipboard();
}

struct TKeyCase {
  const char* Name;
  TMessageKind Kind;
  WPARAM Key;
  TMessageResult Expected;
};

void PrintTo(const TKeyCase& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

class Win32LongMessageKeys : public ::testing::TestWithParam<TKeyCase> {};

// The field has the keyboard: Ctrl+A and Ctrl+C copy the whole text, Enter answers with the
// default button and Esc as a message box would (No for a question, which a box leaves unanswered).
TEST_P(Win32LongMessageKeys, CtrlACtrlCCopyTheWholeTextAndTheKeyAnswers) {
  const TKeyCase& Case = GetParam();
  TWin32Dialogs Dialogs({}, [] { return std::string(kApplicationTitle); });
  // Many lines and a run the field breaks into lines of its own: the copy has neither more nor less.
  const std::string Text = ManyLines() + UnbrokenRun();
  const DWORD GuiThread = GetCurrentThreadId();
  bool FieldHadFocus = false;
  DWORD SelectionStart = 1, SelectionEnd = 0;
  std::string Copied;
  std::thread User([&] {
    const HWND Box = test::WaitForThreadWindow(GuiThread, tools::kDialogClass, 10s);
    if (Box == nullptr) return;
    const HWND Edit = tools::FindChildOfClass(Box, L"Edit");
    GUITHREADINFO Info{};
    Info.cbSize = sizeof(Info);
    FieldHadFocus = Edit != nullptr && GetGUIThreadInfo(GuiThread, &Info) != FALSE && Info.hwndFocus == Edit;
    EmptyTheClipboard();
    // Ctrl+A and Ctrl+C as the characters their keys type.
    PostMessageW(Edit, WM_CHAR, 0x01, 1);
    PostMessageW(Edit, WM_CHAR, 0x03, 1);
    tools::WaitUntil([&] { return !(Copied = ClipboardText()).empty(); }, 10s);
    SendMessageW(Edit, EM_GETSEL, reinterpret_cast<WPARAM>(&SelectionStart), reinterpret_cast<LPARAM>(&SelectionEnd));
    test::PostKey(Edit, Case.Key);
    if (!tools::WaitUntil([&] { return IsWindow(Box) == FALSE; }, 10s)) PostMessageW(Box, WM_COMMAND, IDOK, 0);
  });
  const TMessageResult Result = Dialogs.ShowMessage(Case.Kind, Text);
  User.join();
  EXPECT_TRUE(FieldHadFocus) << "the text field does not have the keyboard";
  EXPECT_TRUE(Copied == Text) << "copied " << Copied.size() << " characters of " << Text.size();
  EXPECT_EQ(SelectionStart, 0u);
  EXPECT_GE(SelectionEnd, Widen(Text).size()) << "not the whole text is selected";
  EXPECT_EQ(Result, Case.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Win32LongMessageKeys,
    ::testing::Values(TKeyCase{"EnterOnError", TMessageKind::mkError, VK_RETURN, TMessageResult::mrOk},
                      TKeyCase{"EscapeOnError", TMessageKind::mkError, VK_ESCAPE, TMessageResult::mrOk},
                      TKeyCase{"EnterOnQuestion", TMessageKind::mkConfirmation, VK_RETURN, TMessageResult::mrYes},
                      TKeyCase{"EscapeOnQuestion", TMessageKind::mkConfirmation, VK_ESCAPE, TMessageResult::mrNo}),
    [](const ::testing::TestParamInfo<TKeyCase>& AInfo) { return std::string(AInfo.param.Name); });

TEST(Win32DialogsOwner, TheMainWindowOwnsTheBoxWhileItExists) {
  test::TTestWindow Main;
  TWin32Dialogs Dialogs([&] { return Main.Handle(); }, [] { return std::string(kApplicationTitle); });
  TSeenBox Seen;
  ShowAndAnswer(Dialogs, TMessageKind::mkInformation, "owned", IDOK, Seen);
  ASSERT_TRUE(Seen.Found);
  EXPECT_EQ(Seen.Owner, Main.Handle());
}

TEST(Win32DialogsOwner, AMirroredOwnersScrollingBoxIsMirrored) {
  test::TTestWindow Main;
  SetWindowLongPtrW(Main.Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Main.Handle(), GWL_EXSTYLE) | WS_EX_LAYOUTRTL);
  TWin32Dialogs Dialogs([&] { return Main.Handle(); }, [] { return std::string(kApplicationTitle); });
  TSeenBox Seen;
  ShowAndAnswer(Dialogs, TMessageKind::mkError, UnbrokenRun(), IDOK, Seen);
  ASSERT_TRUE(Seen.HasEdit);
  EXPECT_EQ(Seen.Owner, Main.Handle());
  EXPECT_TRUE(Seen.Mirrored);
}

}  // namespace
}  // namespace nevra::win32
