// The visual style on the native view: standard controls in the style's look, the keyboard's
// ways through them, and the sizes at another DPI.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <stdexcept>
#include <string>

#include "TestWindow.h"
#include "platform/EventDispatcher.h"
#include "platform/controls/ControlIds.h"
#include "platform/controls/StdControls.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/services/Win32MessagePump.h"
#include "platform/win32/style/Win32Palette.h"
#include "platform/win32/style/Win32Style.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/style/Win32StyleShapes.h"
#include "platform/win32/view/Win32FormView.h"
#include "platform/win32/view/Win32NativeButtons.h"
#include "platform/win32/view/Win32NativeSpinBox.h"
#include "support/SpinBoxGroup.h"
#include "support/TestPrinters.h"

namespace nevra::win32 {
namespace {

// A push button before a container of radio buttons, spin boxes and their captions, with lists.
struct TStyledForm : TForm {
  TStyledForm() : TForm("StyledForm", 400, 300) {
    Start.SetCaption("Start");
    Box.First.SetChecked(true);
  }
  TButton Start{this, this, "btnStart", {10, 10, 110, 41}};
  nevra::test::TSpinBoxGroup Box{this};
  TComboBox Combo{this, &Box.Group, "Combo", {220, 20, 356, 43}};
  TListBox List{this, &Box.Group, "List", {220, 60, 370, 200}};
};

RECT RectIn(HWND AParent, HWND AWindow) {
  RECT Rect{};
  GetWindowRect(AWindow, &Rect);
  MapWindowPoints(nullptr, AParent, reinterpret_cast<POINT*>(&Rect), 2);
  return Rect;
}

// A window's client area as the window paints it into a device context of its own
// (WM_PRINTCLIENT), to read its pixels.
class TPrintedClient {
 public:
  explicit TPrintedClient(HWND AWindow)
      : FClient(ClientOf(AWindow)),
        FMemory(FScreen.Get()),
        FBitmap(CreateCompatibleBitmap(FScreen.Get(), FClient.right, FClient.bottom)),
        FSelected(FMemory.Get(), FBitmap.Get()) {
    SendMessageW(AWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(FMemory.Get()), PRF_CLIENT);
  }
  const RECT& Client() const { return FClient; }
  COLORREF Pixel(LONG AX, LONG AY) const { return GetPixel(FMemory.Get(), AX, AY); }

 private:
  static RECT ClientOf(HWND AWindow) {
    RECT Client{};
    GetClientRect(AWindow, &Client);
    return Client;
  }
  const TWindowDc FScreen{nullptr};
  const RECT FClient;
  TMemoryDc FMemory;
  TBitmapOwner FBitmap;
  TSelection FSelected;
};

class Win32StyledView : public ::testing::Test {
 protected:
  void SetUp() override {
    Host.OnMessage = [this](UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
      if (!View) return false;
      switch (AMessage) {
        case WM_COMMAND: return View->HandleCommand(AWParam, ALParam);
        case WM_NOTIFY: return View->HandleNotify(*reinterpret_cast<const NMHDR*>(ALParam), Host.Answer);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
          if (const auto Brush =
                  View->ControlColours(AMessage, reinterpret_cast<HDC>(AWParam), reinterpret_cast<HWND>(ALParam))) {
            Host.Answer = reinterpret_cast<LRESULT>(*Brush);
            return true;
          }
          return false;
        case WM_DRAWITEM: Host.Answer = TRUE; return View->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(ALParam));
        default: return false;
      }
    };
    View = std::make_unique<TWin32FormView>(Form, Host.Handle(), Dispatcher, 96, &Style);
  }
  void TearDown() override { View.reset(); }

  HWND Native(const TControl& AControl) const { return GetDlgItem(Host.Handle(), test::ControlIdOf(Form, AControl)); }
  HWND Arrows(const TControl& ASpinBox) const {
    return GetDlgItem(Host.Handle(), test::ControlIdOf(Form, ASpinBox) + kUpDownIdOffset);
  }

