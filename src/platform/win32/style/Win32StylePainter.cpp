#include "platform/win32/style/Win32StylePainter.h"

#include <algorithm>
#include <utility>

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/style/Win32Palette.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/style/Win32StyleShapes.h"

namespace nevra::win32 {

namespace {

// One line of the style: a pixel at 96 DPI, more at higher scales.
int Line(UINT ADpi) { return std::max(1, ScaleForDpi(1, ADpi)); }

// The shape and colour of a button's image.
std::pair<TGlyph, COLORREF> ButtonGlyph(TButtonImage AImage) {
  switch (AImage) {
    case TButtonImage::biPlay: return {TGlyph::glPlay, palette::kPlayImage};
    case TButtonImage::biCrosshair: return {TGlyph::glCrosshair, palette::kText};
    default: return {TGlyph::glStop, palette::kStopImage};
  }
}

int Width(const RECT& ARect) { return ARect.right - ARect.left; }
int Height(const RECT& ARect) { return ARect.bottom - ARect.top; }

// The side a frame leaves open where a neighbour carries the field on (a spin box's edit box and
// its arrows).
enum class TOpenSide { osNone, osLeft, osRight };

// A rectangular frame AWidth pixels wide just inside ARect.
void Frame(HDC ADc, const RECT& ARect, int AWidth, COLORREF AColour, TOpenSide AOpen = TOpenSide::osNone) {
  Fill(ADc, RECT{ARect.left, ARect.top, ARect.right, ARect.top + AWidth}, AColour);
  Fill(ADc, RECT{ARect.left, ARect.bottom - AWidth, ARect.right, ARect.bottom}, AColour);
  if (AOpen != TOpenSide::osLeft) Fill(ADc, RECT{ARect.left, ARect.top, ARect.left + AWidth, ARect.bottom}, AColour);
  if (AOpen != TOpenSide::osRight) Fill(ADc, RECT{ARect.right - AWidth, ARect.top, ARect.right, ARect.bottom}, AColour);
}

// A rounded rectangle filling ARect, with an optional frame of AFrameWidth in AFrameColour.
void RoundedPanel(HDC ADc, const RECT& ARect, double ARadius, COLORREF AFace, int AFrameWidth, COLORREF AFrameColour) {
  const TShape Box = RoundedBox(0, 0, Width(ARect), Height(ARect), ARadius);
  PaintShape(ADc, ARect, AFace, Box);
  if (AFrameWidth > 0) PaintShape(ADc, ARect, AFrameColour, Outline(Box, AFrameWidth));
}

void Text(HDC ADc, HFONT AFont, const std::wstring& AText, RECT ARect, COLORREF AColour, UINT AFlags) {
  TSelection Font(ADc, AFont);
  ::SetBkMode(ADc, TRANSPARENT);
  ::SetTextColor(ADc, AColour);
  ::DrawTextW(ADc, AText.c_str(), static_cast<int>(AText.size()), &ARect, AFlags);
}

SIZE TextSize(HDC ADc, HFONT AFont, const std::wstring& AText, UINT AFlags, int AMaxWidth) {
  TSelection Font(ADc, AFont);
  RECT Bounds{0, 0, std::max(AMaxWidth, 1), 0};
  ::DrawTextW(ADc, AText.c_str(), static_cast<int>(AText.size()), &Bounds, AFlags | DT_CALCRECT);
  return SIZE{std::min(Width(Bounds), AMaxWidth), Height(Bounds)};
}

// The keyboard focus around a caption (ARect spans the control's height): a thin green frame,
// drawn whenever the control has the focus (not only after keyboard use), so it is never lost.
void FocusFrame(HDC ADc, RECT ARect, const RECT& AClip, UINT ADpi) {
  ::InflateRect(&ARect, ScaleForDpi(3, ADpi), 0);
  ARect.left = std::max(ARect.left, AClip.left);
  ARect.right = std::min(ARect.right, AClip.right);
  PaintShape(ADc, ARect, palette::kAccent,
             Outline(RoundedBox(0, 0, Width(ARect), Height(ARect), ScaleForDpi(2, ADpi)), Line(ADpi)));
}

COLORREF FrameColour(const TInteraction& AState) {
  if (!AState.Enabled) return palette::kFrameDisabled;
  if (AState.Focused) return palette::kAccent;
  return AState.Hot ? palette::kFrameHot : palette::kFrame;
}

}  // namespace

COLORREF TextColour(bool AEnabled) { return AEnabled ? palette::kText : palette::kTextDisabled; }

COLORREF FieldColour(bool AEnabled) { return AEnabled ? palette::kField : palette::kFieldDisabled; }

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
  const int FrameWidth = State.Focused && State.Enabled ? 2 * Line(ATarget.Dpi) : Line(ATarget.Dpi);
  RoundedPanel(Dc, Area, ScaleForDpi(4, ATarget.Dpi), Face, FrameWidth, FrameColour(State));

