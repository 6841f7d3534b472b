#include "platform/win32/style/Win32Style.h"

#include <stdexcept>

#include "platform/win32/Win32DynamicApi.h"
#include "platform/win32/style/Win32Palette.h"

namespace nevra::win32 {

namespace {

// DWMWA_USE_IMMERSIVE_DARK_MODE: 20 since Windows 10 20H1, 19 on the builds before it.
constexpr DWORD kDarkModeAttribute = 20;
constexpr DWORD kDarkModeAttributeBefore20H1 = 19;

TBrushOwner SolidBrush(COLORREF AColour) {
  TBrushOwner Brush(::CreateSolidBrush(AColour));
  if (!Brush) throw std::runtime_error("The visual style could not be applied: Windows has no resources left for it.");
  return Brush;
}

}  // namespace

TWin32Style::TWin32Style(const std::string& AName) {
  if (AName != kName) throw std::runtime_error("The visual style \"" + AName + "\" is unknown.");
  FWindowBrush = SolidBrush(palette::kWindow);
  FStatusPanelBrush = SolidBrush(palette::kStatusPanel);
  FFieldBrush = SolidBrush(palette::kField);
  FFieldDisabledBrush = SolidBrush(palette::kFieldDisabled);
}

HBRUSH TWin32Style::Brush(COLORREF ASurface) const {
  if (ASurface == palette::kStatusPanel) return FStatusPanelBrush.Get();
  if (ASurface == palette::kField) return FFieldBrush.Get();
  if (ASurface == palette::kFieldDisabled) return FFieldDisabledBrush.Get();
  return FWindowBrush.Get();
}

bool TWin32Style::HighContrastIsOn() {
  HIGHCONTRASTW HighContrast{};
  HighContrast.cbSize = sizeof(HighContrast);
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(HighContrast), &HighContrast, 0) != FALSE &&
         (HighContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void TWin32Style::DecorateTopLevel(HWND AWindow) const {
  // Looked up at run time: a system without it (or without the attribute) only loses the dark caption.
  const auto SetAttribute = DynamicApi().DwmSetWindowAttribute;
  if (SetAttribute == nullptr || AWindow == nullptr) return;
  const BOOL Dark = TRUE;
  if (FAILED(SetAttribute(AWindow, kDarkModeAttribute, &Dark, sizeof(Dark))))
    SetAttribute(AWindow, kDarkModeAttributeBefore20H1, &Dark, sizeof(Dark));
}

}  // namespace nevra::win32