  TStyledForm Form;
  fake::TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher{Dialogs};
  TWin32Style Style{TWin32Style::kName};
  test::TTestWindow Host{WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 640, 480};
  std::unique_ptr<TWin32FormView> View;
};

TEST(Win32VisualStyle, OnlyItsOwnNameAppliesAndOnlyBeforeTheFirstWindow) {
  fake::TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher{Dialogs};
  TWin32MessagePump Pump;
  TWin32Application App(Dispatcher, Pump);
  try {
    App.ApplyVisualStyle("Midnight Express Blue");
    FAIL() << "an unknown style was applied";
  } catch (const std::runtime_error& E) {
    EXPECT_NE(std::string(E.what()).find("Midnight Express Blue"), std::string::npos) << E.what();
  }
  EXPECT_EQ(App.VisualStyle(), "");
  App.ApplyVisualStyle(TWin32Style::kName);
  EXPECT_EQ(App.VisualStyle(), TWin32Style::kName);

  TForm Form("Later", 100, 100);
  App.CreateMainWindow(Form);
  EXPECT_THROW(App.ApplyVisualStyle(TWin32Style::kName), std::runtime_error);
  App.DestroyMainWindow();
}

TEST_F(Win32StyledView, ControlsStayStandardControlsThatToolsAndScreenReadersKnow) {
  // Check state lives in the controls, as BM_GETCHECK users expect.
  SendMessageW(Native(Form.Box.Jitter), BM_CLICK, 0, 0);
  EXPECT_TRUE(Form.Box.Jitter.Checked());
  EXPECT_EQ(SendMessageW(Native(Form.Box.Jitter), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(Native(Form.Box.Third), BM_CLICK, 0, 0);
  EXPECT_TRUE(Form.Box.Third.Checked());
  EXPECT_EQ(SendMessageW(Native(Form.Box.Third), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Native(Form.Box.First), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(GetWindowLongPtrW(Native(Form.Box.Jitter), GWL_STYLE) & BS_TYPEMASK, BS_CHECKBOX);
  EXPECT_EQ(GetWindowLongPtrW(Native(Form.Box.Group), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_EQ(GetWindowLongPtrW(Native(Form.Start), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);

  // Owner-drawn lists keep their texts.
  Form.Combo.SetItems({"Left", "Right", "Middle"});
  Form.Combo.SetItemIndex(2);
  EXPECT_EQ(WindowTextUtf8(Native(Form.Combo)), "Middle");
  Form.List.SetItems({"one", "two"});
  wchar_t Text[16] = {};
  SendMessageW(Native(Form.List), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(Text));
  EXPECT_STREQ(Text, L"two");
}

TEST_F(Win32StyledView, ThePaletteReachesControlsThatIgnoreSystemColours) {
  // The button paints itself in the style: its face, away from caption and frame.
  {
    const TPrintedClient Button(Native(Form.Start));
    EXPECT_EQ(Button.Pixel(5, Button.Client().bottom / 2), palette::kButtonFace);
  }
  // Edit boxes get the field colours from WM_CTLCOLOREDIT.
  const TWindowDc Dc(Native(Form.Box.Hours));
  const auto Brush = View->ControlColours(WM_CTLCOLOREDIT, Dc.Get(), Native(Form.Box.Hours));
  ASSERT_TRUE(Brush.has_value());
  EXPECT_EQ(GetBkColor(Dc.Get()), palette::kField);
  EXPECT_EQ(GetTextColor(Dc.Get()), palette::kText);
}

TEST_F(Win32StyledView, TheArrowKeysReachEveryRadioButtonOfAContainer) {
  // Spin boxes lie between the second and third radio button in the form; the dialog manager's
  // group must still hold all three, in order, with only the checked one a tab stop.
  ShowWindow(Host.Handle(), SW_SHOWNA);
  HWND Next = GetNextDlgGroupItem(Host.Handle(), Native(Form.Box.First), FALSE);
  EXPECT_EQ(Next, Native(Form.Box.Second));
  Next = GetNextDlgGroupItem(Host.Handle(), Next, FALSE);
  EXPECT_EQ(Next, Native(Form.Box.Third));
  EXPECT_EQ(GetNextDlgGroupItem(Host.Handle(), Next, FALSE), Native(Form.Box.First));
  EXPECT_EQ(GetNextDlgTabItem(Host.Handle(), Native(Form.Start), FALSE), Native(Form.Box.First));
}

TEST_F(Win32StyledView, AtAnotherDpiFieldsAndArrowsKeepTheControlsBounds) {
  for (const UINT Dpi : {96u, 144u, 192u}) {
    View->SetDpi(Dpi);
    // X lies at (40, 120)-(120, 143) on the form in 96-DPI units.
    const RECT Edit = RectIn(Host.Handle(), Native(Form.Box.X));
    const RECT Up = RectIn(Host.Handle(), Arrows(Form.Box.X));
    EXPECT_EQ(Edit.left, ScaleForDpi(40, Dpi)) << Dpi;
    EXPECT_EQ(Up.right, ScaleForDpi(120, Dpi)) << Dpi;
    EXPECT_EQ(Up.right - Up.left, ScaleForDpi(17, Dpi)) << Dpi;
    EXPECT_GE(Edit.right, Up.left) << Dpi;  // no gap between the field and its arrows
    EXPECT_EQ(Up.bottom - Up.top, Edit.bottom - Edit.top) << Dpi;
    // The closed drop-down list is as high as the design says, like the edit boxes.
    const RECT Combo = RectIn(Host.Handle(), Native(Form.Combo));
    EXPECT_EQ(Combo.bottom - Combo.top, ScaleForDpi(93, Dpi) - ScaleForDpi(70, Dpi)) << Dpi;
  }
}

TEST_F(Win32StyledView, AMirroredFormPaintsItsSpinArrows) {
  // The arrows take their frame's width from the edit box beside them, whose client area starts
  // at its right end once mirrored.
  Form.SetRightToLeft(true);
  const TPrintedClient Printed(Arrows(Form.Box.X));
  const RECT& Client = Printed.Client();
  int FacePixels = 0;
  for (LONG Y = 0; Y < Client.bottom; ++Y)
    for (LONG X = 0; X < Client.right; ++X) FacePixels += Printed.Pixel(X, Y) == palette::kButtonFace;
  EXPECT_GT(FacePixels, Client.right * Client.bottom / 4) << "the arrows' faces are missing";
}

TEST_F(Win32StyledView, TheListADropDownListOpensWearsTheFieldsColours) {
  // The open list is a window of its own, no control of the form: the drop-down list owns it, so
  // its WM_CTLCOLORLISTBOX (which the drop-down list passes on to the form) gets the style's
  // answer, not the system's white.
  COMBOBOXINFO Info{};
  Info.cbSize = sizeof(Info);
  ASSERT_TRUE(GetComboBoxInfo(Native(Form.Combo), &Info));
  ASSERT_NE(Info.hwndList, nullptr);
  const TWindowDc Dc(Info.hwndList);
  ASSERT_TRUE(View->ControlColours(WM_CTLCOLORLISTBOX, Dc.Get(), Info.hwndList).has_value());
  EXPECT_EQ(GetBkColor(Dc.Get()), palette::kField);
  EXPECT_EQ(GetTextColor(Dc.Get()), palette::kText);
  // A window of no control gets no answer: the default colours.
  EXPECT_FALSE(View->ControlColours(WM_CTLCOLORSTATIC, Dc.Get(), Host.Handle()).has_value());
}

TEST_F(Win32StyledView, WindowsThatOutliveTheViewPaintAsStandardControlsAgain) {
  // Each control takes its subclass off its windows when it goes: the button, still on the host
  // window, paints itself as a standard button instead of calling a control that is gone.
  const HWND Button = Native(Form.Start);
  View.reset();
  const TPrintedClient Printed(Button);
  EXPECT_NE(Printed.Pixel(5, Printed.Client().bottom / 2), palette::kButtonFace);
}

// Where a button's image lies, as the screen shows it: the extent of the pixels in AColour and
// their mean column.
struct TImageColumns {
  int Count = 0;
  LONG Left = LONG_MAX, Right = LONG_MIN;
  double Mean = 0;
};
TImageColumns ColumnsOf(HDC ADc, const RECT& AArea, COLORREF AColour) {
  TImageColumns Columns;
  double Sum = 0;
  for (LONG Y = AArea.top; Y < AArea.bottom; ++Y)
    for (LONG X = AArea.left; X < AArea.right; ++X)
      if (GetPixel(ADc, X, Y) == AColour) {
        ++Columns.Count;
        Sum += X;
        Columns.Left = std::min(Columns.Left, X);
        Columns.Right = std::max(Columns.Right, X);
      }
  if (Columns.Count > 0) Columns.Mean = Sum / Columns.Count;
  return Columns;
}

TEST(Win32PushButtonPainting, ThePlayImagePointsRightInAMirroredWindowTooAndTheStopImageStaysSquare) {
  const RECT Area{0, 0, 120, 32};
  for (const bool Mirrored : {false, true}) {
    for (const TButtonImage Image : {TButtonImage::biPlay, TButtonImage::biStop}) {
      const TWindowDc Screen(nullptr);
      TMemoryDc Memory(Screen.Get());
      TBitmapOwner Bitmap(CreateCompatibleBitmap(Screen.Get(), Area.right, Area.bottom));
      TSelection Selected(Memory.Get(), Bitmap.Get());
      // A control of a mirrored window paints into a device context laid out from the right.
      SetLayout(Memory.Get(), Mirrored ? LAYOUT_RTL : 0);
      PaintPushButton(TPaintTarget{Memory.Get(), Area, 96, nullptr},
                      TPushButtonLook{TInteraction{}, Image, palette::kWindow, L"Start"});
      SetLayout(Memory.Get(), 0);  // read the pixels as the screen shows them
      const COLORREF Colour = Image == TButtonImage::biPlay ? palette::kPlayImage : palette::kStopImage;
      const TImageColumns Columns = ColumnsOf(Memory.Get(), Area, Colour);
      const std::string Case =
          std::string(Mirrored ? "mirrored " : "") + (Image == TButtonImage::biPlay ? "play image" : "stop image");
      ASSERT_GT(Columns.Count, 20) << Case << ": no image painted";
      const double Middle = (Columns.Left + Columns.Right) / 2.0;
      // A triangle pointing right has most of its area near its left edge; a square is even.
      if (Image == TButtonImage::biPlay)
        EXPECT_LT(Columns.Mean, Middle - 1.0) << Case << " points left";
      else
        EXPECT_NEAR(Columns.Mean, Middle, 0.5) << Case;
    }
  }
}

TEST(Win32StyleShapes, ShapesCoverTheirInsideFullyAndBlendTheirEdge) {
  const TWindowDc Screen(nullptr);
  TMemoryDc Memory(Screen.Get());
  TBitmapOwner Bitmap(CreateCompatibleBitmap(Screen.Get(), 20, 20));
  TSelection Selected(Memory.Get(), Bitmap.Get());
  RECT All{0, 0, 20, 20};
  FillRect(Memory.Get(), &All, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  PaintShape(Memory.Get(), All, RGB(200, 100, 40), Circle(10, 10, 6.5));
  EXPECT_EQ(GetPixel(Memory.Get(), 10, 10), RGB(200, 100, 40));
  EXPECT_EQ(GetPixel(Memory.Get(), 1, 1), RGB(0, 0, 0));
  // A pixel the edge crosses is part colour, part background.
  const COLORREF Edge = GetPixel(Memory.Get(), 10, 3);
  EXPECT_GT(GetRValue(Edge), 0);
  EXPECT_LT(GetRValue(Edge), 200);
}

}  // namespace
}  // namespace nevra::win32
