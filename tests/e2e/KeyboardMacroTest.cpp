// Macros with the keyboard and the wheels: typed keys and wheel steps made outside the program are
// recorded, without the hotkeys that start and stop the recording, and the steps play back; a key
// a playback holds down is let go when the playback is stopped.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "ClickTargetWindow.h"
#include "MacroFile.h"
#include "MessageWait.h"
#include "ProgramTest.h"
#include "SyntheticInput.h"

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

TEST_F(KeyboardMacro, TypedKeysAndWheelStepsAreRecordedWithoutTheHotkeysAndTheStepsPlayBack) {
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

  SetForegroundWindow(Target.Handle());
  tools::TypeKeys({'H', 'E', 'L', 'L', 'O'});
  ASSERT_TRUE(tools::WaitUntil([&] { return Target.Typed().find(L"o") != std::wstring::npos; }, kTimeout))
      << "the target did not get the typing";
  tools::MoveCursorTo(kWheelPoint);
  for (const int Delta : {-120, -120, -120}) tools::SendWheel(Delta);
  tools::SendWheel(120, true);
  ASSERT_TRUE(tools::WaitUntil([&] { return Target.Wheel().size() == 4; }, kTimeout));
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
}

// Not yet passing under Wine: a fresh notepad receives the played text, but the click target of
// this process gets only the first two or three characters, though it stays active and focused
// throughout the playback (seen with GetGUIThreadInfo).
TEST_F(KeyboardMacro, DISABLED_PlayedKeysTypeTheSameTextIntoTheTargetAndAFreshNotepad) {
  CloseProgram();
  std::filesystem::create_directories(MacrosFolder());
  tools::TMacroFile Hello{"Hello", 0, {}};
  uint32_t At = 100;
  for (const int Key : {'H', 'E', 'L', 'L', 'O'}) {
    const int Scan = static_cast<int>(MapVirtualKeyW(static_cast<UINT>(Key), MAPVK_VK_TO_VSC));
    Hello.Events.push_back({At, kKeyDown, Key, Scan, 0});
    Hello.Events.push_back({At + 20, kKeyUp, Key, Scan, 0});
    At += 50;
  }
  Hello.DurationMs = Hello.Events.back().DeltaMs;
  tools::WriteMacroFile(MacrosFolder() / "hello.nevramac", Hello);
  StartProgram();
  Window().Click("rbMacros");
  ASSERT_TRUE(Window().WaitForListCount("lbMacros", 1, std::chrono::seconds(10)));
  Window().SelectListEntry("lbMacros", 0);
  Window().Click("rbRepeatCount");
  Window().SetText("seRepeat", "1");

  PressHotkey('S');
  ASSERT_TRUE(PlayedOnce()) << "status: " << Window().Status();
  tools::PumpFor(300ms);
  EXPECT_EQ(Target.Typed(), L"hello");

  TNotepad Notepad;
  ASSERT_NE(Notepad.Window(), nullptr) << "notepad did not start";
  SetForegroundWindow(Notepad.Window());
  tools::PumpFor(300ms);
  tools::PressKeys({VK_CONTROL, VK_SHIFT, 'S'});
  EXPECT_TRUE(tools::WaitUntil([&] { return Notepad.Text() == L"hello"; }, kTimeout));
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

}  // namespace
}  // namespace nevra::e2e