  // The image, a gap and the caption, centred together.
  const UINT TextFlags = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS;
  const int Padding = ScaleForDpi(6, ATarget.Dpi);
  const bool HasImage = ALook.Image != TButtonImage::biNone;
  const int ImageSize = HasImage ? ScaleForDpi(16, ATarget.Dpi) : 0;
  const int Gap = HasImage && !ALook.Text.empty() ? ScaleForDpi(7, ATarget.Dpi) : 0;
  const int Room = std::max(0, Width(Area) - 2 * Padding - ImageSize - Gap);
  const SIZE Caption = TextSize(Dc, ATarget.Font, ALook.Text, TextFlags, Room);
  const int Left = Area.left + std::max(Padding, (Width(Area) - ImageSize - Gap - static_cast<int>(Caption.cx)) / 2);
  if (HasImage) {
    const int Top = Area.top + (Height(Area) - ImageSize) / 2;
    const auto [Glyph, Colour] = ButtonGlyph(ALook.Image);
    PaintGlyph(Dc, RECT{Left, Top, Left + ImageSize, Top + ImageSize}, Glyph,
               State.Enabled ? Colour : palette::kImageDisabled);
  }
  const int TextLeft = Left + ImageSize + Gap;
  // Drawn into all the room right of it, not just the measured width: some renderers (Wine's)
  // draw a glyph's last pixels beyond the advance they measured.
  const int TextRight = std::max<int>(TextLeft + Caption.cx, Area.right - Padding);
  Text(Dc, ATarget.Font, ALook.Text, RECT{TextLeft, Area.top, TextRight, Area.bottom}, TextColour(State.Enabled),
       TextFlags);
  Buffer.Present();
}

void PaintCheck(const TPaintTarget& ATarget, const TCheckLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  const TInteraction& State = ALook.State;
  const UINT Dpi = ATarget.Dpi;
  Fill(Dc, Area, ALook.Surface);

  const int Box = std::min(ScaleForDpi(14, Dpi), Height(Area));
  const int BoxLeft = Area.left + ScaleForDpi(1, Dpi);
  const int BoxTop = Area.top + (Height(Area) - Box) / 2;
  const RECT BoxRect{BoxLeft, BoxTop, BoxLeft + Box, BoxTop + Box};
  COLORREF Field = FieldColour(State.Enabled);
  if (State.Enabled && State.Pressed) Field = palette::kAccentPressed;
  COLORREF Border = FrameColour(TInteraction{State.Enabled, State.Hot, false, false});
  if (State.Enabled && ALook.Checked) Border = palette::kAccent;
  const double Half = Box / 2.0;
  if (ALook.Radio) {
    PaintShape(Dc, BoxRect, Field, Circle(Half, Half, Half));
    PaintShape(Dc, BoxRect, Border, Outline(Circle(Half, Half, Half), Line(Dpi)));
    if (ALook.Checked)
      PaintShape(Dc, BoxRect, State.Enabled ? palette::kAccent : palette::kTextDisabled,
                 Circle(Half, Half, Box * 0.26));
  } else if (ALook.Checked) {
    // A checked box is filled: green with a dark mark, or grey with a dark mark when disabled.
    const COLORREF Filled = State.Enabled ? palette::kAccent : palette::kTextDisabled;
    RoundedPanel(Dc, BoxRect, ScaleForDpi(3, Dpi), Filled, 0, Filled);
    PaintGlyph(Dc, BoxRect, TGlyph::glCheckMark, State.Enabled ? palette::kOnAccent : palette::kFieldDisabled);
  } else {
    RoundedPanel(Dc, BoxRect, ScaleForDpi(3, Dpi), Field, Line(Dpi), Border);
  }

  const int TextLeft = BoxRect.right + ScaleForDpi(6, Dpi);
  RECT TextRect{TextLeft, Area.top, Area.right - ScaleForDpi(3, Dpi), Area.bottom};
  // A control high enough for two lines wraps a caption too long for one (BS_MULTILINE), centred
  // as a block beside the mark.
  const int LineHeight = TextSize(Dc, ATarget.Font, L"Ag", DT_SINGLELINE, Width(Area)).cy;
  const bool Wraps = Height(Area) >= 2 * LineHeight;
  const UINT TextFlags =
      Wraps ? DT_WORDBREAK | DT_LEFT | DT_END_ELLIPSIS : DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS;
  const SIZE Caption = TextSize(Dc, ATarget.Font, ALook.Text, TextFlags, std::max(1, Width(TextRect)));
  if (Wraps) {
    TextRect.top = Area.top + std::max(0, (Height(Area) - static_cast<int>(Caption.cy)) / 2);
    TextRect.bottom = std::min<LONG>(Area.bottom, TextRect.top + Caption.cy);
  }
  Text(Dc, ATarget.Font, ALook.Text, TextRect, TextColour(State.Enabled), TextFlags);
  if (State.Focused && !ALook.Text.empty())
    FocusFrame(Dc, RECT{TextLeft, Area.top, TextLeft + Caption.cx, Area.bottom}, Area, Dpi);
  Buffer.Present();
}

