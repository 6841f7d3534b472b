// The main window in every language of its catalogue: each text fits the room its control's
// painting gives it (measured with the font it is drawn in), and no control sticks out of its
// group or covers another. A text that does not fit is cut off with an ellipsis, which no other
// test would notice.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "ProgramTest.h"
#include "ScopedRegistryValue.h"
#include "app/HotkeysForm.h"
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/Text.h"
#include "platform/fake/FakePlatform.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/view/Win32Fonts.h"
#include "platform/win32/view/Win32NativeButtons.h"
#include "update/NewVersionForm.h"

namespace nevra::e2e {
namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";
constexpr const wchar_t* kDpiValue = L"LogPixels";

// The text of the catalogue beside the program; empty when there is none.
std::string CatalogueText() {
  std::ifstream In(CataloguePath(), std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

// The language codes of the catalogue in menu order, read as the program reads them.
std::vector<std::string> CatalogueLanguages() {
  TTranslations Catalogue;
  Catalogue.Parse(CatalogueText());
  std::vector<std::string> Codes;
  for (const std::vector<std::string>& Language : Catalogue.Languages())
    if (Language.size() > 1) Codes.push_back(Language[1]);
  return Codes;
}

// The main window's design, read from the control model itself: names, kinds, containers.
TFrmMain& Design() {
  static fake::TFakePlatform Platform;
  static TFrmMain Form(Platform.Platform);
  return Form;
}

bool ShowsCaption(const TControl& AControl) {
  const TControlKind Kind = AControl.Kind();
  return Kind == TControlKind::ckButton || Kind == TControlKind::ckCheckBox || Kind == TControlKind::ckRadioButton ||
         Kind == TControlKind::ckGroupBox || Kind == TControlKind::ckLabel;
}

bool HasWindow(const TControl& AControl) {
  const TControlKind Kind = AControl.Kind();
  return Kind != TControlKind::ckForm && Kind != TControlKind::ckTrayIcon && Kind != TControlKind::ckPopupMenu;
}

int Width(const RECT& ARect) { return ARect.right - ARect.left; }
int Height(const RECT& ARect) { return ARect.bottom - ARect.top; }

// Where the visual style draws a control's text, and how: the control's client area less its
// padding, its image and its check mark, as the style's painting lays them out.
struct TTextRoom {
  int Width = 0;
  int Height = 0;
  UINT Flags = DT_SINGLELINE;
  bool Caption = false;  // a group box's caption, drawn in the semibold caption font
};

TTextRoom RoomFor(const TControl& AControl, int AClientWidth, int AClientHeight, UINT ADpi) {
  const auto Scaled = [ADpi](int AValue) { return win32::ScaleForDpi(AValue, ADpi); };
  TTextRoom Room{AClientWidth, AClientHeight};
  switch (AControl.Kind()) {
    case TControlKind::ckButton:
      Room.Width -= 2 * Scaled(6);
      if (win32::TNativeButton::ImageFor(AControl.Name()) != win32::TButtonImage::biNone)
        Room.Width -= Scaled(16) + Scaled(7);
      break;
    case TControlKind::ckCheckBox:
    case TControlKind::ckRadioButton:
      Room.Width -= Scaled(1) + std::min(Scaled(14), Room.Height) + Scaled(6) + Scaled(3);
      break;
    case TControlKind::ckGroupBox:
      Room.Width -= 2 * Scaled(10);
      Room.Caption = true;
      break;
    case TControlKind::ckLabel:
      Room.Flags = DT_NOPREFIX | (static_cast<const TLabel&>(AControl).WordWrap() ? DT_WORDBREAK : DT_SINGLELINE);
      break;
    case TControlKind::ckMemo:
      // Inside the edit box's borders, its margins and its vertical scroll bar (as wide as a
      // spin box's arrows).
      Room.Width -= 2 * Scaled(2) + 2 * Scaled(2) + Scaled(17);
      Room.Height -= 2 * Scaled(2);
      Room.Flags = DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
      break;
    case TControlKind::ckComboBox:
      // The chosen entry, between the left padding and the drop-down arrow.
      Room.Width -= Scaled(6) + Scaled(20);
      Room.Flags = DT_SINGLELINE | DT_NOPREFIX;
      break;
    default: break;
  }
  return Room;
}

TTextRoom RoomFor(const TControl& AControl, HWND AWindow, UINT ADpi) {
  RECT Client{};
  GetClientRect(AWindow, &Client);
  return RoomFor(AControl, Width(Client), Height(Client), ADpi);
}

// The size AText takes in the room's font and flags, laid out within the room's width.
SIZE TextExtent(const std::wstring& AText, const TTextRoom& ARoom, UINT ADpi) {
  const win32::TFontOwner Font = win32::CreateUiFont(ADpi, false, ARoom.Caption ? FW_SEMIBOLD : FW_NORMAL);
  const win32::TWindowDc Dc(nullptr);  // the screen's, for measuring
  const win32::TSelection Selected(Dc.Get(), Font.Get());
  RECT Bounds{0, 0, std::max(ARoom.Width, 1), 0};
  DrawTextW(Dc.Get(), AText.c_str(), static_cast<int>(AText.size()), &Bounds, ARoom.Flags | DT_CALCRECT);
  return SIZE{Width(Bounds), Height(Bounds)};
}

// The family of the font that really draws the window's text: Wine hands out a stand-in for a
// font it does not have.
std::string UiFontFamily() {
  const win32::TFontOwner Font = win32::CreateUiFont(96, false, FW_NORMAL);
  const win32::TWindowDc Dc(nullptr);  // the screen's, for measuring
  const win32::TSelection Selected(Dc.Get(), Font.Get());
  const UINT Size = GetOutlineTextMetricsW(Dc.Get(), 0, nullptr);
  if (Size == 0) return "(a font without outlines)";
  std::vector<BYTE> Buffer(Size);
  auto* Metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(Buffer.data());
  GetOutlineTextMetricsW(Dc.Get(), Size, Metrics);
  return win32::Narrow(
      reinterpret_cast<const wchar_t*>(Buffer.data() + reinterpret_cast<uintptr_t>(Metrics->otmpFamilyName)));
}

// Every size here is measured in one font, the one tests/e2e/run.sh pins in the Wine prefix
// (NEVRA_UI_FONT). Empty when the window gets that font; otherwise what to install.
std::string FontProblem() {
  const char* Wanted = std::getenv("NEVRA_UI_FONT");
  if (Wanted == nullptr || *Wanted == '\0') return {};
  const std::string Family = UiFontFamily();
  if (SameTextAscii(Family, Wanted)) return {};
  const char* Package = std::getenv("NEVRA_UI_FONT_PACKAGE");
  return "The window is drawn in " + Family + ", not in " + Wanted + ", the font its layout is measured in: install " +
         Wanted + " (Debian package " + (Package != nullptr ? Package : "?") + "; ./dev setup installs it).";
}

#define SKIP_WHEN_THE_FONT_IS_WRONG() \
  if (!FontProblem().empty()) GTEST_SKIP() << "not measured: the window is not drawn in its font (see LayoutFont)"

// Fails once, with what to do, instead of a page of sizes measured in the wrong font.
TEST(LayoutFont, TheWindowIsDrawnInTheFontItsLayoutIsMeasuredIn) {
  if (const std::string Problem = FontProblem(); !Problem.empty()) ADD_FAILURE() << Problem;
}

RECT ScreenRect(HWND AWindow) {
  RECT Rect{};
  GetWindowRect(AWindow, &Rect);
  return Rect;
}

bool Contains(const RECT& AOuter, const RECT& AInner) {
  return AInner.left >= AOuter.left && AInner.top >= AOuter.top && AInner.right <= AOuter.right &&
         AInner.bottom <= AOuter.bottom;
}

class Layout : public TProgramTest {
 protected:
  // Each check starts the program itself, once per language.
  void SetUp() override { SKIP_WHEN_THE_FONT_IS_WRONG(); }

  // Starts the program in the language, checks every visible control, closes the program.
  void CheckLanguage(const std::string& ACode) {
    FLanguage.Set(ACode);
    StartProgram();
    RECT MainClient{};
    GetClientRect(Window().Handle(), &MainClient);
    // The view scales the design's 96-DPI client width to the window's DPI.
    const auto Dpi = static_cast<UINT>(std::lround(96.0 * Width(MainClient) / Design().ClientWidth()));
    const std::string Where = ACode + " at " + std::to_string(Dpi) + " DPI: ";

    std::vector<const TControl*> Shown;
    for (const TControl* Control : Design().Controls()) {
      if (!HasWindow(*Control)) continue;
      const HWND Handle = Window().Control(Control->Name());
      if (!IsWindowVisible(Handle)) continue;
      Shown.push_back(Control);
      // A drop-down list shows any of its entries.
      std::vector<std::string> Texts;
      if (ShowsCaption(*Control))
        Texts.push_back(tools::ReadText(Handle));
      else if (Control->Kind() == TControlKind::ckComboBox)
        Texts = tools::ComboItems(Handle);
      TTextRoom Room = RoomFor(*Control, Handle, Dpi);
      // A check box high enough for two lines wraps its caption, as the style paints it.
      if (Control->Kind() == TControlKind::ckCheckBox && Room.Height >= 2 * TextExtent(L"Ag", Room, Dpi).cy)
        Room.Flags = DT_WORDBREAK;
      for (const std::string& Text : Texts) {
        if (Text.empty()) continue;
        const SIZE Needed = TextExtent(win32::Widen(Text), Room, Dpi);
        EXPECT_TRUE(Needed.cx <= Room.Width && Needed.cy <= Room.Height)
            << Where << Control->Name() << " \"" << Text << "\" needs " << Needed.cx << "x" << Needed.cy << " px, has "
            << Room.Width << "x" << Room.Height;
      }
    }

    for (size_t Index = 0; Index < Shown.size(); ++Index) {
      const TControl* Control = Shown[Index];
      const RECT Rect = ScreenRect(Window().Control(Control->Name()));
      const TControl* Parent = Control->Parent();
      if (Parent != nullptr && Parent->Kind() != TControlKind::ckForm) {
        EXPECT_TRUE(Contains(ScreenRect(Window().Control(Parent->Name())), Rect))
            << Where << Control->Name() << " sticks out of " << Parent->Name();
      }
      for (size_t OtherIndex = Index + 1; OtherIndex < Shown.size(); ++OtherIndex) {
        const TControl* Other = Shown[OtherIndex];
        if (Other->Parent() != Parent) continue;
        const RECT OtherRect = ScreenRect(Window().Control(Other->Name()));
        RECT Common{};
        EXPECT_FALSE(IntersectRect(&Common, &Rect, &OtherRect))
            << Where << Control->Name() << " overlaps " << Other->Name();
      }
    }
    CloseProgram();
  }

  TScopedRegistryValue FLanguage{kProgramKey, kLanguageValue};
};

TEST_F(Layout, EveryTextFitsItsControlInEveryLanguage) {
  const std::vector<std::string> Languages = CatalogueLanguages();
  ASSERT_GE(Languages.size(), 2u) << "no catalogue beside the program";
  for (const std::string& Code : Languages) CheckLanguage(Code);
}

TEST_F(Layout, EveryTextFitsAtOneAndAHalfTimesTheScaleInEveryLanguage) {
  // The program reads the scale when it starts.
  const TScopedRegistryValue Scale(kDesktopKey, kDpiValue);
  Scale.Set(DWORD{144});
  for (const std::string& Code : CatalogueLanguages()) CheckLanguage(Code);
}

// Dialogs that show only on request are measured against every text the catalogue gives their
// controls, without the dialog on screen, at 96 and 144 DPI. A control's texts are made from the
// catalogue in each of its languages in turn.
using TTextsOf = std::function<std::vector<std::string>(const TTranslations&)>;
void ExpectTextsFit(const std::vector<std::pair<const TControl*, TTextsOf>>& ATexts) {
  TTranslations Catalogue;
  Catalogue.Parse(CatalogueText());
  ASSERT_GE(Catalogue.Languages().size(), 2u) << "no catalogue beside the program";
  for (const UINT Dpi : {96u, 144u}) {
    for (size_t Language = 0; Language < Catalogue.Languages().size(); ++Language) {
      Catalogue.SetIndex(static_cast<int32_t>(Language));
      for (const auto& [Control, TextsOf] : ATexts) {
        const TTextRoom Room = RoomFor(*Control, win32::ScaleForDpi(Control->Bounds().Width(), Dpi),
                                       win32::ScaleForDpi(Control->Bounds().Height(), Dpi), Dpi);
        for (const std::string& Shown : TextsOf(Catalogue)) {
          const SIZE Needed = TextExtent(win32::Widen(Shown), Room, Dpi);
          EXPECT_TRUE(Needed.cx <= Room.Width && Needed.cy <= Room.Height)
              << Catalogue.Languages()[Language][1] << " at " << Dpi << " DPI: " << Control->Name() << " \"" << Shown
              << "\" needs " << Needed.cx << "x" << Needed.cy << " px, has " << Room.Width << "x" << Room.Height;
        }
      }
    }
  }
}

// The captions a control shows, by their English keys.
using TCaptions = std::vector<std::pair<const TControl*, std::vector<std::string>>>;
void ExpectCaptionsFit(const TCaptions& ACaptions) {
  std::vector<std::pair<const TControl*, TTextsOf>> Texts;
  for (const auto& [Control, Keys] : ACaptions)
    Texts.emplace_back(Control, [Keys = Keys](const TTranslations& ACatalogue) {
      std::vector<std::string> Shown;
      for (const std::string& Key : Keys) Shown.push_back(ACatalogue.Translate(Key));
      return Shown;
    });
  ExpectTextsFit(Texts);
}

// The New Version dialog as designed, built on the fake platform.
class NewVersionLayout : public ::testing::Test {
 protected:
  void SetUp() override { SKIP_WHEN_THE_FONT_IS_WRONG(); }
  fake::TFakePlatform Platform;
  TUpdateOffer Offer;
  const TUpdateSite Site;
  const TfrmNewVersion Dialog{Platform.Platform, Site, Offer};
};

TEST_F(NewVersionLayout, TheButtonsHoldEveryCaptionInEveryLanguage) {
  ExpectCaptionsFit({{&Dialog.btUpdateNow, {"Update Now"}}, {&Dialog.btCancel, {"Skip", "Exit", "Abort"}}});
}

TEST_F(NewVersionLayout, TheOfferAndTheFirstChangeShowWithoutScrollingInEveryLanguage) {
  // As the version check writes them, with one change.
  ExpectTextsFit({{&Dialog.memMessage, [](const TTranslations& ACatalogue) {
                     std::vector<std::string> Shown;
                     for (const char* Offered : {"The new version %s is available",
                                                 "This version of the software is out of date. You must download the "
                                                 "current version %s to continue using the software."})
                       Shown.push_back(Format(ACatalogue.Translate(Offered), {std::string("2.6")}) + "\r\n\r\n" +
                                       ACatalogue.Translate("What's new:") + "\r\nFaster clicks at 1 ms intervals");
                     return Shown;
                   }}});
}

TEST(HotkeysLayout, TheLabelsAndButtonsHoldEveryCaptionInEveryLanguage) {
  SKIP_WHEN_THE_FONT_IS_WRONG();
  fake::TFakePlatform Platform;
  TGlobalHotkeys Hotkeys(Platform.Hotkeys);
  const TfrmHotkeys Dialog(Platform.Platform, Hotkeys);
  ExpectCaptionsFit({{&Dialog.lblStart, {"Start:"}},
                     {&Dialog.lblStop, {"Stop:"}},
                     {&Dialog.lblStartRecording, {"Start recording:"}},
                     {&Dialog.btnDefaults, {"Restore defaults"}},
                     {&Dialog.btnOK, {"OK"}},
                     {&Dialog.btnCancel, {"Cancel"}}});
}

}  // namespace
}  // namespace nevra::e2e
