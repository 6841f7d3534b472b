#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32FieldFrame.h"
#include "platform/win32/view/Win32NativeLists.h"

namespace nevra::win32 {

// A list box. In the style it wears a field's frame, and the room below its last entry, which
// the list leaves alone, is filled in the field's colour.
class TNativeListBox final : public TNativeList<TListBox> {
 public:
  TNativeListBox(TListBox& AModel, size_t AIndex, TNativeContext& AContext);
  void Create(bool AStartsGroup) override;
  void ApplyStyle() override { Dress(Window()); }
  void Layout() override;

 private:
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  void Refresh(HWND AWindow) const override { TFieldFrame::Refresh(AWindow); }
  void FillBelowEntries(HWND AWindow, HDC ADc) const;
  TFieldFrame FFrame{false};
};

}  // namespace nevra::win32
