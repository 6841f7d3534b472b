#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// Controls that only show something and take no input.

// A group box: a button of BS_GROUPBOX. In the style, a rounded frame whose top line the caption
// interrupts, in a heavier font and the accent colour.
class TNativeGroupBox final : public TNativeControl {
 public:
  using TNativeControl::TNativeControl;
  void Create(bool AStartsGroup) override;
  void ApplyStyle() override { Dress(Window()); }
  void ApplyFont() override;

 private:
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  void Paint(HWND AWindow, HDC ADc) override;
  TFontOwner FCaptionFont;  // only in the style
};

// A panel: a static whose background is the status panel's surface; Windows paints it in the
// colours its WM_CTLCOLORSTATIC answer gives.
class TNativePanel final : public TNativeControl {
 public:
  using TNativeControl::TNativeControl;
  void Create(bool AStartsGroup) override;
  void ApplyStyle() override { Dress(Window()); }

 private:
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
};

// A bevel: a sunken line (the top edge of a panel), in the style a line of the group frames'
// colour.
class TNativeBevel final : public TNativeControl {
 public:
  using TNativeControl::TNativeControl;
  void Create(bool AStartsGroup) override;
  void ApplyStyle() override { Dress(Window()); }

 private:
  std::optional<LRESULT> WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  void Paint(HWND AWindow, HDC ADc) override;
};

// A picture drawn at its size when the static asks for it (SS_OWNERDRAW), on the style's surface
// or the system's face colour.
class TNativeImage final : public TNativeControl {
 public:
  TNativeImage(TImage& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FImage(AModel) {}
  void Create(bool AStartsGroup) override;
  bool DrawItem(const DRAWITEMSTRUCT& AItem) override;

 private:
  TImage& FImage;
};

}  // namespace nevra::win32
