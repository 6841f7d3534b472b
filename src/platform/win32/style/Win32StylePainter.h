#pragma once
#include <windows.h>

#include <string>

namespace nevra::win32 {

// How the "Midnight Express Green" style draws each kind of control. Every function paints the
// whole control into ARect of ADc from a description of its state: it reads no window, so the
// same look comes out of WM_PAINT, custom draw and owner draw alike. Sizes scale with ADpi.

enum class TButtonImage { biNone, biPlay, biStop, biCrosshair };

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

struct TPushButtonLook {
  TInteraction State;
  TButtonImage Image = TButtonImage::biNone;
  COLORREF Surface;
  std::wstring Text;
};
void PaintPushButton(const TPaintTarget& ATarget, const TPushButtonLook& ALook);

struct TCheckLook {
  TInteraction State;
  bool Checked = false;
  bool Radio = false;
  COLORREF Surface;
  std::wstring Text;
};
void PaintCheck(const TPaintTarget& ATarget, const TCheckLook& ALook);

struct TGroupBoxLook {
  bool Enabled = true;
  COLORREF Surface;
  std::wstring Text;
};
void PaintGroupBox(const TPaintTarget& ATarget, const TGroupBoxLook& ALook);

struct TLabelLook {
  bool Enabled = true;
  bool Focused = false;  // a link that has the keyboard focus
  COLORREF TextColour;
  COLORREF Surface;
  UINT DrawTextFlags = 0;  // alignment, wrapping, ellipsis
  std::wstring Text;
};
void PaintLabel(const TPaintTarget& ATarget, const TLabelLook& ALook);

// A sunken line along the top of ARect.
void PaintBevel(const TPaintTarget& ATarget, COLORREF ASurface);

struct TFieldFrameLook {
  bool Enabled = true;
  bool Focused = false;
  // The right edge is left open for the arrows of a spin box, which close the frame.
  bool OpenRight = false;
  // Everything outside the client area is border (an edit box whose text is centred by a
  // wider border); otherwise only the band as wide as the left border, leaving a scroll bar be.
  bool FillToClient = false;
};
// The frame of an edit box or list box in its non-client border: ARect is the whole window,
// AClient the client area inside it (both in window coordinates).
void PaintFieldFrame(HDC ADc, const RECT& ARect, const RECT& AClient, const TFieldFrameLook& ALook);

enum class TSpinArrow { saNone, saUp, saDown };
struct TSpinArrowsLook {
  bool Enabled = true;
  bool BuddyFocused = false;
  TSpinArrow Hot = TSpinArrow::saNone;
  TSpinArrow Pressed = TSpinArrow::saNone;
  int FrameWidth = 2;  // the width of the edit box's border, which the arrows continue
};
void PaintSpinArrows(const TPaintTarget& ATarget, const TSpinArrowsLook& ALook);

struct TComboBoxLook {
  TInteraction State;
  std::wstring Text;
};
// The closed drop-down list: field, frame, selected entry and arrow.
void PaintComboBox(const TPaintTarget& ATarget, const TComboBoxLook& ALook);

struct TListItemLook {
  bool Enabled = true;
  bool Selected = false;
  bool Focused = false;  // the caret of a list that has the keyboard focus
  std::wstring Text;
};
// One entry of a list box or of a drop-down list's list (ATarget.Rect is the entry).
void PaintListItem(const TPaintTarget& ATarget, const TListItemLook& ALook);

// The style's colours of text and of a field's background (edit box, list), enabled or not.
COLORREF TextColour(bool AEnabled);
COLORREF FieldColour(bool AEnabled);

}  // namespace nevra::win32
