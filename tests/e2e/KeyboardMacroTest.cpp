// The keyboard and the wheels: keys typed and wheel steps made on the display are recorded, without
// the hotkeys that start and stop the recording, and play back (the text into a fresh notepad, the
// steps onto the target); a key a playback holds down is let go when the playback is stopped; and a
// run presses a key taken from the keyboard instead of a mouse button.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "ClickTargetWindow.h"
#include "MacroFile.h"
#include "MessageWait.h"
#include "ProgramTest.h"
#include "SyntheticInput.h"
#include "XServerInput.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;
using tools::TMacroFileEvent;

constexpr auto kTimeout = 30s;
constexpr int kKeyDown = 3, kKeyUp = 4, kWheel = 5, kHorizontalWheel = 6;
constexpr POINT kWheelPoint{200, 150};

bool IsKey(const TMacroFileEvent& AEvent) { return AEvent.Kind == kKeyDown || AEvent.Kind == kKeyUp; }
bool IsWheel(const TMacroFileEvent& AEvent) { return AEvent.Kind == kWheel || AEvent.Kind == kHorizontalWheel; }

// A notepad of its own, ended with its process (it would ask whether to save what was typed).
class TNotepad {
 public:
  TNotepad() {
    STARTUPINFOW Startup{};
    Startup.cb = sizeof(Startup);
    std::wstring CommandLine = L"notepad.exe";
    if (CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Startup,
                       &FProcess) == FALSE)
      return;
    tools::WaitUntil([&] { return (FWindow = FindMainWindow()) != nullptr; }, kTimeout);
  }
  ~TNotepad() {
    if (FProcess.hProcess == nullptr) return;
    TerminateProcess(FProcess.hProcess, 0);
    WaitForSingleObject(FProcess.hProcess, 5000);
    CloseHandle(FProcess.hThread);
    CloseHandle(FProcess.hProcess);
  }
  TNotepad(const TNotepad&) = delete;
  TNotepad& operator=(const TNotepad&) = delete;

  HWND Window() const { return FWindow; }
  std::wstring Text() const {
    const HWND Edit = FindWindowExW(FWindow, nullptr, L"Edit", nullptr);
    if (Edit == nullptr) return L"?";
    wchar_t Buffer[256] = {};
    SendMessageTimeoutW(Edit, WM_GETTEXT, std::size(Buffer), reinterpret_cast<LPARAM>(Buffer), SMTO_NORMAL, 5000,
                        nullptr);
    return Buffer;
  }

 private:
  HWND FindMainWindow() const {
    struct TSearch {
      DWORD ProcessId;
      HWND Found;
    } Search{FProcess.dwProcessId, nullptr};
    EnumWindows(
        [](HWND AWindow, LPARAM AParam) -> BOOL {
          auto& S = *reinterpret_cast<TSearch*>(AParam);
          DWORD Owner = 0;
          GetWindowThreadProcessId(AWindow, &Owner);
          if (Owner != S.ProcessId || !IsWindowVisible(AWindow)) return TRUE;
          S.Found = AWindow;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&Search));
    return Search.Found;
  }

  PROCESS_INFORMATION FProcess{};
  HWND FWindow = nullptr;
};

// Gives a window of this session the X server's keyboard focus, so the keys typed on the display
// (xdotool) reach it. With no window manager Wine does not always move that focus to the window it
// activates (after a window that had the focus has gone, it is nowhere); it keeps each window's X
// window in the "__wine_x11_whole_window" property.
bool FocusOnDisplay(HWND AWindow) {
  const auto XWindow = reinterpret_cast<uintptr_t>(GetPropW(AWindow, L"__wine_x11_whole_window"));
  return XWindow != 0 && tools::RunXdotool(L"windowfocus --sync " + std::to_wstring(XWindow));
}

// A left click made on the display itself, at a point of the screen; the window clicked then has
// the keyboard.
bool ClickOnDisplay(POINT APoint) {
  return tools::RunXdotool(L"mousemove --sync " + std::to_wstring(APoint.x) + L" " + std::to_wstring(APoint.y) +
                           L" click 1") &&
         FocusOnDisplay(GetAncestor(WindowFromPoint(APoint), GA_ROOT));
}

POINT CentreOf(HWND AWindow) {
  RECT Bounds{};
  GetWindowRect(AWindow, &Bounds);
  return {(Bounds.left + Bounds.right) / 2, (Bounds.top + Bounds.bottom) / 2};
}

class KeyboardMacro : public TProgramTest {
 protected:
  void PressHotkey(WORD AKey) const {
    SetForegroundWindow(Target.Handle());
    tools::PressKeys({VK_CONTROL, VK_SHIFT, AKey});
  }

  bool PlayedOnce() const {
    return Window().WaitForStatus("Completed macro repeat count. Runs done: 1", kTimeout) &&
           tools::WaitUntil([&] { return Window().Enabled("btnStart"); }, kTimeout);
  }