void PaintGroupBox(const TPaintTarget& ATarget, const TGroupBoxLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  const UINT Dpi = ATarget.Dpi;
  Fill(Dc, Area, ALook.Surface);
  const int CaptionHeight = FontLineHeight(Dc, ATarget.Font);
  const RECT FrameRect{Area.left, Area.top + CaptionHeight / 2, Area.right, Area.bottom};
  PaintShape(Dc, FrameRect, ALook.Enabled ? palette::kGroupFrame : palette::kFrameDisabled,
             Outline(RoundedBox(0, 0, Width(FrameRect), Height(FrameRect), ScaleForDpi(5, Dpi)), Line(Dpi)));
  if (ALook.Text.empty()) {
    Buffer.Present();
    return;
  }
  // The caption interrupts the top line, with a little room either side.
  const UINT TextFlags = DT_SINGLELINE | DT_LEFT | DT_TOP | DT_END_ELLIPSIS;
  const int Left = Area.left + ScaleForDpi(10, Dpi);
  const int Room = ScaleForDpi(4, Dpi);
  const SIZE Caption = TextSize(Dc, ATarget.Font, ALook.Text, TextFlags,
                                std::max(1, Width(Area) - 2 * static_cast<int>(Left - Area.left)));
  Fill(Dc, RECT{Left - Room, Area.top, Left + Caption.cx + Room, Area.top + CaptionHeight}, ALook.Surface);
  Text(Dc, ATarget.Font, ALook.Text, RECT{Left, Area.top, Left + Caption.cx, Area.top + CaptionHeight},
       ALook.Enabled ? palette::kAccent : palette::kTextDisabled, TextFlags);
  Buffer.Present();
}

void PaintLabel(const TPaintTarget& ATarget, const TLabelLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  Fill(Dc, Area, ALook.Surface);
  COLORREF Colour = ALook.Enabled ? ALook.TextColour : palette::kTextDisabled;
  if (ALook.Focused && ALook.Enabled && !ALook.Text.empty()) {
    // A label is as high as its text, with no room for a frame: a focused link is highlighted
    // instead, dark text on the accent.
    const SIZE Caption = TextSize(Dc, ATarget.Font, ALook.Text, ALook.DrawTextFlags, Width(Area));
    const int Left = (ALook.DrawTextFlags & DT_RIGHT) != 0 ? Area.right - Caption.cx : Area.left;
    Fill(Dc, RECT{Left, Area.top, Left + Caption.cx, Area.top + Caption.cy}, palette::kAccent);
    Colour = palette::kOnAccent;
  }
  Text(Dc, ATarget.Font, ALook.Text, Area, Colour, ALook.DrawTextFlags);
  Buffer.Present();
}

void PaintBevel(const TPaintTarget& ATarget, COLORREF ASurface) {
  Fill(ATarget.Dc, ATarget.Rect, ASurface);
  const RECT& Rect = ATarget.Rect;
  Fill(ATarget.Dc, RECT{Rect.left, Rect.top, Rect.right, Rect.top + Line(ATarget.Dpi)}, palette::kGroupFrame);
}

void PaintFieldFrame(HDC ADc, const RECT& ARect, const RECT& AClient, const TFieldFrameLook& ALook) {
  // Only the border band: the client area and a scroll bar inside the border keep their own
  // painting.
  const int Band = std::max(1, static_cast<int>(AClient.left - ARect.left));
  const RECT Inner{ARect.left + Band, ARect.top + Band, ARect.right - Band, ARect.bottom - Band};
  const int Saved = ::SaveDC(ADc);
  const COLORREF Field = FieldColour(ALook.Enabled);
  if (ALook.FillToClient) {
    ::ExcludeClipRect(ADc, AClient.left, AClient.top, AClient.right, AClient.bottom);
    Fill(ADc, Inner, Field);
  }
  ::ExcludeClipRect(ADc, Inner.left, Inner.top, Inner.right, Inner.bottom);
  // Focused: the whole band turns green, a frame as wide as the border itself.
  Fill(ADc, ARect, ALook.Focused && ALook.Enabled ? palette::kAccent : Field);
  Frame(ADc, ARect, 1, FrameColour(TInteraction{ALook.Enabled, false, false, ALook.Focused}),
        ALook.OpenRight ? TOpenSide::osRight : TOpenSide::osNone);
  // The field runs on into the arrows: no frame between them.
  if (ALook.OpenRight) Fill(ADc, RECT{ARect.right - Band, ARect.top + Band, ARect.right, ARect.bottom - Band}, Field);
  ::RestoreDC(ADc, Saved);
}

