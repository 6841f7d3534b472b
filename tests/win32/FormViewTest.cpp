// The native view: one standard control per model control, mirrored both ways.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "MainWindowCaption.h"
#include "MessageWait.h"
#include "TestWindow.h"
#include "WindowSearch.h"
#include "engine/MouseRecords.h"
#include "platform/EventDispatcher.h"
#include "platform/InputCodes.h"
#include "platform/controls/ControlIds.h"
#include "platform/controls/StdControls.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Messages.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/services/Win32MouseInput.h"
#include "platform/win32/view/Win32FormView.h"
#include "platform/win32/view/Win32NativeHotkeyEdit.h"
#include "platform/win32/view/Win32NativeSpinBox.h"
#include "support/TestPrinters.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;

// One control of each kind the view knows, a radio group on the form and one in a group box.
struct TSampleForm : TForm {
  TSampleForm() : TForm("SampleForm", 400, 300) {
    Link.MakeLink();
    Tray.SetVisible(false);  // its messages reach the form's window all the same
  }
  TButton Button{this, this, "Button", {10, 10, 90, 35}};
  TCheckBox Check{this, this, "Check", {10, 45, 150, 64}};
  TRadioButton RadioA{this, this, "RadioA", {10, 70, 150, 89}};
  TRadioButton RadioB{this, this, "RadioB", {10, 95, 150, 114}};
  TSpinBox Spin{this, this, "Spin", {10, 120, 100, 143}, 0, 50};
  TComboBox Combo{this, this, "Combo", {10, 150, 150, 173}};
  TGroupBox Group{this, this, "Group", {200, 10, 390, 120}};
  TLabel InGroup{this, &Group, "InGroup", {10, 20, 150, 35}};
  TListBox List{this, this, "List", {200, 130, 390, 290}};
  TLabel Link{this, this, "Link", {10, 180, 150, 195}};
  THotkeyEdit Hotkey{this, this, "Hotkey", {10, 205, 150, 228}};
  TTrayIcon Tray{this, "Tray"};
};

class Win32FormView : public ::testing::Test {
 protected:
  void SetUp() override {
    Host.OnMessage = [this](UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
      if (!View) return false;  // the view's constructor already makes the controls talk
      if (AMessage == WM_COMMAND) return View->HandleCommand(AWParam, ALParam);
      if (AMessage == WM_NOTIFY) return View->HandleNotify(*reinterpret_cast<const NMHDR*>(ALParam), Host.Answer);
      return AMessage >= WM_APP && View->HandleFormMessage(AMessage, AWParam, ALParam);
    };
    View = std::make_unique<TWin32FormView>(Form, Host.Handle(), Dispatcher, 96);
  }
  void TearDown() override { View.reset(); }

  HWND Native(const TControl& AControl) const { return GetDlgItem(Host.Handle(), test::ControlIdOf(Form, AControl)); }
  HWND UpDown() const { return GetDlgItem(Host.Handle(), test::ControlIdOf(Form, Form.Spin) + kUpDownIdOffset); }
  bool NativeChecked(const TControl& AControl) const {
    return SendMessageW(Native(AControl), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  void Command(const TControl& AControl, WORD ACode) const {
    SendMessageW(Host.Handle(), WM_COMMAND, MAKEWPARAM(test::ControlIdOf(Form, AControl), ACode),
                 reinterpret_cast<LPARAM>(Native(AControl)));
  }

  TSampleForm Form;
  fake::TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher{Dialogs};
  test::TTestWindow Host{WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 420, 340};
  std::unique_ptr<TWin32FormView> View;
};

TEST_F(Win32FormView, EveryControlIsAStandardChildWithItsId) {
  struct TExpected {
    const TControl* Control;
    const wchar_t* Class;
  };
  for (const TExpected& Expected : {TExpected{&Form.Button, WC_BUTTONW},
                                    {&Form.Check, WC_BUTTONW},
                                    {&Form.RadioA, WC_BUTTONW},
                                    {&Form.Spin, WC_EDITW},
                                    {&Form.Combo, WC_COMBOBOXW},
                                    {&Form.Group, WC_BUTTONW},
                                    {&Form.InGroup, WC_STATICW},
                                    {&Form.List, WC_LISTBOXW},
                                    {&Form.Hotkey, HOTKEY_CLASSW}}) {
    HWND Window = Native(*Expected.Control);
    ASSERT_NE(Window, nullptr) << Expected.Control->Name();
    EXPECT_EQ(GetParent(Window), Host.Handle()) << Expected.Control->Name();
    EXPECT_EQ(_wcsicmp(tools::ClassName(Window).c_str(), Expected.Class), 0) << Expected.Control->Name();
  }
  ASSERT_NE(UpDown(), nullptr);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(UpDown(), UDM_GETBUDDY, 0, 0)), Native(Form.Spin));
}

