// The pop-up menu (the language menu): its items, where it opens, and what choosing or
// dismissing it returns.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "MessageBoxFinder.h"
#include "TestWindow.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/view/Win32PopupMenu.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;

struct TSeenItem {
  std::string Text;
  bool Checked;
  bool operator==(const TSeenItem&) const = default;
};

void PrintTo(const TSeenItem& AItem, std::ostream* AOut) {
  *AOut << "\"" << AItem.Text << "\"" << (AItem.Checked ? " checked" : "");
}

// What another thread saw of the open menu before it pressed its keys.
struct TSeenMenu {
  bool Found = false;
  std::vector<TSeenItem> Items;
  RECT Bounds{};
  bool Mirrored = false;              // the menu window is laid out from the right
  bool ItemsReadFromTheRight = true;  // every item has MFT_RIGHTORDER
};

const std::vector<TMenuItem> kItems{{"English", 0, false}, {"Fish & Chips", 1, true}, {"Deutsch", 2, false}};

// Shows the menu on this thread; another finds it, notes its items and presses AKeys.
std::optional<size_t> ShowAndPress(HWND AOwner, const std::vector<TMenuItem>& AItems, POINT AAt,
                                   const std::vector<WPARAM>& AKeys, TSeenMenu& ASeen) {
  const DWORD GuiThread = GetCurrentThreadId();
  std::thread User([&] {
    const HWND Menu = test::WaitForThreadWindow(GuiThread, tools::kPopupMenuClass, 10s);
    if (Menu == nullptr) return;
    ASeen.Found = true;
    GetWindowRect(Menu, &ASeen.Bounds);
    ASeen.Mirrored = (GetWindowLongPtrW(Menu, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    const auto Items = reinterpret_cast<HMENU>(SendMessageW(Menu, MN_GETHMENU, 0, 0));
    for (int I = 0; I < GetMenuItemCount(Items); ++I) {
      wchar_t Text[64] = {};
      GetMenuStringW(Items, static_cast<UINT>(I), Text, 64, MF_BYPOSITION);
      ASeen.Items.push_back(
          {Narrow(Text), (GetMenuState(Items, static_cast<UINT>(I), MF_BYPOSITION) & MF_CHECKED) != 0});
    }
    // The menu's own loop takes the keys from its thread's queue.
    for (WPARAM Key : AKeys) test::PostKey(Menu, Key);
  });
  const std::optional<size_t> Chosen = TrackMenu(AOwner, AItems, AAt);
  User.join();
  return Chosen;
}

struct TPickCase {
  const char* Name;
  std::vector<WPARAM> Keys;
  std::optional<size_t> Expected;
};
void PrintTo(const TPickCase& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

class Win32PopupMenu : public ::testing::TestWithParam<TPickCase> {
 protected:
  void SetUp() override { ShowWindow(Owner.Handle(), SW_SHOW); }
  test::TTestWindow Owner{WS_OVERLAPPEDWINDOW, 300, 200};
};

TEST_P(Win32PopupMenu, ShowsTheItemsAtThePointAndReturnsTheChoice) {
  TSeenMenu Seen;
  const std::optional<size_t> Chosen = ShowAndPress(Owner.Handle(), kItems, POINT{120, 90}, GetParam().Keys, Seen);
  ASSERT_TRUE(Seen.Found) << "no menu opened";
  // "&" is doubled so that it shows as itself instead of underlining the next letter.
  const std::vector<TSeenItem> Expected{{"English", false}, {"Fish && Chips", true}, {"Deutsch", false}};
  EXPECT_EQ(Seen.Items, Expected);
  EXPECT_EQ(Seen.Bounds.left, 120);
  EXPECT_EQ(Seen.Bounds.top, 90);
  EXPECT_FALSE(Seen.Mirrored);
  EXPECT_EQ(Chosen, GetParam().Expected);
}

TEST(Win32PopupMenuMirrored, AMirroredOwnersMenuReadsFromTheRightWithItsTopRightCornerAtThePoint) {
  test::TTestWindow Owner{WS_OVERLAPPEDWINDOW, 300, 200};
  SetWindowLongPtrW(Owner.Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Owner.Handle(), GWL_EXSTYLE) | WS_EX_LAYOUTRTL);
  ShowWindow(Owner.Handle(), SW_SHOW);
  TSeenMenu Seen;
  const std::optional<size_t> Chosen =
      ShowAndPress(Owner.Handle(), kItems, POINT{420, 90}, {VK_DOWN, VK_DOWN, VK_RETURN}, Seen);
  ASSERT_TRUE(Seen.Found) << "no menu opened";
  EXPECT_TRUE(Seen.Mirrored) << "the menu is laid out from the left";
  // Still the same items, and as wide as in a window read from the left (not squeezed).
  EXPECT_EQ(Seen.Items.size(), kItems.size());
  EXPECT_GT(Seen.Bounds.right - Seen.Bounds.left, 60);
  EXPECT_EQ(Seen.Bounds.right, 420);
  EXPECT_EQ(Seen.Bounds.top, 90);
  EXPECT_EQ(Chosen, size_t{1});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Win32PopupMenu,
    ::testing::Values(TPickCase{"FirstItem", {VK_DOWN, VK_RETURN}, size_t{0}},
                      TPickCase{"LastItem", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, size_t{2}},
                      TPickCase{"UpWrapsAround", {VK_UP, VK_UP, VK_UP, VK_UP, VK_RETURN}, size_t{2}},
                      TPickCase{"Escape", {VK_DOWN, VK_ESCAPE}, std::nullopt}),
    [](const ::testing::TestParamInfo<TPickCase>& AInfo) { return std::string(AInfo.param.Name); });

}  // namespace
}  // namespace nevra::win32
