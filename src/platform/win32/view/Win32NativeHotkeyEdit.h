#pragma once
#include <string>

#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32FieldFrame.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// A field that takes the next key combination pressed: the common controls' hotkey control. It
// speaks HOTKEYF_* bits, the model RegisterHotKey's MOD_* bits; the two are translated here. Its
// subclass tells the model when the field gains and loses the keyboard focus. In the style the
// field wears an edit box's frame and paints its combination itself: the control would draw it in
// the system's window colours whatever WM_CTLCOLOREDIT says.
class TNativeHotkeyEdit final : public TNativeControl {
 public:
  TNativeHotkeyEdit(THotkeyEdit& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FEdit(AModel) {}
  void Create(bool AStartsGroup) override;
  void ApplyStyle() override { Dress(Window()); }
  void Sync(TControlProperty AProperty) override;
  void SyncAll() override;
  bool HandleCommand(UINT ACode) override;
  std::optional<HBRUSH> Colours(UINT AMessage, HDC ADc, HWND AWindow) override;

 private:
  void ShowHotkey();
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  void PaintField(HWND AWindow);
  void Refresh(HWND AWindow) const override { TFieldFrame::Refresh(AWindow); }
  THotkeyEdit& FEdit;
  TFieldFrame FFrame{true};
  bool FSubclassed = false;
  bool FShowAfterQueuedKeys = false;
};

// What the hotkey control shows for its HKM_GETHOTKEY value: the keyboard's names of the
// modifiers and the key, joined by " + " ("Ctrl + Shift + S"); empty for none.
std::wstring CombinationText(WORD AHotkey);

// The hotkey control's modifier bits for RegisterHotKey's, and back (the Windows key has none
// there and is dropped).
BYTE HotkeyControlModifiers(uint32_t ARegisterModifiers);
uint32_t RegisterModifiers(BYTE AHotkeyControlModifiers);

}  // namespace nevra::win32