TEST_F(Win32FormView, ModelChangesShowInTheWindows) {
  Form.Button.SetCaption("Start \xe2\x96\xb6");
  EXPECT_EQ(WindowTextUtf8(Native(Form.Button)), "Start \xe2\x96\xb6");
  Form.SetCaption(tools::kMainWindowCaption);
  EXPECT_EQ(WindowTextUtf8(Host.Handle()), tools::kMainWindowCaption);

  Form.Check.SetChecked(true);
  EXPECT_TRUE(NativeChecked(Form.Check));
  Form.RadioA.SetChecked(true);
  Form.RadioB.SetChecked(true);
  EXPECT_FALSE(NativeChecked(Form.RadioA));
  EXPECT_TRUE(NativeChecked(Form.RadioB));

  Form.Spin.SetValue(70);  // clamped to the range
  EXPECT_EQ(WindowTextUtf8(Native(Form.Spin)), "50");
  Form.Spin.SetText("abc");  // a spin box shows its text as typed
  EXPECT_EQ(WindowTextUtf8(Native(Form.Spin)), "abc");

  Form.Combo.SetItems({"Left", "Right", "Middle"});
  Form.Combo.SetItemIndex(2);
  EXPECT_EQ(SendMessageW(Native(Form.Combo), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(Native(Form.Combo), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(WindowTextUtf8(Native(Form.Combo)), "Middle");
  Form.Combo.SetItemIndex(7);
  EXPECT_EQ(SendMessageW(Native(Form.Combo), CB_GETCURSEL, 0, 0), CB_ERR);

  Form.List.SetItems({"one", "two"});
  Form.List.SetItemIndex(1);
  EXPECT_EQ(SendMessageW(Native(Form.List), LB_GETCURSEL, 0, 0), 1);
}

TEST_F(Win32FormView, AListShowsItsSourceWhetherItGrowsOrChanges) {
  // The list box asks its source for the entries. Entries added at the end join those shown,
  // which stay as they are (their item data survives); any other change shows them all anew.
  const HWND List = Native(Form.List);
  const auto Shown = [List] {
    std::vector<std::string> Entries;
    const auto Count = SendMessageW(List, LB_GETCOUNT, 0, 0);
    for (LRESULT I = 0; I < Count; ++I) {
      wchar_t Text[64] = {};
      SendMessageW(List, LB_GETTEXT, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(Text));
      Entries.push_back(Narrow(Text));
    }
    return Entries;
  };
  using TEntries = std::vector<std::string>;
  TEntries Source{"a", "b"};
  Form.List.ShowItemsOf([&Source] { return Source.size(); }, [&Source](size_t AIndex) { return Source[AIndex]; });
  EXPECT_EQ(Shown(), Source);
  SendMessageW(List, LB_SETITEMDATA, 0, 42);
  Source.insert(Source.end(), {"c", "d"});
  Form.List.ItemsAdded();
  EXPECT_EQ(Shown(), Source);
  EXPECT_EQ(SendMessageW(List, LB_GETITEMDATA, 0, 0), 42) << "the first entry was shown anew";
  for (const TEntries& Entries : {TEntries{"x", "b", "c", "d"}, TEntries{"x"}, TEntries{}, TEntries{"a"}}) {
    Source = Entries;
    Form.List.ItemsChanged();
    EXPECT_EQ(Shown(), Entries);
  }
  // A list of its own, and the source is no longer asked.
  Form.List.SetItems({"one", "two"});
  Source.clear();
  Form.List.ItemsChanged();
  EXPECT_EQ(Shown(), (TEntries{"one", "two"}));
}

TEST_F(Win32FormView, EnablingAndVisibilityFollowTheContainers) {
  Form.Spin.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Native(Form.Spin)));
  EXPECT_FALSE(IsWindowEnabled(UpDown()));
  Form.Spin.SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(Native(Form.Spin)));
  EXPECT_TRUE(IsWindowEnabled(UpDown()));

  ShowWindow(Host.Handle(), SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(Native(Form.InGroup)));
  Form.Group.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(Native(Form.InGroup)));
  Form.Group.SetVisible(true);
  Form.Group.SetEnabled(false);
  EXPECT_TRUE(IsWindowVisible(Native(Form.InGroup)));
  EXPECT_FALSE(IsWindowEnabled(Native(Form.InGroup)));
}

