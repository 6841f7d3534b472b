#include "platform/win32/view/Win32NativeButtons.h"

#include <algorithm>
#include <utility>

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/style/Win32StyleShapes.h"

namespace nevra::win32 {

namespace {

// The shape and colour of a button's image.
std::pair<TGlyph, COLORREF> ButtonGlyph(TButtonImage AImage) {
  switch (AImage) {
    case TButtonImage::biPlay: return {TGlyph::glPlay, palette::kPlayImage};
    case TButtonImage::biCrosshair: return {TGlyph::glCrosshair, palette::kText};
    default: return {TGlyph::glStop, palette::kStopImage};
  }
}

struct TCheckLook {
  TInteraction State;
  bool Checked = false;
  bool Radio = false;
  COLORREF Surface;
  std::wstring Text;
};

void PaintCheck(const TPaintTarget& ATarget, const TCheckLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  const TInteraction& State = ALook.State;
  const UINT Dpi = ATarget.Dpi;
  Fill(Dc, Area, ALook.Surface);

  const int Box = std::min(ScaleForDpi(14, Dpi), RectHeight(Area));
  const int BoxLeft = Area.left + ScaleForDpi(1, Dpi);
  const int BoxTop = Area.top + (RectHeight(Area) - Box) / 2;
  const RECT BoxRect{BoxLeft, BoxTop, BoxLeft + Box, BoxTop + Box};
  COLORREF Field = FieldColour(State.Enabled);
  if (State.Enabled && State.Pressed) Field = palette::kAccentPressed;
  COLORREF Border = FrameColour(TInteraction{State.Enabled, State.Hot, false, false});
  if (State.Enabled && ALook.Checked) Border = palette::kAccent;
  const double Half = Box / 2.0;
  if (ALook.Radio) {
    PaintShape(Dc, BoxRect, Field, Circle(Half, Half, Half));
    PaintShape(Dc, BoxRect, Border, Outline(Circle(Half, Half, Half), LineWidth(Dpi)));
    if (ALook.Checked)
      PaintShape(Dc, BoxRect, State.Enabled ? palette::kAccent : palette::kTextDisabled,
                 Circle(Half, Half, Box * 0.26));
  } else if (ALook.Checked) {
    // A checked box is filled: green with a dark mark, or grey with a dark mark when disabled.
    const COLORREF Filled = State.Enabled ? palette::kAccent : palette::kTextDisabled;
    RoundedPanel(Dc, BoxRect, ScaleForDpi(3, Dpi), Filled, 0, Filled);
    PaintGlyph(Dc, BoxRect, TGlyph::glCheckMark, State.Enabled ? palette::kOnAccent : palette::kFieldDisabled);
  } else {
    RoundedPanel(Dc, BoxRect, ScaleForDpi(3, Dpi), Field, LineWidth(Dpi), Border);
  }

  const int TextLeft = BoxRect.right + ScaleForDpi(6, Dpi);
  RECT TextRect{TextLeft, Area.top, Area.right - ScaleForDpi(3, Dpi), Area.bottom};
  // A control high enough for two lines wraps a caption too long for one (BS_MULTILINE), centred
  // as a block beside the mark.
  const int LineHeight = TextSize(Dc, ATarget.Font, L"Ag", DT_SINGLELINE, RectWidth(Area)).cy;
  const bool Wraps = RectHeight(Area) >= 2 * LineHeight;
  const UINT TextFlags =
      Wraps ? DT_WORDBREAK | DT_LEFT | DT_END_ELLIPSIS : DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS;
  const SIZE Caption = TextSize(Dc, ATarget.Font, ALook.Text, TextFlags, std::max(1, RectWidth(TextRect)));
  if (Wraps) {
    TextRect.top = Area.top + std::max(0, (RectHeight(Area) - static_cast<int>(Caption.cy)) / 2);
    TextRect.bottom = std::min<LONG>(Area.bottom, TextRect.top + Caption.cy);
  }
  PaintText(Dc, ATarget.Font, ALook.Text, TextRect, TextColour(State.Enabled), TextFlags);
  if (State.Focused && !ALook.Text.empty())
    FocusFrame(Dc, RECT{TextLeft, Area.top, TextLeft + Caption.cx, Area.bottom}, Area, Dpi);
  Buffer.Present();
}

}  // namespace

void PaintPushButton(const TPaintTarget& ATarget, const TPushButtonLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  const TInteraction& State = ALook.State;
  Fill(Dc, Area, ALook.Surface);
  COLORREF Face = palette::kButtonFace;
  if (!State.Enabled)
    Face = palette::kButtonFaceDisabled;
  else if (State.Pressed)
    Face = palette::kAccentPressed;
  else if (State.Hot)
    Face = palette::kButtonFaceHot;
  // The focused button gets a double-width green frame.
  const int FrameWidth = State.Focused && State.Enabled ? 2 * LineWidth(ATarget.Dpi) : LineWidth(ATarget.Dpi);
  RoundedPanel(Dc, Area, ScaleForDpi(4, ATarget.Dpi), Face, FrameWidth, FrameColour(State));

  // The image, a gap and the caption, centred together.
  const UINT TextFlags = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS;
  const int Padding = ScaleForDpi(6, ATarget.Dpi);
  const bool HasImage = ALook.Image != TButtonImage::biNone;
  const int ImageSize = HasImage ? ScaleForDpi(16, ATarget.Dpi) : 0;
  const int Gap = HasImage && !ALook.Text.empty() ? ScaleForDpi(7, ATarget.Dpi) : 0;
  const int Room = std::max(0, RectWidth(Area) - 2 * Padding - ImageSize - Gap);
  const SIZE Caption = TextSize(Dc, ATarget.Font, ALook.Text, TextFlags, Room);
  const int Left =
      Area.left + std::max(Padding, (RectWidth(Area) - ImageSize - Gap - static_cast<int>(Caption.cx)) / 2);
  if (HasImage) {
    const int Top = Area.top + (RectHeight(Area) - ImageSize) / 2;
    const auto [Glyph, Colour] = ButtonGlyph(ALook.Image);
    PaintGlyph(Dc, RECT{Left, Top, Left + ImageSize, Top + ImageSize}, Glyph,
               State.Enabled ? Colour : palette::kImageDisabled);
  }
  const int TextLeft = Left + ImageSize + Gap;
  // Drawn into all the room right of it, not just the measured width: some renderers (Wine's)
  // draw a glyph's last pixels beyond the advance they measured.
  const int TextRight = std::max<int>(TextLeft + Caption.cx, Area.right - Padding);
  PaintText(Dc, ATarget.Font, ALook.Text, RECT{TextLeft, Area.top, TextRight, Area.bottom}, TextColour(State.Enabled),
            TextFlags);
  Buffer.Present();
}

// Every kind of button -------------------------------------------------------------------

std::optional<LRESULT> TNativeButtonWindow::CustomDraw(const NMCUSTOMDRAW& ADraw) {
  if (Style() == nullptr) return std::nullopt;
  // Some buttons ask before erasing, some only before painting: either way the whole button is
  // painted here once and the button's own painting is skipped.
  if (ADraw.dwDrawStage != CDDS_PREERASE && ADraw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
  Paint(ADraw.hdr.hwndFrom, ADraw.hdc);
  return CDRF_SKIPDEFAULT;
}

std::optional<LRESULT> TNativeButtonWindow::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return PaintButtonOrStatic(AWindow, AMessage, AWParam, ALParam);
}

TInteraction TNativeButtonWindow::Interaction(HWND AWindow) {
  const auto State = static_cast<UINT>(::SendMessageW(AWindow, BM_GETSTATE, 0, 0));
  return TInteraction{IsEnabled(AWindow), (State & BST_HOT) != 0, (State & BST_PUSHED) != 0,
                      (State & BST_FOCUS) != 0 || ::GetFocus() == AWindow};
}

// Push button ------------------------------------------------------------------------------

TNativeButton::TNativeButton(TButton& AModel, size_t AIndex, TNativeContext& AContext)
    : TNativeButtonWindow(AModel, AIndex, AContext), FButton(AModel), FImage(ImageFor(AModel.Name())) {}

TButtonImage TNativeButton::ImageFor(const std::string& AControlName) {
  if (AControlName == "btnStart") return TButtonImage::biPlay;
  if (AControlName == "btnStop") return TButtonImage::biStop;
  if (AControlName == "btnPickPoint") return TButtonImage::biCrosshair;
  return TButtonImage::biNone;
}

void TNativeButton::Create(bool AStartsGroup) {
  CreateWindowOf(WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0, AStartsGroup);
}

bool TNativeButton::HandleCommand(UINT ACode) {
  if (!Context().TakesInput() || ACode != BN_CLICKED) return false;
  return PressByEnter();
}

bool TNativeButton::PressByEnter() {
  TButton& Button = FButton;
  Context().Run([&Button] { Button.Click(); });
  return true;
}

void TNativeButton::Paint(HWND AWindow, HDC ADc) {
  PaintPushButton(PaintTargetOf(AWindow, ADc),
                  TPushButtonLook{Interaction(AWindow), FImage, Surface(), WindowTextWide(AWindow)});
}

// Check boxes and radio buttons -----------------------------------------------------------

void TNativeCheckButton::Sync(TControlProperty AProperty) {
  if (AProperty != TControlProperty::cpChecked) {
    TNativeControl::Sync(AProperty);
    return;
  }
  if (Window() != nullptr) ShowChecked();
}

bool TNativeCheckButton::HandleCommand(UINT ACode) {
  if (!Context().TakesInput() || ACode != BN_CLICKED) return false;
  Context().Run([this] { Click(); });
  ShowChecked();
  return true;
}

void TNativeCheckButton::ShowChecked() {
  ::SendMessageW(Window(), BM_SETCHECK, Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TNativeCheckButton::Paint(HWND AWindow, HDC ADc) {
  PaintCheck(PaintTargetOf(AWindow, ADc),
             TCheckLook{Interaction(AWindow), ::SendMessageW(AWindow, BM_GETCHECK, 0, 0) == BST_CHECKED, Round(),
                        Surface(), WindowTextWide(AWindow)});
}

void TNativeCheckBox::Create(bool AStartsGroup) {
  CreateWindowOf(WC_BUTTONW, BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, 0, AStartsGroup);
}

void TNativeCheckBox::Click() { FCheckBox.Click(); }

void TNativeRadioButton::Create(bool AStartsGroup) { CreateWindowOf(WC_BUTTONW, BS_RADIOBUTTON, 0, AStartsGroup); }

void TNativeRadioButton::Click() { FRadioButton.Click(); }

void TNativeRadioButton::ShowChecked() {
  TNativeCheckButton::ShowChecked();
  // Tab enters a radio group at its checked button, as in a dialog; the arrows move within it.
  SetWindowBits(Window(), GWL_STYLE, WS_TABSTOP, Checked());
}

}  // namespace nevra::win32