  std::filesystem::path OnlyMacroFile() const {
    std::vector<std::filesystem::path> Files;
    for (const auto& Entry : std::filesystem::directory_iterator(MacrosFolder())) Files.push_back(Entry.path());
    return Files.size() == 1 ? Files[0] : std::filesystem::path();
  }

  tools::TClickTargetWindow Target{tools::kClickTargetBounds, tools::kClickTargetCaption};
};

TEST_F(KeyboardMacro, TypedKeysAndWheelStepsAreRecordedWithoutTheHotkeysAndPlayBack) {
  Window().Click("rbMacros");
  Window().Click("btnCreateMacros");
  // The start-macros hotkey cuts the countdown short; its keys are not part of the recording.
  PressHotkey('R');
  ASSERT_TRUE(tools::WaitUntil(
      [&] {
        return Window().Caption().rfind("  Recording", 0) == 0 &&
               Window().Caption().find("starts") == std::string::npos;
      },
      kTimeout))
      << "caption: " << Window().Caption();

  // Clicked, typed into and turned on the display itself: through Wine's drivers, as a user's input
  // comes. The click is part of the macro, as a user clicks into a field before typing.
  ASSERT_TRUE(ClickOnDisplay(kWheelPoint));
  ASSERT_TRUE(tools::WaitUntil([&] { return GetForegroundWindow() == Target.Handle(); }, kTimeout));
  ASSERT_TRUE(tools::RunXdotool(L"key --delay 60 h e l l o"));
  ASSERT_TRUE(tools::WaitUntil([&] { return Target.Typed().find(L"o") != std::wstring::npos; }, kTimeout))
      << "the target got " << Target.Typed().size() << " characters";
  // Buttons 4 to 7 of the X server are the wheels: 5 a step down, 7 one to the right.
  // The pointer is still where the click was.
  ASSERT_TRUE(tools::RunXdotool(L"click --repeat 3 --delay 60 5 click 7"));
  ASSERT_TRUE(tools::WaitUntil([&] { return Target.Wheel().size() == 4; }, 10s))
      << "wheel steps: " << Target.Wheel().size();
  const std::vector<tools::TWheelRecord> UserWheel = Target.Wheel();
  PressHotkey('X');
  ASSERT_TRUE(tools::WaitUntil([&] { return Window().Caption() == tools::kMainWindowCaption; }, kTimeout))
      << "the recording did not stop";

  // The file: the five keys down and up, in order, and nothing of Ctrl, Shift, R or X.
  const std::filesystem::path File = OnlyMacroFile();
  ASSERT_FALSE(File.empty());
  const tools::TMacroFile Macro = tools::ReadMacroFile(File);
  std::vector<std::pair<int, int>> Keys;
  for (const TMacroFileEvent& Event : Macro.Events)
    if (IsKey(Event)) Keys.emplace_back(Event.Kind, Event.X);
  std::vector<std::pair<int, int>> Typed;
  for (const int Key : {'H', 'E', 'L', 'L', 'O'}) {
    Typed.emplace_back(kKeyDown, Key);
    Typed.emplace_back(kKeyUp, Key);
  }
  EXPECT_EQ(Keys, Typed);
  std::vector<TMacroFileEvent> Wheel;
  for (const TMacroFileEvent& Event : Macro.Events)
    if (IsWheel(Event)) Wheel.push_back({0, Event.Kind, Event.X, Event.Y, Event.Button});
  const std::vector<TMacroFileEvent> UserSteps{{0, kWheel, kWheelPoint.x, kWheelPoint.y, -120},
                                               {0, kWheel, kWheelPoint.x, kWheelPoint.y, -120},
                                               {0, kWheel, kWheelPoint.x, kWheelPoint.y, -120},
                                               {0, kHorizontalWheel, kWheelPoint.x, kWheelPoint.y, 120}};
  EXPECT_EQ(Wheel, UserSteps);

  // Played with the target in front, started by the hotkey as a user who works in another
  // window starts it: the same steps reach the target.
  Target.Clear();
  Window().Click("rbRepeatCount");
  Window().SetText("seRepeat", "1");
  PressHotkey('S');
  ASSERT_TRUE(PlayedOnce()) << "status: " << Window().Status();
  tools::WaitUntil([&] { return Target.Wheel().size() >= UserWheel.size(); }, 5s);
  tools::PumpFor(300ms);
  EXPECT_EQ(Target.Wheel(), UserWheel);

  // And the typing, into a notepad that has never seen it, where the target was: the recorded
  // click lands in its text.
  ShowWindow(Target.Handle(), SW_HIDE);
  TNotepad Notepad;
  ASSERT_NE(Notepad.Window(), nullptr) << "notepad did not start";
  const RECT& Where = tools::kClickTargetBounds;
  SetWindowPos(Notepad.Window(), HWND_TOP, Where.left, Where.top, Where.right - Where.left, Where.bottom - Where.top,
               0);
  ASSERT_TRUE(ClickOnDisplay(CentreOf(Notepad.Window())));
  tools::PumpFor(300ms);
  tools::PressKeys({VK_CONTROL, VK_SHIFT, 'S'});
  ASSERT_TRUE(PlayedOnce()) << "status: " << Window().Status();
  EXPECT_TRUE(tools::WaitUntil([&] { return Notepad.Text() == L"hello"; }, kTimeout))
      << "notepad holds " << Notepad.Text().size() << " characters";
}

