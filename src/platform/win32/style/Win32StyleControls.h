#pragma once
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <optional>
#include <unordered_map>

#include "platform/win32/Win32Handles.h"
#include "platform/win32/style/Win32Style.h"
#include "platform/win32/style/Win32StylePainter.h"

namespace nevra::win32 {

// Asks Windows for one WM_MOUSELEAVE when the mouse leaves AWindow, for a look (or event) that
// lasts while the mouse is over it.
void TrackLeave(HWND AWindow);

// What a control is, as far as its look goes.
enum class TSkin {
  skPushButton,
  skCheckBox,
  skRadioButton,
  skGroupBox,
  skLabel,
  skPanel,
  skBevel,
  skEdit,
  skUpDown,
  skComboBox,
  skListBox,
  skMemo,  // a read-only edit box of several lines
};

struct TSkinnedControl {
  TSkin Skin;
  COLORREF Surface;     // what lies behind the control: the window or the status panel
  COLORREF TextColour;  // of a label: plain text or the link colour
  TButtonImage Image = TButtonImage::biNone;
  HWND Partner = nullptr;  // a spin box's edit box and its arrows, each for the other
};

// Dresses a form's standard controls in the visual style while leaving them standard controls:
// their classes, styles, ids, notifications, check states and texts stay what screen readers,
// the dialog manager and tools that drive the window expect. Themed controls ignore colours, so
// the buttons, check boxes, radio buttons, group boxes, labels, spin-box arrows and drop-down
// lists are painted here (a subclass takes their WM_PAINT; custom draw covers the painting that
// buttons do outside it); edit boxes and list boxes keep their own painting with the style's
// colours (WM_CTLCOLOR*) and get the style's frame. The owner of the controls' parent window
// forwards WM_CTLCOLOR*, NM_CUSTOMDRAW and WM_DRAWITEM here.
class TWin32StyledControls {
 public:
  TWin32StyledControls(const TWin32Style& AStyle, UINT ADpi);
  // Takes the subclass off every control that still exists.
  ~TWin32StyledControls();
  TWin32StyledControls(const TWin32StyledControls&) = delete;
  TWin32StyledControls& operator=(const TWin32StyledControls&) = delete;

  void Attach(HWND AWindow, const TSkinnedControl& ASkin);
  void SetDpi(UINT ADpi);

  // The answer to a WM_CTLCOLOR* message of the parent: colours set on ADc, the brush returned.
  std::optional<HBRUSH> Colours(UINT AMessage, HDC ADc, HWND AControl) const;
  // NM_CUSTOMDRAW of a button: painted here, the button's own painting skipped.
  std::optional<LRESULT> CustomDraw(const NMCUSTOMDRAW& ADraw);
  // WM_DRAWITEM of an owner-drawn list entry; false when the control is not one of these.
  bool DrawItem(const DRAWITEMSTRUCT& AItem) const;
  // The parent's own background (WM_ERASEBKGND).
  void PaintBackground(HWND AParent, HDC ADc) const;
  // Entry heights of an owner-drawn list box or drop-down list for its font at the current DPI;
  // a drop-down list's closed field is made AFieldHeight high.
  void SizeItems(HWND AWindow, int AFieldHeight) const;

 private:
  struct TState {
    TSkinnedControl Skin;
    bool Hot = false;
    TSpinArrow HotArrow = TSpinArrow::saNone;
    TSpinArrow PressedArrow = TSpinArrow::saNone;
    // An edit box's line height in its font, measured once per font (0: not yet): the frame is
    // recalculated at every move and resize, and measuring takes a device context each time.
    int TextHeight = 0;
  };

  static LRESULT CALLBACK SubclassProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam,
                                       UINT_PTR ASubclassId, DWORD_PTR ARefData);
  std::optional<LRESULT> HandleMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam, TState& AState);
  void Paint(HWND AWindow, HDC ADc, const TState& AState) const;
  void PaintFrame(HWND AWindow, const TState& AState) const;
  // The room below the last entry of an owner-drawn list box, which the list leaves alone.
  void FillBelowEntries(HWND AListBox, HDC ADc) const;
  // After a change of state: the control, its frame and its partner painted again.
  void Refresh(HWND AWindow, const TState& AState) const;
  void TrackHot(HWND AWindow, TState& AState, LPARAM APoint);
  void Forget(HWND AWindow);

  const TWin32Style& FStyle;
  UINT FDpi;
  TFontOwner FCaptionFont;
  std::unordered_map<HWND, TState> FControls;
};

}  // namespace nevra::win32
