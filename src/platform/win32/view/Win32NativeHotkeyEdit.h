#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// A field that takes the next key combination pressed: the common controls' hotkey control. It
// speaks HOTKEYF_* bits, the model RegisterHotKey's MOD_* bits; the two are translated here.
class TNativeHotkeyEdit final : public TNativeControl {
 public:
  TNativeHotkeyEdit(THotkeyEdit& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FEdit(AModel) {}
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;
  void Sync(TControlProperty AProperty) override;
  void SyncAll() override;
  bool HandleCommand(UINT ACode) override;

 private:
  void ShowHotkey();
  THotkeyEdit& FEdit;
};

// The hotkey control's modifier bits for RegisterHotKey's, and back (the Windows key has none
// there and is dropped).
BYTE HotkeyControlModifiers(uint32_t ARegisterModifiers);
uint32_t RegisterModifiers(BYTE AHotkeyControlModifiers);

}  // namespace nevra::win32
