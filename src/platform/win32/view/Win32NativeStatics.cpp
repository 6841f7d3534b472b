#include "platform/win32/view/Win32NativeStatics.h"

#include "platform/win32/style/Win32Pictures.h"

namespace nevra::win32 {

const TNativeStatic::TRecipe TNativeStatic::kGroupBox{WC_BUTTONW, BS_GROUPBOX, TSkin::skGroupBox};
const TNativeStatic::TRecipe TNativeStatic::kPanel{WC_STATICW, SS_LEFT | SS_NOPREFIX, TSkin::skPanel};
const TNativeStatic::TRecipe TNativeStatic::kBevel{WC_STATICW, SS_ETCHEDHORZ, TSkin::skBevel};

void TNativeStatic::Create(bool AStartsGroup) { CreateWindowOf(FRecipe.ClassName, FRecipe.Style, 0, AStartsGroup); }

void TNativeStatic::ApplySkin() { AttachSkin(FRecipe.Skin); }

void TNativeImage::Create(bool AStartsGroup) { CreateWindowOf(WC_STATICW, SS_OWNERDRAW, 0, AStartsGroup); }

bool TNativeImage::DrawItem(const DRAWITEMSTRUCT& AItem) {
  const COLORREF Background = Context().Skins() != nullptr ? Surface() : ::GetSysColor(COLOR_BTNFACE);
  PaintPicture(AItem.hDC, AItem.rcItem, FImage.Picture(), Background);
  return true;
}

}  // namespace nevra::win32