TEST_F(Win32FormView, WhatTheUserDoesRunsTheModelsHandlers) {
  int Clicks = 0;
  Form.Button.OnClick = [&] { ++Clicks; };
  SendMessageW(Native(Form.Button), BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks, 1);

  int CheckClicks = 0;
  Form.Check.OnClick = [&] { ++CheckClicks; };
  SendMessageW(Native(Form.Check), BM_CLICK, 0, 0);
  EXPECT_TRUE(Form.Check.Checked());
  EXPECT_TRUE(NativeChecked(Form.Check));
  SendMessageW(Native(Form.Check), BM_CLICK, 0, 0);
  EXPECT_FALSE(Form.Check.Checked());
  EXPECT_FALSE(NativeChecked(Form.Check));
  EXPECT_EQ(CheckClicks, 2);

  Form.RadioA.SetChecked(true);
  int RadioBClicks = 0;
  Form.RadioB.OnClick = [&] { ++RadioBClicks; };
  SendMessageW(Native(Form.RadioB), BM_CLICK, 0, 0);
  EXPECT_TRUE(Form.RadioB.Checked());
  EXPECT_FALSE(Form.RadioA.Checked());
  EXPECT_TRUE(NativeChecked(Form.RadioB));
  EXPECT_FALSE(NativeChecked(Form.RadioA));
  EXPECT_EQ(RadioBClicks, 1);

  SetWindowTextW(Native(Form.Spin), L"42");  // as typing does: EN_CHANGE
  EXPECT_EQ(Form.Spin.Text(), "42");
  EXPECT_EQ(Form.Spin.Value(), 42);

  Form.Combo.SetItems({"Single", "Double", "Hold"});
  Form.Combo.SetItemIndex(0);
  int Changes = 0;
  Form.Combo.OnChange = [&] { ++Changes; };
  SendMessageW(Native(Form.Combo), CB_SETCURSEL, 2, 0);
  Command(Form.Combo, CBN_SELCHANGE);
  EXPECT_EQ(Form.Combo.ItemIndex(), 2);
  EXPECT_EQ(Changes, 1);

  Form.List.SetItems({"one", "two"});
  int ListClicks = 0;
  Form.List.OnClick = [&] { ++ListClicks; };
  SendMessageW(Native(Form.List), LB_SETCURSEL, 1, 0);
  Command(Form.List, LBN_SELCHANGE);
  EXPECT_EQ(Form.List.ItemIndex(), 1);
  EXPECT_EQ(ListClicks, 1);
}

