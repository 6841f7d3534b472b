#include "platform/win32/view/Win32Fonts.h"

#include <cwchar>

#include "platform/win32/style/Win32StyleGdi.h"

namespace nevra::win32 {

namespace {
constexpr int kPointSize = 9;
constexpr int kPointsPerInch = 72;
constexpr wchar_t kFaceName[] = L"Segoe UI";
}  // namespace

TFontOwner CreateUiFont(UINT ADpi, bool AUnderlined, LONG AWeight) {
  LOGFONTW Font{};
  // Negative: the character height, not the cell height, as a point size means.
  Font.lfHeight = -::MulDiv(kPointSize, static_cast<int>(ADpi), kPointsPerInch);
  Font.lfWeight = AWeight;
  Font.lfUnderline = AUnderlined ? TRUE : FALSE;
  Font.lfCharSet = DEFAULT_CHARSET;
  Font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  Font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  Font.lfQuality = CLEARTYPE_QUALITY;
  Font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  std::wcsncpy(Font.lfFaceName, kFaceName, LF_FACESIZE - 1);
  return TFontOwner(::CreateFontIndirectW(&Font));
}

HFONT FontOf(HWND AWindow) { return reinterpret_cast<HFONT>(::SendMessageW(AWindow, WM_GETFONT, 0, 0)); }

int LineHeightOf(HWND AWindow) {
  const TWindowDc Dc(AWindow);
  return Dc ? FontLineHeight(Dc.Get(), FontOf(AWindow)) : 0;
}

}  // namespace nevra::win32
