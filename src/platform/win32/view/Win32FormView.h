#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/EventDispatcher.h"
#include "platform/controls/Control.h"
#include "platform/controls/StdControls.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Messages.h"
#include "platform/win32/style/Win32Style.h"
#include "platform/win32/style/Win32StyleControls.h"
#include "platform/win32/view/Win32AccessibleNames.h"
#include "platform/win32/view/Win32TrayIcon.h"

namespace nevra::win32 {

// The up-down arrows of a spin box have the window id of its edit box plus this.
inline constexpr int kUpDownIdOffset = 10000;

// The native side of a form: one standard Win32 control per model control, each a direct child
// of the form's window with the id ControlIdAt(its index in TForm::Controls()). It mirrors every
// change of the model to the controls and turns what the user does into model actions, always
// through the dispatcher. The window that owns it forwards WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*,
// WM_DRAWITEM and WM_ERASEBKGND here.
//
// Keyboard: the tab order is the form's order of controls, except that the radio buttons of one
// container follow each other, so the arrow keys move through the whole group (the dialog
// manager's groups are runs of neighbours in z-order) while Tab enters it at the checked one.
// The link label is a tab stop too: Enter or Space open it.
//
// With a visual style (AStyle, which must outlive the view) the controls wear its look; without
// one they keep the system's.
class TWin32FormView final : public IControlView {
 public:
  TWin32FormView(TForm& AForm, HWND AWindow, TEventDispatcher& ADispatcher, UINT ADpi,
                 const TWin32Style* AStyle = nullptr);
  // Detaches from the form unless Abandon came first.
  ~TWin32FormView() override;
  TWin32FormView(const TWin32FormView&) = delete;
  TWin32FormView& operator=(const TWin32FormView&) = delete;

  // The form is about to go: stop listening to it and stop turning input into its events. The
  // controls stay on screen until their window is destroyed.
  void Detach();
  // The form is gone already: forget it without touching it.
  void Abandon() { FForm = nullptr; }

  // New fonts for ADpi to every control, and every control moved and sized for it.
  void SetDpi(UINT ADpi);

  // Routing from the owner's window procedure. Each returns whether it handled the message.
  bool HandleCommand(WPARAM AWParam, LPARAM ALParam);
  bool HandleNotify(const NMHDR& AHeader, LRESULT& AResult);
  // The answer to WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX or WM_CTLCOLORBTN;
  // nothing when the default colours do.
  std::optional<HBRUSH> ControlColours(UINT AMessage, HDC ADc, HWND AControl);
  // WM_DRAWITEM of an owner-drawn list (styled look only); false when not handled.
  bool DrawItem(const DRAWITEMSTRUCT& AItem);
  // WM_ERASEBKGND of the form's window; false when the default background will do.
  bool PaintBackground(HDC ADc);
  // kTrayCallbackMessage: a click on the notification-area icon.
  void HandleTrayMessage(LPARAM ALParam);
  // Explorer restarted: the icon must be added again.
  void ReaddTrayIcon();

  void ControlChanged(TControl& AControl, TControlProperty AProperty) override;

 private:
  struct TNative {
    TControl* Model = nullptr;
    HWND Window = nullptr;     // destroyed with the form's window, which owns it
    HWND UpDown = nullptr;     // spin boxes only
    bool MouseInside = false;  // link labels only
  };

  void CreateControls();
  void CreateWindowFor(size_t AIndex, const TControl* APreviousInTabOrder);
  void ApplySkin(size_t AIndex);
  void PrepareProgressBar(HWND ABar);
  // ATabOrder: indices into FNatives in tab order.
  void ArrangeZOrder(const std::vector<size_t>& ATabOrder);
  void NameSpinBoxes();
  void Layout();
  void ApplyFonts();
  // The styled look's entry heights of a list box or drop-down list.
  void SizeListEntries(size_t AIndex);
  void SyncAll(size_t AIndex);
  void SyncProperty(size_t AIndex, TControlProperty AProperty);
  void SyncShownAndEnabled(const TControl& AContainer);
  // The control's window and its arrows shown and enabled as the form says.
  void ShowAndEnable(const TNative& ANative);
  void SyncCaption(size_t AIndex);
  void SyncCheckedState(size_t AIndex);
  void SyncText(size_t AIndex);
  void SyncItems(size_t AIndex);
  void SyncItemIndex(size_t AIndex);
  void SyncFont(size_t AIndex);
  void SyncTrayIcon();
  void ShowPopupMenu(TPopupMenu& AMenu);
  // Moves the keyboard focus on before AWindow is disabled or hidden, so the keyboard still works.
  void MoveFocusAwayFrom(HWND AWindow);
  TNative* FindByWindow(HWND AWindow);
  TNative* FindByUpDown(HWND AUpDown);

  void LinkMouseMove(TNative& ANative);
  void LinkMouseLeave(TNative& ANative);
  void ActivateLink(TNative& ANative);
  static LRESULT CALLBACK LinkLabelProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam,
                                        UINT_PTR ASubclassId, DWORD_PTR ARefData);

  TForm* FForm;  // null once detached
  HWND FWindow;
  TEventDispatcher& FDispatcher;
  UINT FDpi;
  const TWin32Style* FStyle;
  std::unique_ptr<TWin32StyledControls> FSkins;  // only with a style
  TAccessibleNames FAccessibleNames;
  TFontOwner FFont;
  TFontOwner FUnderlinedFont;
  std::vector<TNative> FNatives;
  std::unordered_map<const TControl*, size_t> FIndexOf;
  TTrayIcon* FTrayModel = nullptr;
  std::unique_ptr<TWin32TrayIcon> FTray;
  // Set while the view itself writes to a control, so the control's notification (EN_CHANGE on
  // SetWindowText) is not taken for the user's input.
  bool FMirroring = false;
};

}  // namespace nevra::win32
