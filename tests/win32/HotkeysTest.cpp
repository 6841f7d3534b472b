// Global hotkeys: registered, pressed on the keyboard (running their handlers), unregistered.
#include "platform/Hotkeys.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "MessageWait.h"
#include "TestWindow.h"
#include "platform/EventDispatcher.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/services/Win32Hotkeys.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;
namespace Mod = HotkeyModifiers;

struct THotkeyMessage {
  WPARAM Id;
  LPARAM Keys;
};

// Presses the combination on the keyboard, as a user would: modifiers down, key down and up,
// modifiers up, in one SendInput.
void PressCombination(uint32_t AModifiers, UINT AVk) {
  std::vector<WORD> Modifiers;
  if (AModifiers & Mod::Control) Modifiers.push_back(VK_CONTROL);
  if (AModifiers & Mod::Shift) Modifiers.push_back(VK_SHIFT);
  if (AModifiers & Mod::Alt) Modifiers.push_back(VK_MENU);
  if (AModifiers & Mod::Win) Modifiers.push_back(VK_LWIN);
  std::vector<INPUT> Inputs;
  const auto Key = [&](WORD AKey, bool ADown) {
    INPUT Input{};
    Input.type = INPUT_KEYBOARD;
    Input.ki.wVk = AKey;
    Input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(AKey, MAPVK_VK_TO_VSC));
    Input.ki.dwFlags = ADown ? 0 : KEYEVENTF_KEYUP;
    Inputs.push_back(Input);
  };
  for (WORD Modifier : Modifiers) Key(Modifier, true);
  Key(static_cast<WORD>(AVk), true);
  Key(static_cast<WORD>(AVk), false);
  for (auto It = Modifiers.rbegin(); It != Modifiers.rend(); ++It) Key(*It, false);
  ASSERT_EQ(SendInput(static_cast<UINT>(Inputs.size()), Inputs.data(), sizeof(INPUT)), Inputs.size());
}

// A hidden window that collects its WM_HOTKEY messages.
class THotkeyWindow {
 public:
  THotkeyWindow() {
    Window.OnMessage = [this](UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
      if (AMessage != WM_HOTKEY) return false;
      Received.push_back({AWParam, ALParam});
      return true;
    };
  }
  HWND Handle() const { return Window.Handle(); }
  size_t CountOf(WPARAM AId) const {
    size_t Count = 0;
    for (const THotkeyMessage& Message : Received) Count += Message.Id == AId;
    return Count;
  }
  bool WaitFor(WPARAM AId) {
    return tools::WaitUntil([&] { return CountOf(AId) > 0; }, 5s);
  }

  test::TTestWindow Window;
  std::vector<THotkeyMessage> Received;
};

// A hotkey of its own marks the point where the keyboard input before it has been worked
// through, so "nothing arrived" needs no fixed wait.
constexpr int kMarkerId = 77;
constexpr UINT kMarkerModifiers = MOD_CONTROL | MOD_ALT;
constexpr UINT kMarkerVk = VK_F11;

class Win32Hotkeys : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(RegisterHotKey(Marker.Handle(), kMarkerId, kMarkerModifiers, kMarkerVk)); }
  void TearDown() override {
    UnregisterHotKey(Marker.Handle(), kMarkerId);
    for (int32_t Id : {1001, 1002, 1003}) Hotkeys.Unregister(Id);
  }
  // Presses the marker and waits until it arrived: every earlier key press has been handled.
  void WaitForEarlierInput() {
    const size_t Before = Marker.CountOf(kMarkerId);
    PressCombination(Mod::Control | Mod::Alt, kMarkerVk);
    ASSERT_TRUE(tools::WaitUntil([&] { return Marker.CountOf(kMarkerId) > Before; }, 5s))
        << "the marker hotkey never came";
  }

  // Registers the combination with a handler that notes the id's press.
  bool Register(int32_t AId, uint32_t AModifiers, UINT AVk) {
    return Hotkeys.Register(AId, AModifiers, AVk, [this, AId] { Pressed.push_back(AId); });
  }
  size_t CountOf(int32_t AId) const { return static_cast<size_t>(std::count(Pressed.begin(), Pressed.end(), AId)); }
  bool WaitFor(int32_t AId) {
    return tools::WaitUntil([&] { return CountOf(AId) > 0; }, 5s);
  }

  THotkeyWindow Marker;
  fake::TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher{Dialogs};
  TWin32Hotkeys Hotkeys{Dispatcher};
  std::vector<int32_t> Pressed;
};

