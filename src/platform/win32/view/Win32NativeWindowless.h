#pragma once
#include <memory>

#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeControl.h"
#include "platform/win32/view/Win32TrayIcon.h"

namespace nevra::win32 {

// The controls of a form that have no child window of their own.

// The notification-area icon: the model's caption as its tip, shown while the model is visible.
// Its clicks and Explorer's restart reach the form's window, which passes them on.
class TNativeTrayIcon final : public TNativeControl {
 public:
  TNativeTrayIcon(TTrayIcon& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FTrayIcon(AModel) {}
  void Create(bool AStartsGroup) override;
  void Sync(TControlProperty AProperty) override;
  void SyncAll() override;
  bool HandleFormMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;

 private:
  TTrayIcon& FTrayIcon;
  std::unique_ptr<TWin32TrayIcon> FIcon;
};

// A pop-up menu, made each time it pops up: below its anchor, flush with its left edge.
class TNativePopupMenu final : public TNativeControl {
 public:
  TNativePopupMenu(TPopupMenu& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FMenu(AModel) {}
  void Create(bool /*AStartsGroup*/) override {}
  void Sync(TControlProperty AProperty) override;

 private:
  TPopupMenu& FMenu;
};

}  // namespace nevra::win32
