#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32MouseOver.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// A label: a static text, underlined while its model says so. In the style it paints its text
// itself, laid out as the static would.
class TNativeLabel : public TNativeControl {
 public:
  TNativeLabel(TLabel& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FLabel(AModel) {}
  void Create(bool AStartsGroup) override;
  void ApplyStyle() override { Dress(Window()); }
  void ApplyFont() override;

 protected:
  TLabel& Label() const { return FLabel; }
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;

 private:
  void Paint(HWND AWindow, HDC ADc) override;
  TLabel& FLabel;
};

// A label made a link (before the view is made): the link colour and a hand cursor; the mouse
// entering and leaving it, a click, and Enter or Space while it has the focus run its model's
// events. It is a tab stop, so the keyboard reaches it too, and it shows the focus in either look.
class TNativeLink final : public TNativeLabel {
 public:
  using TNativeLabel::TNativeLabel;
  void Create(bool AStartsGroup) override;
  bool HandleCommand(UINT ACode) override;
  bool PressByEnter() override;
  std::optional<HBRUSH> Colours(UINT AMessage, HDC ADc, HWND AWindow) override;

 private:
  COLORREF TextOnSurface() const override { return kLinkTextColour; }
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  void Activate();
  TMouseOver<> FMouse;
};

}  // namespace nevra::win32
