#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/controls/Control.h"
#include "platform/win32/style/Win32Palette.h"
#include "platform/win32/style/Win32StyleDrawing.h"
#include "platform/win32/view/Win32NativeContext.h"

namespace nevra::win32 {

// The native side of one control of a form: its standard Win32 control (some kinds have none),
// made, dressed, laid out, kept in step with the model and painted here, and the user's input on
// it turned into model events through the dispatcher. One subclass per kind of control;
// CreateNativeControl makes the right one.
//
// The look: in the visual style, each kind paints its own windows. The form view hands it the
// WM_CTLCOLOR*, NM_CUSTOMDRAW and WM_DRAWITEM its windows send the form's window (Colours,
// CustomDraw, DrawItem), and a kind that paints a window itself subclasses it (Subclass) and takes
// its messages first (WindowMessage). Every window stays the standard control with its class, id
// and styles, so keyboard handling, screen readers and tools that drive the window see what they
// always did. In the system's look (no style, or Windows' high-contrast mode) Windows paints, and
// a kind adds only what that look lacks (a link's colour and focus).
class TNativeControl {
 public:
  // AIndex: the control's place in TForm::Controls(), which gives its window id.
  TNativeControl(TControl& AModel, size_t AIndex, TNativeContext& AContext)
      : FModel(AModel), FIndex(AIndex), FContext(AContext) {}
  // Takes the subclass off the windows that still exist, so they never call this object again.
  virtual ~TNativeControl();
  TNativeControl(const TNativeControl&) = delete;
  TNativeControl& operator=(const TNativeControl&) = delete;

  TControl& Model() const { return FModel; }
  // A direct child of the form's window with the id ControlIdAt(index); destroyed with the form's
  // window, which owns it. Null for a control without a window (or one Windows refused to make).
  HWND Window() const { return FWindow; }
  // A second window that belongs to the control: a spin box's arrows.
  virtual HWND Companion() const { return nullptr; }
  // Whether AWindow is one of the control's: its own, its companion, or one it opens (the list of
  // a drop-down list), so that what that window sends the form reaches the control.
  virtual bool Owns(HWND AWindow) const { return AWindow != nullptr && (AWindow == FWindow || AWindow == Companion()); }

  // Makes the control's windows. AStartsGroup: the arrow keys' group starts here (WS_GROUP).
  virtual void Create(bool AStartsGroup) = 0;
  // Dresses the windows in the style, when there is one. After every control has been made.
  virtual void ApplyStyle() {}
  virtual void ApplyFont();
  // Moves and sizes the windows for the context's DPI.
  virtual void Layout();
  // Mirrors one property of the model to the windows.
  virtual void Sync(TControlProperty AProperty);
  // Mirrors the whole model, once the fonts are set.
  virtual void SyncAll();
  // Shows and enables the windows as the control and every container around it say.
  void ShowAndEnable();

  // WM_COMMAND from Window() with this notification code; true when handled.
  virtual bool HandleCommand(UINT /*ACode*/) { return false; }
  // WM_NOTIFY from one of its windows (NM_CUSTOMDRAW aside); true when handled, with the answer in
  // AResult.
  virtual bool HandleNotify(const NMHDR& /*AHeader*/, LRESULT& /*AResult*/) { return false; }
  // Enter while the control has the keyboard focus, as the dialog manager reports it (IDOK).
  virtual bool PressByEnter() { return false; }
  // A message to the form's window on behalf of a control without a window of its own.
  virtual bool HandleFormMessage(UINT /*AMessage*/, WPARAM /*AWParam*/, LPARAM /*ALParam*/) { return false; }
  // A control that cannot name itself to screen readers takes a name from the captions of the
  // form's controls; called once they are all in place and whenever one that may name it changes.
  virtual void UpdateAccessibleName(const std::vector<TControl*>& /*AControls*/) {}

