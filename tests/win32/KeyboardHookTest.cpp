// The low-level keyboard hook: what it sees of key input with the modifiers held, and that a key
// it takes reaches no hotkey, not even one this thread holds.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "MessageWait.h"
#include "platform/InputCodes.h"
#include "platform/win32/services/Win32KeyboardHook.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;

void SendKey(WORD AVk, bool ADown) {
  INPUT Input{};
  Input.type = INPUT_KEYBOARD;
  Input.ki.wVk = AVk;
  Input.ki.dwFlags = ADown ? 0 : KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(1, &Input, sizeof(INPUT)), 1u);
}

// Ctrl+Alt+F7 pressed and released, as a user would.
void PressCtrlAltF7() {
  SendKey(VK_CONTROL, true);
  SendKey(VK_MENU, true);
  SendKey(VK_F7, true);
  SendKey(VK_F7, false);
  SendKey(VK_MENU, false);
  SendKey(VK_CONTROL, false);
}

class Win32KeyboardHook : public ::testing::Test {
 protected:
  void TearDown() override { UnregisterHotKey(nullptr, kHotkeyId); }
  bool SeenF7Release() const {
    return std::any_of(Events.begin(), Events.end(), [](const TKeyEvent& E) { return E.Vk == VK_F7 && !E.Down; });
  }
  // Whether this thread's hotkey fired, pumping messages until the keys have been seen.
  bool HotkeyArrives() {
    bool Fired = false;
    tools::WaitUntil(
        [&] {
          MSG Message;
          while (PeekMessageW(&Message, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) Fired = true;
          return Fired && SeenF7Release();
        },
        2s);
    return Fired;
  }

  static constexpr int kHotkeyId = 7;
  std::vector<TKeyEvent> Events;
  TWin32KeyboardHook Hook;
};

TEST_F(Win32KeyboardHook, SeesEveryKeyWithTheModifiersHeldAsItHappened) {
  ASSERT_TRUE(Hook.Install([this](const TKeyEvent& AEvent) {
    Events.push_back(AEvent);
    return false;
  }));
  PressCtrlAltF7();
  ASSERT_TRUE(tools::WaitUntil([&] { return Events.size() >= 6; }, 5s)) << Events.size() << " events";
  const auto F7Down = std::find_if(Events.begin(), Events.end(), [](const TKeyEvent& E) { return E.Vk == VK_F7; });
  ASSERT_NE(F7Down, Events.end());
  EXPECT_TRUE(F7Down->Down);
  EXPECT_TRUE(F7Down->Injected);
  EXPECT_EQ(F7Down->Modifiers, HotkeyModifiers::Control | HotkeyModifiers::Alt);
  EXPECT_TRUE(VirtualKeys::IsModifier(Events.front().Vk)) << "the Ctrl key, on its side: " << Events.front().Vk;
  EXPECT_EQ(Events.front().Modifiers, 0u) << "nothing was held before it";
  Hook.Remove();
  EXPECT_FALSE(Hook.Installed());
}

// What the Hotkeys dialog relies on: the hook sees a combination before the hotkey that holds it.
TEST_F(Win32KeyboardHook, AKeyItTakesReachesNoHotkey) {
  ASSERT_TRUE(RegisterHotKey(nullptr, kHotkeyId, MOD_CONTROL | MOD_ALT, VK_F7));
  ASSERT_TRUE(Hook.Install([this](const TKeyEvent& AEvent) {
    Events.push_back(AEvent);
    return AEvent.Vk == VK_F7;
  }));
  PressCtrlAltF7();
  EXPECT_FALSE(HotkeyArrives());
  EXPECT_TRUE(SeenF7Release());

  Hook.Remove();
  Events.clear();
  ASSERT_TRUE(Hook.Install([this](const TKeyEvent& AEvent) {
    Events.push_back(AEvent);
    return false;
  }));
  PressCtrlAltF7();
  EXPECT_TRUE(HotkeyArrives()) << "a key passed on reaches the hotkey";
}

}  // namespace
}  // namespace nevra::win32