struct TCombination {
  const char* Name;
  uint32_t Modifiers;
  UINT Vk;
};
void PrintTo(const TCombination& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

class Win32HotkeyCombinations : public Win32Hotkeys, public ::testing::WithParamInterface<TCombination> {};

TEST_P(Win32HotkeyCombinations, PressedCombinationArrivesWithItsIdUntilUnregistered) {
  const TCombination& Combination = GetParam();
  ASSERT_TRUE(Register(1001, Combination.Modifiers | Mod::NoRepeat, Combination.Vk));
  PressCombination(Combination.Modifiers, Combination.Vk);
  ASSERT_TRUE(WaitFor(1001));
  WaitForEarlierInput();
  EXPECT_EQ(Pressed, std::vector<int32_t>{1001});

  Hotkeys.Unregister(1001);
  PressCombination(Combination.Modifiers, Combination.Vk);
  WaitForEarlierInput();
  EXPECT_EQ(Pressed.size(), 1u) << "a press after Unregister still arrived";
}

INSTANTIATE_TEST_SUITE_P(Keys, Win32HotkeyCombinations,
                         ::testing::Values(TCombination{"CtrlShiftS", Mod::Control | Mod::Shift, 'S'},
                                           TCombination{"CtrlShiftX", Mod::Control | Mod::Shift, 'X'},
                                           TCombination{"AltF7", Mod::Alt, VK_F7}, TCombination{"F8Alone", 0, VK_F8}),
                         [](const ::testing::TestParamInfo<TCombination>& AInfo) {
                           return std::string(AInfo.param.Name);
                         });

TEST_F(Win32Hotkeys, OnlyThePressedCombinationOfSeveralFires) {
  Register(1001, Mod::Control | Mod::Shift | Mod::NoRepeat, 'S');
  Register(1002, Mod::Control | Mod::Shift | Mod::NoRepeat, 'X');
  Register(1003, Mod::Control | Mod::Shift | Mod::NoRepeat, 'R');
  PressCombination(Mod::Control | Mod::Shift, 'X');
  PressCombination(Mod::Shift, 'S');  // a modifier short: not the start hotkey
  WaitForEarlierInput();
  EXPECT_EQ(Pressed, std::vector<int32_t>{1002});
}

TEST_F(Win32Hotkeys, RegisteredCombinationIsTakenForOthers) {
  THotkeyWindow Other;
  ASSERT_TRUE(Register(1001, Mod::Control | Mod::Shift | Mod::NoRepeat, 'S'));
  EXPECT_FALSE(Register(1001, Mod::Control | Mod::Shift | Mod::NoRepeat, 'Q')) << "the id is in use";
  EXPECT_FALSE(RegisterHotKey(Other.Handle(), 5, MOD_CONTROL | MOD_SHIFT, 'S'));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
  Hotkeys.Unregister(1001);
  EXPECT_TRUE(RegisterHotKey(Other.Handle(), 5, MOD_CONTROL | MOD_SHIFT, 'S')) << "Unregister left it taken";
  UnregisterHotKey(Other.Handle(), 5);
}

TEST_F(Win32Hotkeys, CombinationTakenByAnotherWindowIsRefusedAndStaysTheirs) {
  THotkeyWindow Other;
  ASSERT_TRUE(RegisterHotKey(Other.Handle(), 5, MOD_CONTROL | MOD_SHIFT, 'S'));
  EXPECT_FALSE(Register(1001, Mod::Control | Mod::Shift | Mod::NoRepeat, 'S'));
  PressCombination(Mod::Control | Mod::Shift, 'S');
  EXPECT_TRUE(Other.WaitFor(5));
  WaitForEarlierInput();
  EXPECT_TRUE(Pressed.empty());
  UnregisterHotKey(Other.Handle(), 5);
}

TEST(Win32HotkeyNames, KeysOfTheLayoutHaveNamesAndKeysWithoutAScanCodeHaveNone) {
  fake::TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher{Dialogs};
  TWin32Hotkeys Hotkeys{Dispatcher};
  EXPECT_EQ(Hotkeys.KeyName('A'), "A");
  EXPECT_EQ(Hotkeys.KeyName(VK_F5), "F5");
  // Punctuation keys: the US layout's names (Wine's default layout).
  for (UINT Vk : {VK_OEM_1, VK_OEM_PLUS, VK_OEM_COMMA, VK_SPACE})
    EXPECT_FALSE(Hotkeys.KeyName(Vk).empty()) << "VK " << Vk;
  // Mouse buttons and unassigned codes have no scan code.
  for (UINT Vk : {0u, static_cast<UINT>(VK_LBUTTON), 0xE8u}) EXPECT_EQ(Hotkeys.KeyName(Vk), "") << "VK " << Vk;
}

}  // namespace
}  // namespace nevra::win32