TEST_F(Win32FormView, ALinkOpensOnAClickEnterOrSpaceAndEnterPressesTheFocusedButton) {
  int LinkClicks = 0;
  int ButtonClicks = 0;
  Form.Link.OnClick = [&] { ++LinkClicks; };
  Form.Button.OnClick = [&] { ++ButtonClicks; };
  ShowWindow(Host.Handle(), SW_SHOWNA);
  const auto Enter = [&] { SendMessageW(Host.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); };

  Command(Form.Link, STN_CLICKED);
  EXPECT_EQ(LinkClicks, 1);
  SetFocus(Native(Form.Link));
  ASSERT_EQ(GetFocus(), Native(Form.Link));
  Enter();
  EXPECT_EQ(LinkClicks, 2);
  SendMessageW(Native(Form.Link), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(LinkClicks, 3);

  SetFocus(Native(Form.Button));
  Enter();
  EXPECT_EQ(ButtonClicks, 1);
  EXPECT_EQ(LinkClicks, 3);
  SetFocus(Native(Form.Check));
  Enter();  // a check box leaves Enter to the dialog manager
  EXPECT_EQ(ButtonClicks, 1);
  EXPECT_FALSE(Form.Check.Checked());
}

TEST_F(Win32FormView, TheTrayIconsClickArrivesThroughTheFormsWindow) {
  int Clicks = 0;
  Form.Tray.OnClick = [&] { ++Clicks; };
  SendMessageW(Host.Handle(), kTrayCallbackMessage, 0, WM_RBUTTONUP);
  EXPECT_EQ(Clicks, 0);
  SendMessageW(Host.Handle(), kTrayCallbackMessage, 0, WM_LBUTTONUP);
  EXPECT_EQ(Clicks, 1);
  View->Detach();
  SendMessageW(Host.Handle(), kTrayCallbackMessage, 0, WM_LBUTTONUP);
  EXPECT_EQ(Clicks, 1);
}

TEST_F(Win32FormView, ChangesMadeByCodeRaiseNoUserEvents) {
  int Changes = 0;
  Form.Combo.OnChange = [&] { ++Changes; };
  Form.Combo.SetItems({"Left", "Right", "Middle"});
  Form.Combo.SetItemIndex(1);
  int Clicks = 0;
  Form.Check.OnClick = [&] { ++Clicks; };
  Form.Spin.SetValue(10);
  tools::PumpMessages();
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(Clicks, 0);
}

TEST_F(Win32FormView, TheArrowsOfASpinBoxStepItsValueWithinTheRange) {
  SetWindowPos(Host.Handle(), HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  tools::PumpMessages();
  RECT Arrows{};
  GetWindowRect(UpDown(), &Arrows);
  const int32_t X = (Arrows.left + Arrows.right) / 2;
  const TPoint Up{X, Arrows.top + (Arrows.bottom - Arrows.top) / 4};
  const TPoint Down{X, Arrows.bottom - (Arrows.bottom - Arrows.top) / 4};
  TWin32MouseInput Input;
  auto ClickAt = [&](const TPoint& APoint) {
    Input.SendMouseInput(MouseMoveRecord(APoint.X, APoint.Y, Input.GetVirtualDesktop()));
    Input.SendMouseInput(MouseButtonRecord(0, true));
    Input.SendMouseInput(MouseButtonRecord(0, false));
  };

  Form.Spin.SetValue(49);
  ClickAt(Up);
  ASSERT_TRUE(tools::WaitUntil([&] { return Form.Spin.Value() == 50; }, 5s)) << Form.Spin.Text();
  ClickAt(Up);
  tools::PumpFor(300ms);
  EXPECT_EQ(Form.Spin.Value(), 50);
  EXPECT_EQ(WindowTextUtf8(Native(Form.Spin)), "50");
  ClickAt(Down);
  ASSERT_TRUE(tools::WaitUntil([&] { return Form.Spin.Value() == 49; }, 5s)) << Form.Spin.Text();
  EXPECT_EQ(WindowTextUtf8(Native(Form.Spin)), "49");
}

TEST_F(Win32FormView, TheHotkeyFieldSpeaksRegisterHotKeysModifiers) {
  // The control's HOTKEYF_ bits order Shift, Control and Alt the other way round from MOD_.
  Form.Hotkey.SetHotkey('S', HotkeyModifiers::Control | HotkeyModifiers::Shift);
  EXPECT_EQ(SendMessageW(Native(Form.Hotkey), HKM_GETHOTKEY, 0, 0), MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_SHIFT));

  SendMessageW(Native(Form.Hotkey), HKM_SETHOTKEY, MAKEWORD(VK_F6, HOTKEYF_ALT), 0);
  Command(Form.Hotkey, EN_CHANGE);  // as the control reports a combination pressed in it
  EXPECT_EQ(Form.Hotkey.Vk(), static_cast<uint32_t>(VK_F6));
  EXPECT_EQ(Form.Hotkey.Modifiers(), HotkeyModifiers::Alt);

  // The style paints the combination itself, in the keyboard's names as the control shows it
  // (Windows says "Ctrl", Wine "Control"): Control, Shift, Alt, then the key.
  const std::string ControlShiftS = Narrow(CombinationText(MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_SHIFT)));
  EXPECT_TRUE(ControlShiftS.starts_with("Ctrl + ") || ControlShiftS.starts_with("Control + ")) << ControlShiftS;
  EXPECT_TRUE(ControlShiftS.ends_with(" + Shift + S")) << ControlShiftS;
  EXPECT_EQ(Narrow(CombinationText(MAKEWORD(VK_F6, HOTKEYF_ALT))), "Alt + F6");
  EXPECT_EQ(CombinationText(0), L"");
}

