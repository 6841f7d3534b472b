#include "platform/win32/view/Win32FormView.h"

#include <utility>

#include "platform/controls/AccessibleName.h"
#include "platform/controls/ControlIds.h"
#include "platform/controls/FormGeometry.h"
#include "platform/controls/TabOrder.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32Palette.h"
#include "platform/win32/view/Win32NativeControls.h"

namespace nevra::win32 {

TWin32FormView::TWin32FormView(TForm& AForm, HWND AWindow, TEventDispatcher& ADispatcher, UINT ADpi,
                               const TWin32Style* AStyle)
    : FContext(AForm, AWindow, ADispatcher, ADpi, AStyle) {
  FContext.WindowOf = [this](const TControl& AControl) {
    const TNativeControl* Native = Find(AControl);
    return Native != nullptr ? Native->Window() : nullptr;
  };
  CreateControls();
}

TWin32FormView::~TWin32FormView() { Detach(); }

void TWin32FormView::Detach() {
  TForm* Form = FContext.Form();
  if (Form == nullptr) return;
  for (const auto& Native : FNatives) Native->Model().SetView(nullptr);
  Form->SetView(nullptr);
  FContext.Detach();
}

void TWin32FormView::CreateControls() {
  TForm& Form = *FContext.Form();
  const std::vector<TControl*>& Controls = Form.Controls();
  FNatives.reserve(Controls.size());
  for (size_t Index = 0; Index < Controls.size(); ++Index) {
    FNatives.push_back(CreateNativeControl(*Controls[Index], Index, FContext));
    FIndexOf.emplace(Controls[Index], Index);
  }
  const std::vector<size_t> Order = TabOrder(Controls);
  const TControl* Previous = nullptr;
  for (size_t Index : Order) {
    FNatives[Index]->Create(StartsKeyboardGroup(*Controls[Index], Previous));
    Previous = Controls[Index];
  }
  for (const auto& Native : FNatives) Native->ApplyStyle();
  ArrangeZOrder(Order);
  for (const auto& Native : FNatives) Native->ApplyFont();
  Layout();
  for (const auto& Native : FNatives) {
    Native->Model().SetView(this);
    Native->SyncAll();
  }
  Form.SetView(this);
  SetWindowTextUtf8(FContext.Window(), Form.Caption());
  if (Form.RightToLeft()) ApplyReadingOrder();
  // Once, now that every caption is in place.
  NameFields();
}

void TWin32FormView::ArrangeZOrder(const std::vector<size_t>& ATabOrder) {
  // Tab order is z-order, each spin box's arrows right after its edit box.
  HWND Previous = HWND_TOP;
  for (size_t Index : ATabOrder) {
    for (HWND Window : {FNatives[Index]->Window(), FNatives[Index]->Companion()}) {
      if (Window == nullptr) continue;
      // The windows are made in tab order, so most are in place already.
      if (::GetWindow(Window, GW_HWNDPREV) != (Previous == HWND_TOP ? nullptr : Previous))
        ::SetWindowPos(Window, Previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      Previous = Window;
    }
  }
  // Group boxes and the panel lie below their contents, so they are painted first and never
  // over a control inside them.
  for (const auto& Native : FNatives)
    if (Native->Window() != nullptr && IsContainer(Native->Model()))
      ::SetWindowPos(Native->Window(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWin32FormView::NameFields() {
  if (FContext.Form() == nullptr) return;
  for (const auto& Native : FNatives) Native->UpdateAccessibleName(FContext.Form()->Controls());
}

void TWin32FormView::Layout() {
  for (const auto& Native : FNatives) Native->Layout();
}

void TWin32FormView::ApplyReadingOrder() {
  const bool RightToLeft = FContext.Form() != nullptr && FContext.Form()->RightToLeft();
  const auto Mirror = [RightToLeft](HWND AWindow) {
    if (AWindow != nullptr) SetWindowBits(AWindow, GWL_EXSTYLE, WS_EX_LAYOUTRTL, RightToLeft);
  };
  Mirror(FContext.Window());
  for (const auto& Native : FNatives) {
    Mirror(Native->Window());
    Mirror(Native->Companion());
  }
  FContext.Tooltips().SetRightToLeft(RightToLeft);
  // The children keep their places in the window's old coordinates until they are moved again;
  // from the right edge now, or from the left.
  Layout();
  ::RedrawWindow(FContext.Window(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TWin32FormView::SetDpi(UINT ADpi) {
  // The controls switch to the new fonts before the old ones are deleted.
  const auto OldFonts = FContext.SetDpi(ADpi);
  for (const auto& Native : FNatives) Native->ApplyFont();
  Layout();
  // What the style draws is sized for the DPI: all of it again, borders included.
  if (FContext.Style() != nullptr)
    for (const auto& Native : FNatives) Native->Repaint();
}

// Model -> window ---------------------------------------------------------------------------

void TWin32FormView::ControlChanged(TControl& AControl, TControlProperty AProperty) {
  if (&AControl == FContext.Form()) {
    if (AProperty == TControlProperty::cpCaption) SetWindowTextUtf8(FContext.Window(), AControl.Caption());
    if (AProperty == TControlProperty::cpReadingOrder) ApplyReadingOrder();
    return;
  }
  TNativeControl* Native = Find(AControl);
  if (Native == nullptr) return;
  Native->Sync(AProperty);
  if (Native->Window() == nullptr) return;
  // What a change means for the other controls: a container's contents show and take input only
  // with it, and the spin boxes are named after the captions before them.
  if (AProperty == TControlProperty::cpEnabled || AProperty == TControlProperty::cpVisible) {
    for (const auto& Other : FNatives)
      if (Other.get() != Native && IsWithin(Other->Model(), AControl)) Other->ShowAndEnable();
  } else if (AProperty == TControlProperty::cpCaption && CanNameField(AControl)) {
    NameFields();
  }
}

// Window -> model ---------------------------------------------------------------------------

bool TWin32FormView::HandleCommand(WPARAM AWParam, LPARAM ALParam) {
  const int Id = LOWORD(AWParam);
  const auto Sender = reinterpret_cast<HWND>(ALParam);
  if (Id == IDOK && Sender == nullptr) {
    // Enter, as the dialog manager reports it: the focused control decides (a push button
    // presses, a link opens).
    TNativeControl* Focused = FContext.TakesInput() ? FindByWindow(::GetFocus()) : nullptr;
    return Focused != nullptr && Focused->PressByEnter();
  }
  if (Id < kFirstControlId || Sender == nullptr) return false;
  const auto Index = static_cast<size_t>(Id - kFirstControlId);
  if (Index >= FNatives.size() || FNatives[Index]->Window() != Sender) return false;
  return FNatives[Index]->HandleCommand(HIWORD(AWParam));
}

bool TWin32FormView::HandleNotify(const NMHDR& AHeader, LRESULT& AResult) {
  TNativeControl* Native = FindByWindow(AHeader.hwndFrom);
  if (Native == nullptr) return false;
  if (AHeader.code == NM_CUSTOMDRAW) {
    // Painting goes on while the window exists, attached to the form or not.
    const auto Result = Native->CustomDraw(reinterpret_cast<const NMCUSTOMDRAW&>(AHeader));
    if (Result) AResult = *Result;
    return Result.has_value();
  }
  return Native->HandleNotify(AHeader, AResult);
}

bool TWin32FormView::HandleFormMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  for (const auto& Native : FNatives)
    if (Native->HandleFormMessage(AMessage, AWParam, ALParam)) return true;
  return false;
}

std::optional<HBRUSH> TWin32FormView::ControlColours(UINT AMessage, HDC ADc, HWND AControl) {
  TNativeControl* Native = FindByWindow(AControl);
  return Native != nullptr ? Native->Colours(AMessage, ADc, AControl) : std::nullopt;
}

bool TWin32FormView::DrawItem(const DRAWITEMSTRUCT& AItem) {
  TNativeControl* Native = FindByWindow(AItem.hwndItem);
  return Native != nullptr && Native->DrawItem(AItem);
}

bool TWin32FormView::PaintBackground(HDC ADc) {
  const TWin32Style* Style = FContext.Style();
  if (Style == nullptr) return false;
  RECT Client{};
  ::GetClientRect(FContext.Window(), &Client);
  ::FillRect(ADc, &Client, Style->Brush(palette::kWindow));
  return true;
}

TNativeControl* TWin32FormView::Find(const TControl& AControl) const {
  const auto Found = FIndexOf.find(&AControl);
  return Found != FIndexOf.end() ? FNatives[Found->second].get() : nullptr;
}

TNativeControl* TWin32FormView::FindByWindow(HWND AWindow) const {
  for (const auto& Native : FNatives)
    if (Native->Owns(AWindow)) return Native.get();
  return nullptr;
}

}  // namespace nevra::win32
