#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32MouseOver.h"
#include "platform/win32/view/Win32NativeLists.h"

namespace nevra::win32 {

// A drop-down list that takes no typed text. In the style its closed field is painted whole:
// frame, selected entry and arrow, lighter while the list is open.
class TNativeComboBox final : public TNativeList<TComboBox> {
 public:
  TNativeComboBox(TComboBox& AModel, size_t AIndex, TNativeContext& AContext);
  // The list it opens too: its WM_CTLCOLORLISTBOX reaches the form as the field's would.
  bool Owns(HWND AWindow) const override;
  void Create(bool AStartsGroup) override;
  void ApplyStyle() override { Dress(Window()); }
  void Layout() override;
  bool HandleCommand(UINT ACode) override;
  bool DrawItem(const DRAWITEMSTRUCT& AItem) override;
  // Named by the label before it, when there is one; otherwise by its hint.
  void UpdateAccessibleName(const std::vector<TControl*>& AControls) override;

 private:
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  void Paint(HWND AWindow, HDC ADc) override;
  // The entries' heights in the style, and the closed field made AFieldHeight high.
  void SizeEntries(int AFieldHeight) const;
  HWND FDropDownList = nullptr;  // made and destroyed with the field
  TMouseOver<> FMouse;
};

}  // namespace nevra::win32