TEST_F(Win32FormView, AHintIsATooltipAndNamesAControlWithoutText) {
  Form.Button.SetCaption("");
  Form.Button.SetHint("Pick a point on the screen");
  // The tooltip window is a hidden pop-up owned by the form's window.
  struct TSearch {
    HWND Owner;
    HWND Found;
  } Search{Host.Handle(), nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND AWindow, LPARAM ASearch) {
        auto& Found = *reinterpret_cast<TSearch*>(ASearch);
        if (GetWindow(AWindow, GW_OWNER) != Found.Owner || tools::ClassName(AWindow) != TOOLTIPS_CLASSW) return TRUE;
        Found.Found = AWindow;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Search));
  const HWND Tooltip = Search.Found;
  ASSERT_NE(Tooltip, nullptr) << "no tooltip window";
  TTTOOLINFOW Tool{};
  Tool.cbSize = sizeof(Tool);
  Tool.hwnd = Host.Handle();
  Tool.uId = reinterpret_cast<UINT_PTR>(Native(Form.Button));
  wchar_t Text[80] = {};
  Tool.lpszText = Text;
  SendMessageW(Tooltip, TTM_GETTEXTW, std::size(Text), reinterpret_cast<LPARAM>(&Tool));
  EXPECT_EQ(Narrow(Text), "Pick a point on the screen");
  Form.Button.SetHint("");
  EXPECT_EQ(SendMessageW(Tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST_F(Win32FormView, ARightToLeftFormIsMirroredWithItsControls) {
  ShowWindow(Host.Handle(), SW_SHOWNA);
  const auto ScreenRect = [](HWND AWindow) {
    RECT Rect{};
    GetWindowRect(AWindow, &Rect);
    return Rect;
  };
  RECT Client{};
  GetClientRect(Host.Handle(), &Client);
  Form.SetRightToLeft(true);
  EXPECT_NE(GetWindowLongPtrW(Host.Handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL, 0);
  EXPECT_NE(GetWindowLongPtrW(Native(Form.Check), GWL_EXSTYLE) & WS_EX_LAYOUTRTL, 0);
  // The button lies 10 units from the form's right edge now.
  POINT Origin{0, 0};
  ClientToScreen(Host.Handle(), &Origin);  // the client area's right end, mirrored
  EXPECT_EQ(Origin.x - ScreenRect(Native(Form.Button)).right, 10);
  // The spin box's arrows moved to its other end with it, beside the edit box and shown.
  const RECT Edit = ScreenRect(Native(Form.Spin));
  const RECT Arrows = ScreenRect(UpDown());
  EXPECT_TRUE(IsWindowVisible(UpDown()));
  EXPECT_LT(Arrows.left, Edit.left);
  EXPECT_GE(Arrows.right, Edit.left);
  EXPECT_LE(Arrows.right - Edit.left, 4) << "the arrows cover the edit box";
  EXPECT_EQ(Edit.right - Arrows.left, 90);

  Form.SetRightToLeft(false);
  EXPECT_EQ(GetWindowLongPtrW(Host.Handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL, 0);
  EXPECT_EQ(ScreenRect(Native(Form.Button)).left - Origin.x + (Client.right - Client.left), 10);
}

TEST_F(Win32FormView, AHandlerThatThrowsIsReportedAndTheViewGoesOn) {
  Form.Button.OnClick = [] { throw std::runtime_error("handler failed"); };
  SendMessageW(Native(Form.Button), BM_CLICK, 0, 0);
  ASSERT_EQ(Dialogs.Shown.size(), 1u);
  EXPECT_NE(Dialogs.Shown[0].Text.find("handler failed"), std::string::npos);
  Form.Button.SetCaption("still mirrored");
  EXPECT_EQ(WindowTextUtf8(Native(Form.Button)), "still mirrored");
}

TEST_F(Win32FormView, SetDpiScalesEveryControl) {
  View->SetDpi(144);
  RECT Rect{};
  GetWindowRect(Native(Form.InGroup), &Rect);
  MapWindowPoints(nullptr, Host.Handle(), reinterpret_cast<POINT*>(&Rect), 2);
  // InGroup lies at (210, 30)-(350, 45) on the form in 96-DPI units.
  EXPECT_EQ(Rect.left, 315);
  EXPECT_EQ(Rect.top, 45);
  EXPECT_EQ(Rect.right, 525);
  EXPECT_EQ(Rect.bottom, 68);
}

TEST_F(Win32FormView, ADetachedViewNeitherMirrorsNorDelivers) {
  int Clicks = 0;
  Form.Button.OnClick = [&] { ++Clicks; };
  Form.Button.SetCaption("before");
  View->Detach();
  Form.Button.SetCaption("after");
  EXPECT_EQ(WindowTextUtf8(Native(Form.Button)), "before");
  SendMessageW(Native(Form.Button), BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks, 0);
}

}  // namespace
}  // namespace nevra::win32
