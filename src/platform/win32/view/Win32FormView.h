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
#include "platform/win32/style/Win32Style.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// The native side of a form: one standard Win32 control per model control (TNativeControl and
// its kinds), each a direct child of the form's window with the id ControlIdAt(its index in
// TForm::Controls()). The view makes them, lays them out for the DPI, and routes to each what
// concerns it: the model's changes, and the messages the form's window forwards here (WM_COMMAND,
// WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM and the program's own messages) go to the control whose
// window sent them, which also paints itself; the view paints only the form's own background
// (WM_ERASEBKGND). What the user does becomes model actions, always through the dispatcher.
//
// Keyboard: the tab order is the form's order of controls, except that the radio buttons of one
// container follow each other (platform/controls/TabOrder.h): the dialog manager's groups are
// runs of neighbours in z-order, so the arrow keys move through the whole group while Tab enters
// it at the checked one. The link label is a tab stop too: Enter or Space open it.
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
  void Abandon() { FContext.Detach(); }

  // New fonts for ADpi to every control, and every control moved and sized for it.
  void SetDpi(UINT ADpi);

  // Routing from the owner's window procedure. Each returns whether it handled the message.
  bool HandleCommand(WPARAM AWParam, LPARAM ALParam);
  bool HandleNotify(const NMHDR& AHeader, LRESULT& AResult);
  // The answer to WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX or WM_CTLCOLORBTN;
  // nothing when the default colours do.
  std::optional<HBRUSH> ControlColours(UINT AMessage, HDC ADc, HWND AControl);
  // WM_DRAWITEM of an owner-drawn control; false when not handled.
  bool DrawItem(const DRAWITEMSTRUCT& AItem);
  // WM_ERASEBKGND of the form's window; false when the default background will do.
  bool PaintBackground(HDC ADc);
  // A message from WM_APP on (the program's own, and registered ones) that belongs to a control
  // without a window of its own: the notification-area icon's clicks, Explorer's restart.
  bool HandleFormMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  void ControlChanged(TControl& AControl, TControlProperty AProperty) override;

 private:
  void CreateControls();
  // ATabOrder: indices into FNatives in tab order.
  void ArrangeZOrder(const std::vector<size_t>& ATabOrder);
  void NameFields();
  void Layout();
  // Mirrors the window and every control for a form read right to left, or back.
  void ApplyReadingOrder();
  TNativeControl* Find(const TControl& AControl) const;
  // The control that owns AWindow (its own window or its companion).
  TNativeControl* FindByWindow(HWND AWindow) const;

  TNativeContext FContext;
  std::vector<std::unique_ptr<TNativeControl>> FNatives;
  std::unordered_map<const TControl*, size_t> FIndexOf;
};

}  // namespace nevra::win32