  // The look ---------------------------------------------------------------------------------
  // The answer to WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX or WM_CTLCOLORBTN
  // (AMessage) from AWindow, one of its windows: colours set on ADc, the brush returned; nothing
  // when the default colours do. In the style: a field's colours for an edit box and a list,
  // otherwise the control's text on its surface (dimmed when disabled).
  virtual std::optional<HBRUSH> Colours(UINT AMessage, HDC ADc, HWND AWindow);
  // NM_CUSTOMDRAW from one of its windows; nothing leaves the painting to the window.
  virtual std::optional<LRESULT> CustomDraw(const NMCUSTOMDRAW& /*ADraw*/) { return std::nullopt; }
  // WM_DRAWITEM of its owner-drawn window; false when not handled.
  virtual bool DrawItem(const DRAWITEMSTRUCT& /*AItem*/) { return false; }
  // Its windows painted again, borders included (the DPI changed).
  void Repaint() const;

 protected:
  size_t Index() const { return FIndex; }
  TNativeContext& Context() const { return FContext; }
  // The style the control paints itself in; null in the system's look.
  const TWin32Style* Style() const { return FContext.Style(); }
  // Makes Window() of AClass with AStyle on top of what every control has.
  void CreateWindowOf(const wchar_t* AClass, DWORD AStyle, DWORD AExStyle, bool AStartsGroup);
  // Another child of the form's window, with AStyle as it is and AId.
  HWND CreateChildWindow(const wchar_t* AClass, DWORD AStyle, int AId) const;
  // What lies behind the control: the status panel's colour on a panel, the window's elsewhere.
  COLORREF Surface() const;
  // The colour of the control's text on its surface in the style.
  virtual COLORREF TextOnSurface() const { return palette::kText; }
  // The control's place on the form's window at the context's DPI.
  RECT ScaledBounds() const;
  static void MoveTo(HWND AWindow, const RECT& ARect);

  // Painting in the style -------------------------------------------------------------------
  // Routes AWindow's messages through WindowMessage, ahead of its own window procedure, for as
  // long as both live; false when Windows refuses.
  bool Subclass(HWND AWindow);
  // AWindow (when there is a style) subclassed and painted again, in the style from now on.
  void Dress(HWND AWindow);
  // A message to a subclassed window; nothing passes it on to the window's own procedure.
  virtual std::optional<LRESULT> WindowMessage(HWND /*AWindow*/, UINT /*AMessage*/, WPARAM /*AWParam*/,
                                               LPARAM /*ALParam*/) {
    return std::nullopt;
  }
  // The window's own procedure, for WindowMessage to run before it adds to what it did.
  static LRESULT PassOn(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  // Paints the whole client area of AWindow, one of the control's windows, into ADc.
  virtual void Paint(HWND /*AWindow*/, HDC /*ADc*/) {}
  // Where Paint draws: ADc, AWindow's client area, the DPI and AWindow's font.
  TPaintTarget PaintTargetOf(HWND AWindow, HDC ADc) const;
  // After a change of state: AWindow painted again, with whatever shows that state beside it.
  virtual void Refresh(HWND AWindow) const;
  // The building blocks of WindowMessage, each nothing for a message it leaves alone:
  // - WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND of a window painted whole by Paint;
  std::optional<LRESULT> PaintWhole(HWND AWindow, UINT AMessage, WPARAM AWParam);
  // - a message after which the window looks different (enabled, focus, text, check, pushed,
  //   selection, keyboard cues): the window's own handling, then Refresh;
  std::optional<LRESULT> RefreshAfterChange(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  // - both, for a button or static painted whole: on WM_ENABLE either would paint itself at once in
  //   the system's colours, so it is only invalidated.
  std::optional<LRESULT> PaintButtonOrStatic(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  // Sets the style's colours of a WM_CTLCOLOR* answer on ADc: ATextColour on ABackground, whose
  // brush comes back.
  HBRUSH StyleColours(HDC ADc, COLORREF ATextColour, COLORREF ABackground) const;

 private:
  static LRESULT CALLBACK SubclassProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam,
                                       UINT_PTR ASubclassId, DWORD_PTR ARefData);

  TControl& FModel;
  size_t FIndex;
  TNativeContext& FContext;
  HWND FWindow = nullptr;
  std::vector<HWND> FSubclassed;
};

}  // namespace nevra::win32