void PaintSpinArrows(const TPaintTarget& ATarget, const TSpinArrowsLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  const UINT Dpi = ATarget.Dpi;
  const bool Focused = ALook.Enabled && ALook.BuddyFocused;
  // The arrows close the edit box's frame on the right: the same band, the same colours.
  const int Band = std::max(1, ALook.FrameWidth);
  Fill(Dc, Area, Focused ? palette::kAccent : FieldColour(ALook.Enabled));
  Frame(Dc, Area, 1, FrameColour(TInteraction{ALook.Enabled, false, false, Focused}), TOpenSide::osLeft);
  const RECT Inside{Area.left + Band, Area.top + Band, Area.right - Band, Area.bottom - Band};
  Fill(Dc, Inside, FieldColour(ALook.Enabled));

  const int Gap = Line(Dpi);
  const int Middle = Inside.top + Height(Inside) / 2;
  const RECT Halves[2] = {RECT{Inside.left + Gap, Inside.top + Gap, Inside.right - Gap, Middle},
                          RECT{Inside.left + Gap, Middle + Gap, Inside.right - Gap, Inside.bottom - Gap}};
  const TSpinArrow Arrows[2] = {TSpinArrow::saUp, TSpinArrow::saDown};
  for (int Index = 0; Index < 2; ++Index) {
    const RECT& Half = Halves[Index];
    if (Width(Half) <= 0 || Height(Half) <= 0) continue;
    COLORREF Face = ALook.Enabled ? palette::kButtonFace : palette::kFieldDisabled;
    if (ALook.Enabled && ALook.Pressed == Arrows[Index])
      Face = palette::kAccentPressed;
    else if (ALook.Enabled && ALook.Hot == Arrows[Index])
      Face = palette::kButtonFaceHot;
    RoundedPanel(Dc, Half, ScaleForDpi(2, Dpi), Face, 0, Face);
    PaintGlyph(Dc, Half, Index == 0 ? TGlyph::glArrowUp : TGlyph::glArrowDown, TextColour(ALook.Enabled));
  }
  Buffer.Present();
}

void PaintComboBox(const TPaintTarget& ATarget, const TComboBoxLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  const UINT Dpi = ATarget.Dpi;
  const TInteraction& State = ALook.State;
  Fill(Dc, Area, State.Enabled && State.Pressed ? palette::kButtonFaceHot : FieldColour(State.Enabled));
  Frame(Dc, Area, State.Focused && State.Enabled ? 2 * Line(Dpi) : Line(Dpi), FrameColour(State));
  const int ArrowWidth = ScaleForDpi(20, Dpi);
  const int ArrowSize = ScaleForDpi(12, Dpi);
  const int ArrowLeft = Area.right - ArrowWidth + (ArrowWidth - ArrowSize) / 2 - Line(Dpi);
  const int ArrowTop = Area.top + (Height(Area) - ArrowSize) / 2;
  PaintGlyph(Dc, RECT{ArrowLeft, ArrowTop, ArrowLeft + ArrowSize, ArrowTop + ArrowSize}, TGlyph::glChevronDown,
             TextColour(State.Enabled));
  const RECT TextRect{Area.left + ScaleForDpi(6, Dpi), Area.top, Area.right - ArrowWidth, Area.bottom};
  Text(Dc, ATarget.Font, ALook.Text, TextRect, TextColour(State.Enabled),
       DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  Buffer.Present();
}

void PaintListItem(const TPaintTarget& ATarget, const TListItemLook& ALook) {
  const HDC Dc = ATarget.Dc;
  const RECT& Rect = ATarget.Rect;
  COLORREF Back = FieldColour(ALook.Enabled);
  COLORREF Fore = TextColour(ALook.Enabled);
  if (ALook.Selected) {
    Back = ALook.Enabled ? palette::kSelection : palette::kFrameDisabled;
    Fore = ALook.Enabled ? palette::kSelectionText : palette::kText;
  }
  Fill(Dc, Rect, Back);
  const RECT TextRect{Rect.left + ScaleForDpi(5, ATarget.Dpi), Rect.top, Rect.right - ScaleForDpi(3, ATarget.Dpi),
                      Rect.bottom};
  Text(Dc, ATarget.Font, ALook.Text, TextRect, Fore,
       DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (ALook.Focused && ALook.Enabled) Frame(Dc, Rect, Line(ATarget.Dpi), palette::kAccent);
}

}  // namespace nevra::win32
