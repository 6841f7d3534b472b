#pragma once
#include <windows.h>

#include <string>

namespace nevra::win32 {

// The drawing primitives of the "Midnight Express Green" style: what every control's look is made
// of. Each kind of native control (view/Win32Native*) paints its own windows with them; none of
// them reads a window, so a look comes out the same from WM_PAINT, custom draw and owner draw.
// Sizes scale with the DPI.

struct TPaintTarget {
  HDC Dc;
  RECT Rect;
  UINT Dpi;
  HFONT Font;
};

// Pointer and keyboard state shared by the clickable controls.
struct TInteraction {
  bool Enabled = true;
  bool Hot = false;      // the mouse is over it
  bool Pressed = false;  // held down by mouse or Space
  bool Focused = false;  // has the keyboard focus
};

inline int RectWidth(const RECT& ARect) { return ARect.right - ARect.left; }
inline int RectHeight(const RECT& ARect) { return ARect.bottom - ARect.top; }

// One line of the style: a pixel at 96 DPI, more at higher scales.
int LineWidth(UINT ADpi);

// The side a frame leaves open where a neighbour carries the field on (a spin box's edit box and
// its arrows).
enum class TOpenSide { osNone, osLeft, osRight };

// A rectangular frame AWidth pixels wide just inside ARect.
void Frame(HDC ADc, const RECT& ARect, int AWidth, COLORREF AColour, TOpenSide AOpen = TOpenSide::osNone);

// A rounded rectangle filling ARect, with an optional frame of AFrameWidth in AFrameColour.
void RoundedPanel(HDC ADc, const RECT& ARect, double ARadius, COLORREF AFace, int AFrameWidth, COLORREF AFrameColour);

// AText in AFont and AColour, laid out in ARect by DrawText's AFlags, on a transparent background.
void PaintText(HDC ADc, HFONT AFont, const std::wstring& AText, RECT ARect, COLORREF AColour, UINT AFlags);

// The size AText takes in AFont with AFlags, at most AMaxWidth wide.
SIZE TextSize(HDC ADc, HFONT AFont, const std::wstring& AText, UINT AFlags, int AMaxWidth);

// The keyboard focus around a caption (ARect spans the control's height, AClip the control): a
// thin green frame, drawn whenever the control has the focus (not only after keyboard use), so it
// is never lost.
void FocusFrame(HDC ADc, RECT ARect, const RECT& AClip, UINT ADpi);

// The colour of a control's frame in AState.
COLORREF FrameColour(const TInteraction& AState);

// The style's colours of text and of a field's background (edit box, list), enabled or not.
COLORREF TextColour(bool AEnabled);
COLORREF FieldColour(bool AEnabled);

}  // namespace nevra::win32
