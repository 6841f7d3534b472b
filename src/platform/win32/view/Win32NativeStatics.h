#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// Controls that only show something and take no input: group boxes, panels and bevels, which
// differ only in how they are made and dressed, and pictures the program draws itself.
class TNativeStatic final : public TNativeControl {
 public:
  struct TRecipe {
    const wchar_t* ClassName;
    DWORD Style;
    TSkin Skin;
  };
  static const TRecipe kGroupBox;
  static const TRecipe kPanel;
  static const TRecipe kBevel;  // a sunken line (the top edge of a panel)

  TNativeStatic(TControl& AModel, size_t AIndex, TNativeContext& AContext, const TRecipe& ARecipe)
      : TNativeControl(AModel, AIndex, AContext), FRecipe(ARecipe) {}
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;

 private:
  const TRecipe& FRecipe;
};

// A picture drawn at its size when the static asks for it (SS_OWNERDRAW); it paints itself in
// the style's colours, so no skin.
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
