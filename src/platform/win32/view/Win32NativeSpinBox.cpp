#include "platform/win32/view/Win32NativeSpinBox.h"

#include <algorithm>
#include <string>

#include "platform/controls/AccessibleName.h"
#include "platform/controls/ControlIds.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace nevra::win32 {

namespace {
// The up-down arrows' width at 96 DPI (a scroll bar's).
constexpr int kUpDownWidth = 17;
}  // namespace

void TNativeSpinBox::Create(bool AStartsGroup) {
  // Digits only, unless the box takes negative numbers: ES_NUMBER would refuse the minus sign,
  // and the model reads what cannot be a number as it always does.
  const DWORD DigitsOnly = FSpinBox.MinValue() >= 0 ? ES_NUMBER : 0;
  CreateWindowOf(WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | DigitsOnly | WS_TABSTOP, WS_EX_CLIENTEDGE, AStartsGroup);
  if (Window() == nullptr) return;
  // No UDS_SETBUDDYINT: the arrows never write the edit box themselves, they ask the model.
  FUpDown = CreateChildWindow(
      UPDOWN_CLASSW, WS_CHILD | WS_CLIPSIBLINGS | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_HOTTRACK | UDS_NOTHOUSANDS,
      ControlIdAt(Index()) + kUpDownIdOffset);
  ::SendMessageW(FUpDown, UDM_SETRANGE32, static_cast<WPARAM>(FSpinBox.MinValue()),
                 static_cast<LPARAM>(FSpinBox.MaxValue()));
}

void TNativeSpinBox::ApplySkin() {
  TWin32StyledControls* Skins = Context().Skins();
  if (Skins == nullptr || Window() == nullptr) return;
  AttachSkin(TSkin::skEdit, palette::kText, TButtonImage::biNone, FUpDown);
  if (FUpDown != nullptr)
    Skins->Attach(FUpDown, TSkinnedControl{TSkin::skUpDown, Surface(), palette::kText, TButtonImage::biNone, Window()});
}

void TNativeSpinBox::Layout() {
  if (Window() == nullptr) return;
  const RECT Rect = ScaledBounds();
  MoveTo(Window(), Rect);
  if (FUpDown == nullptr) return;
  // The buddy link makes the arrows part of the box: they take over its border on their side.
  // The link gives them a fixed width and, in a mirrored window, an odd place; so the arrows get
  // their width for this DPI at the box's far end, overlapping its border as the link would.
  ::SendMessageW(FUpDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Window()), 0);
  const int Overlap = std::max(0, SideBorderWidth(Window()));
  const int ArrowsWidth = std::min<int>(ScaleForDpi(kUpDownWidth, Context().Dpi()), (Rect.right - Rect.left) / 2);
  MoveTo(Window(), RECT{Rect.left, Rect.top, Rect.right - ArrowsWidth + Overlap, Rect.bottom});
  MoveTo(FUpDown, RECT{Rect.right - ArrowsWidth, Rect.top, Rect.right, Rect.bottom});
}

void TNativeSpinBox::Sync(TControlProperty AProperty) {
  if (Window() == nullptr) return;
  // A spin box shows its number, not a caption.
  if (AProperty == TControlProperty::cpCaption) return;
  if (AProperty == TControlProperty::cpText)
    ShowText();
  else
    TNativeControl::Sync(AProperty);
}

void TNativeSpinBox::ShowText() {
  // The user's own typing comes back here through the model: leave the box (and its caret) alone.
  if (WindowTextUtf8(Window()) != FSpinBox.Text()) {
    const TNativeContext::TMirroring Mirroring(Context());
    SetWindowTextUtf8(Window(), FSpinBox.Text());
  }
  if (FUpDown != nullptr) ::SendMessageW(FUpDown, UDM_SETPOS32, 0, static_cast<LPARAM>(FSpinBox.Value()));
}

bool TNativeSpinBox::HandleCommand(UINT ACode) {
  if (!Context().TakesInput()) return false;
  TSpinBox& SpinBox = FSpinBox;
  if (ACode == EN_KILLFOCUS) {
    Context().Run([&SpinBox] { SpinBox.Leave(); });
    return true;
  }
  if (ACode != EN_CHANGE) return false;
  const std::string Text = WindowTextUtf8(Window());
  Context().Run([&SpinBox, &Text] { SpinBox.SetText(Text); });
  return true;
}

bool TNativeSpinBox::HandleNotify(const NMHDR& AHeader, LRESULT& AResult) {
  if (Context().Form() == nullptr || AHeader.code != UDN_DELTAPOS || AHeader.hwndFrom != FUpDown) return false;
  const auto& Change = reinterpret_cast<const NMUPDOWN&>(AHeader);
  const int Step = Change.iDelta > 0 ? 1 : -1;
  TSpinBox& SpinBox = FSpinBox;
  Context().Run([&SpinBox, Step] { SpinBox.SetValue(static_cast<int64_t>(SpinBox.Value()) + Step); });
  // Non-zero keeps the arrows from moving their own position; the model's value set it already.
  AResult = 1;
  return true;
}

void TNativeSpinBox::UpdateAccessibleName(const std::vector<TControl*>& AControls) {
  if (Window() != nullptr) Context().AccessibleNames().SetName(Window(), SpinBoxAccessibleName(AControls, Index()));
}

}  // namespace nevra::win32
