#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/EventDispatcher.h"
#include "platform/controls/Control.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/style/Win32Palette.h"
#include "platform/win32/style/Win32Style.h"
#include "platform/win32/style/Win32StyleControls.h"
#include "platform/win32/view/Win32AccessibleNames.h"
#include "platform/win32/view/Win32NativeTooltips.h"

namespace nevra::win32 {

// What the native controls of one form share: the form (while it listens), its window (every
// control's parent), the dispatcher their events go through, the style's painting, the fonts and
// the DPI. The form view owns it and keeps it current.
class TNativeContext {
 public:
  // AStyle, which must outlive the context: the controls wear its look; null for the system's.
  TNativeContext(TForm& AForm, HWND AWindow, TEventDispatcher& ADispatcher, UINT ADpi, const TWin32Style* AStyle);
  TNativeContext(const TNativeContext&) = delete;
  TNativeContext& operator=(const TNativeContext&) = delete;

  // Null once the form has stopped listening: nothing the user does reaches it any more.
  TForm* Form() const { return FForm; }
  void Detach() { FForm = nullptr; }
  HWND Window() const { return FWindow; }
  UINT Dpi() const { return FDpi; }
  // The style's painting of the controls; null in the system's look.
  TWin32StyledControls* Skins() const { return FSkins.get(); }
  HFONT Font(bool AUnderlined) const { return AUnderlined ? FUnderlinedFont.Get() : FFont.Get(); }
  TAccessibleNames& AccessibleNames() { return FAccessibleNames; }
  TNativeTooltips& Tooltips() { return FTooltips; }

  // The fonts for ADpi. The old ones come back: the controls still use them until they are
  // given the new ones, so the caller keeps them until then.
  std::pair<TFontOwner, TFontOwner> SetDpi(UINT ADpi);

  // Whether the user's input on a control becomes a model event: the form listens, and the view
  // is not writing to a control itself (SetWindowText raises EN_CHANGE as typing does).
  bool TakesInput() const { return FForm != nullptr && !FMirroring; }
  // Marks what the controls report while it lives as the view's own writing.
  class TMirroring {
   public:
    explicit TMirroring(TNativeContext& AContext) : FContext(AContext) { FContext.FMirroring = true; }
    ~TMirroring() { FContext.FMirroring = false; }
    TMirroring(const TMirroring&) = delete;
    TMirroring& operator=(const TMirroring&) = delete;

   private:
    TNativeContext& FContext;
  };

  // Runs a model event; the dispatcher shows what it throws.
  void Run(const std::function<void()>& AEvent) { FDispatcher.Run(AEvent); }
  // Moves the keyboard focus on before AWindow is disabled or hidden, so the keyboard still works.
  void MoveFocusAwayFrom(HWND AWindow) const;
  // The window of another control of the form (the anchor of a pop-up menu); set by the view.
  std::function<HWND(const TControl&)> WindowOf;

 private:
  TForm* FForm;
  HWND FWindow;
  TEventDispatcher& FDispatcher;
  UINT FDpi;
  std::unique_ptr<TWin32StyledControls> FSkins;  // only with a style
  TAccessibleNames FAccessibleNames;
  TNativeTooltips FTooltips;
  TFontOwner FFont;
  TFontOwner FUnderlinedFont;
  bool FMirroring = false;
};

// The native side of one control of a form: its standard Win32 control (some kinds have none),
// made, dressed, laid out and kept in step with the model here, and the user's input on it turned
// into model events through the dispatcher. One subclass per kind of control; CreateNativeControl
// makes the right one.
class TNativeControl {
 public:
  // AIndex: the control's place in TForm::Controls(), which gives its window id.
  TNativeControl(TControl& AModel, size_t AIndex, TNativeContext& AContext)
      : FModel(AModel), FIndex(AIndex), FContext(AContext) {}
  virtual ~TNativeControl() = default;
  TNativeControl(const TNativeControl&) = delete;
  TNativeControl& operator=(const TNativeControl&) = delete;

  TControl& Model() const { return FModel; }
  // A direct child of the form's window with the id ControlIdAt(index); destroyed with the form's
  // window, which owns it. Null for a control without a window (or one Windows refused to make).
  HWND Window() const { return FWindow; }
  // A second window that belongs to the control: a spin box's arrows.
  virtual HWND Companion() const { return nullptr; }
  bool Owns(HWND AWindow) const { return AWindow != nullptr && (AWindow == FWindow || AWindow == Companion()); }

  // Makes the control's windows. AStartsGroup: the arrow keys' group starts here (WS_GROUP).
  virtual void Create(bool AStartsGroup) = 0;
  // Dresses the windows in the style, when there is one. After every control has been made.
  virtual void ApplySkin() {}
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
  // WM_NOTIFY from one of its windows; true when handled, with the answer in AResult.
  virtual bool HandleNotify(const NMHDR& /*AHeader*/, LRESULT& /*AResult*/) { return false; }
  // Enter while the control has the keyboard focus, as the dialog manager reports it (IDOK).
  virtual bool PressByEnter() { return false; }
  // A message to the form's window on behalf of a control without a window of its own.
  virtual bool HandleFormMessage(UINT /*AMessage*/, WPARAM /*AWParam*/, LPARAM /*ALParam*/) { return false; }
  // WM_CTLCOLORSTATIC in the system's look; nothing when the default colours do.
  virtual std::optional<HBRUSH> SystemColours(HDC /*ADc*/) { return std::nullopt; }
  // WM_DRAWITEM of its owner-drawn window; false when not handled.
  virtual bool DrawItem(const DRAWITEMSTRUCT& /*AItem*/) { return false; }
  // A control that cannot name itself to screen readers takes a name from the captions of the
  // form's controls; called once they are all in place and whenever one that may name it changes.
  virtual void UpdateAccessibleName(const std::vector<TControl*>& /*AControls*/) {}

 protected:
  size_t Index() const { return FIndex; }
  TNativeContext& Context() const { return FContext; }
  // Makes Window() of AClass with AStyle on top of what every control has.
  void CreateWindowOf(const wchar_t* AClass, DWORD AStyle, DWORD AExStyle, bool AStartsGroup);
  // Another child of the form's window, with AStyle as it is and AId.
  HWND CreateChildWindow(const wchar_t* AClass, DWORD AStyle, int AId) const;
  // Window() in the style's look, when there is a style.
  void AttachSkin(TSkin ASkin, COLORREF ATextColour = palette::kText, TButtonImage AImage = TButtonImage::biNone,
                  HWND APartner = nullptr) const;
  // What lies behind the control: the status panel's colour on a panel, the window's elsewhere.
  COLORREF Surface() const;
  // The control's place on the form's window at the context's DPI.
  RECT ScaledBounds() const;
  static void MoveTo(HWND AWindow, const RECT& ARect);

 private:
  TControl& FModel;
  size_t FIndex;
  TNativeContext& FContext;
  HWND FWindow = nullptr;
};

}  // namespace nevra::win32
