// Synthesised key input: what a focused window of the test receives from it, and what the
// recorder's keyboard hook reads back from it.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "MessageWait.h"
#include "TestWindow.h"
#include "engine/KeyRecords.h"
#include "platform/win32/services/Win32KeyboardHook.h"
#include "platform/win32/services/Win32KeyboardInput.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;

// A key pressed and released as the player sends it: virtual key with its scan code.
void Type(TWin32KeyboardInput& AInput, WORD AVk, bool AExtended = false) {
  const UINT Scan = MapVirtualKeyW(AVk, MAPVK_VK_TO_VSC);
  AInput.SendKeyInput(KeyRecord(AVk, Scan, AExtended, true));
  AInput.SendKeyInput(KeyRecord(AVk, Scan, AExtended, false));
}

TEST(Win32KeyboardInput, AFocusedWindowGetsTheKeysAndTheirCharacters) {
  test::TTestWindow Window;
  std::wstring Typed;
  std::vector<WPARAM> Downs, Ups;
  Window.OnMessage = [&](UINT AMessage, WPARAM AWParam, LPARAM) {
    if (AMessage == WM_CHAR) Typed += static_cast<wchar_t>(AWParam);
    if (AMessage == WM_KEYDOWN) Downs.push_back(AWParam);
    if (AMessage == WM_KEYUP) Ups.push_back(AWParam);
    return false;
  };
  ShowWindow(Window.Handle(), SW_SHOW);
  SetForegroundWindow(Window.Handle());
  SetFocus(Window.Handle());
  ASSERT_TRUE(tools::WaitUntil([&] { return GetFocus() == Window.Handle(); }, 5s));

  TWin32KeyboardInput Input;
  Type(Input, 'H');
  Type(Input, 'I');
  EXPECT_TRUE(tools::WaitUntil([&] { return Ups.size() >= 2; }, 5s));
  EXPECT_EQ(Typed, L"hi");
  EXPECT_EQ(Downs, (std::vector<WPARAM>{'H', 'I'}));
  EXPECT_EQ(Ups, (std::vector<WPARAM>{'H', 'I'}));
}

// What the recorder reads of a key: the virtual key, the scan code and the extended flag that
// tells the arrow block's Right from the keypad's 6.
TEST(Win32KeyboardInput, TheHookReadsBackTheKeysCodes) {
  std::vector<TKeyEvent> Events;
  TWin32KeyboardHook Hook;
  ASSERT_TRUE(Hook.Install([&](const TKeyEvent& AEvent) {
    Events.push_back(AEvent);
    return true;  // taken: the key reaches no window of the desktop
  }));
  TWin32KeyboardInput Input;
  Type(Input, VK_RIGHT, true);
  ASSERT_TRUE(tools::WaitUntil([&] { return Events.size() >= 2; }, 5s));
  const auto Scan = MapVirtualKeyW(VK_RIGHT, MAPVK_VK_TO_VSC);
  EXPECT_EQ(Events[0].Vk, static_cast<uint32_t>(VK_RIGHT));
  EXPECT_EQ(Events[0].ScanCode, Scan);
  EXPECT_TRUE(Events[0].Down);
  EXPECT_TRUE(Events[0].Extended);
  EXPECT_FALSE(Events[1].Down);
  EXPECT_TRUE(Events[1].Extended);
}

}  // namespace
}  // namespace nevra::win32
