#include "platform/win32/view/Win32NativeWindowless.h"

#include "platform/win32/Win32Messages.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/view/Win32PopupMenu.h"

namespace nevra::win32 {

void TNativeTrayIcon::Create(bool /*AStartsGroup*/) {
  FIcon = std::make_unique<TWin32TrayIcon>(Context().Window(), kTrayCallbackMessage, Context().Dpi());
}

void TNativeTrayIcon::Sync(TControlProperty /*AProperty*/) {
  if (!FIcon) return;
  FIcon->SetTip(FTrayIcon.Caption());
  FIcon->SetShown(FTrayIcon.Visible());
}

void TNativeTrayIcon::SyncAll() { Sync(TControlProperty::cpVisible); }

bool TNativeTrayIcon::HandleFormMessage(UINT AMessage, WPARAM /*AWParam*/, LPARAM ALParam) {
  if (AMessage == kTrayCallbackMessage) {
    if (Context().Form() != nullptr && LOWORD(ALParam) == WM_LBUTTONUP) {
      TTrayIcon& Icon = FTrayIcon;
      Context().Run([&Icon] { Icon.Click(); });
    }
    return true;
  }
  // Explorer restarted: the icon must be added again.
  if (AMessage == TWin32TrayIcon::TaskbarCreatedMessage()) {
    if (FIcon) FIcon->Readd();
    return true;
  }
  return false;
}

void TNativePopupMenu::Sync(TControlProperty AProperty) {
  if (AProperty != TControlProperty::cpPopup) return;
  POINT At{0, 0};
  const HWND Anchor = FMenu.Anchor() != nullptr && Context().WindowOf ? Context().WindowOf(*FMenu.Anchor()) : nullptr;
  if (Anchor != nullptr) {
    RECT Bounds{};
    ::GetWindowRect(Anchor, &Bounds);
    // Below the anchor, from the side the window reads from.
    At = POINT{IsRightToLeft(Context().Window()) ? Bounds.right : Bounds.left, Bounds.bottom};
  } else {
    ::GetCursorPos(&At);
  }
  // The model's handler runs inside the event that asked for the menu, so it reaches the same
  // dispatcher.
  if (const auto Chosen = TrackMenu(Context().Window(), FMenu.Items(), At)) FMenu.Click(*Chosen);
}

}  // namespace nevra::win32