TEST_F(KeyboardMacro, AKeyHeldByAStoppedPlaybackIsReleased) {
  CloseProgram();
  std::filesystem::create_directories(MacrosFolder());
  // 'A' goes down, twenty seconds pass, it comes up.
  const int ScanA = static_cast<int>(MapVirtualKeyW('A', MAPVK_VK_TO_VSC));
  tools::WriteMacroFile(MacrosFolder() / "held.nevramac",
                        {"Held key", 20100, {{100, kKeyDown, 'A', ScanA, 0}, {20100, kKeyUp, 'A', ScanA, 0}}});
  StartProgram();
  Window().Click("rbMacros");
  ASSERT_TRUE(Window().WaitForListCount("lbMacros", 1, std::chrono::seconds(10)));
  Window().SelectListEntry("lbMacros", 0);
  SetForegroundWindow(Target.Handle());
  Window().PostClick("btnStart");
  ASSERT_TRUE(tools::WaitUntil([] { return (GetAsyncKeyState('A') & 0x8000) != 0; }, 10s))
      << "the macro's key did not go down";
  tools::PumpFor(500ms);
  Window().PostClick("btnStop");
  ASSERT_TRUE(Window().WaitForStatus("Stopped by button. Runs done: 0", kTimeout)) << "status: " << Window().Status();
  EXPECT_TRUE(tools::WaitUntil([] { return (GetAsyncKeyState('A') & 0x8000) == 0; }, 1s)) << "the key is still down";
  EXPECT_EQ(Target.Typed().find_first_not_of(L'a'), std::wstring::npos) << "something else was typed";
}

// "Key" in the button list: the button takes the next key pressed on the display, Tab as well, and
// a counted run started by the hotkey over notepad types that key, with its Shift, at its
// interval, and leaves no key down.
TEST_F(KeyboardMacro, ARunPressesTheKeyTakenFromTheKeyboardIntoNotepadAtItsInterval) {
  constexpr int kKeyIndex = 3;
  Window().Select("cbButton", kKeyIndex);
  ASSERT_TRUE(tools::WaitUntil([&] { return Window().Enabled("btnKey"); }, kTimeout));
  EXPECT_EQ(Window().Text("btnKey"), "Space");
  ASSERT_TRUE(FocusOnDisplay(Window().Handle()));
  for (const auto& [Keys, Shown] : {std::pair{L"Tab", "Tab"}, std::pair{L"shift+x", "Shift+X"}}) {
    Window().Click("btnKey");
    ASSERT_TRUE(tools::WaitUntil([&] { return Window().Text("btnKey") == "Press a key..."; }, kTimeout));
    ASSERT_TRUE(tools::RunXdotool(std::wstring(L"key ") + Keys));
    EXPECT_TRUE(tools::WaitUntil([&] { return Window().Text("btnKey") == Shown; }, kTimeout))
        << "the button shows " << Window().Text("btnKey");
  }
  Window().Click("rbRepeatCount");
  Window().SetText("seRepeat", "5");

  TNotepad Notepad;
  ASSERT_NE(Notepad.Window(), nullptr) << "notepad did not start";
  SetWindowPos(Notepad.Window(), HWND_TOP, tools::kClickTargetBounds.right + 20, 0, 400, 300, 0);
  ASSERT_TRUE(ClickOnDisplay(CentreOf(Notepad.Window())));
  tools::PumpFor(300ms);
  const auto Started = std::chrono::steady_clock::now();
  tools::PressKeys({VK_CONTROL, VK_SHIFT, 'S'});
  ASSERT_TRUE(Window().WaitForStatus("Completed repeat count. Clicks done: 5", kTimeout))
      << "status: " << Window().Status();
  // Five keys one interval apart, the first an interval after the start, the end one after the last.
  EXPECT_GE(std::chrono::steady_clock::now() - Started, 600ms);
  EXPECT_TRUE(tools::WaitUntil([&] { return Notepad.Text() == L"XXXXX"; }, kTimeout))
      << "notepad holds " << Notepad.Text().size() << " characters";
  for (const int Key : {VK_SHIFT, int{'X'}})
    EXPECT_EQ(GetAsyncKeyState(Key) & 0x8000, 0) << "key " << Key << " is down";
}

}  // namespace
}  // namespace nevra::e2e
