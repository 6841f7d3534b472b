#include "platform/win32/Win32Dpi.h"

#include "platform/win32/Win32DynamicApi.h"
#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

namespace {

// True when the calling thread runs with per-monitor DPI awareness version 2.
bool ThreadIsPerMonitorV2() {
  const TDynamicApi& Api = DynamicApi();
  if (Api.GetThreadDpiAwarenessContext == nullptr || Api.AreDpiAwarenessContextsEqual == nullptr) return false;
  return Api.AreDpiAwarenessContextsEqual(Api.GetThreadDpiAwarenessContext(),
                                          DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) != FALSE;
}

}  // namespace

UINT SystemDpi() {
  if (DynamicApi().GetDpiForSystem != nullptr) return DynamicApi().GetDpiForSystem();
  const TWindowDc Screen(nullptr);
  const int Dpi = Screen ? ::GetDeviceCaps(Screen.Get(), LOGPIXELSY) : 0;
  return Dpi > 0 ? static_cast<UINT>(Dpi) : kDefaultDpi;
}

UINT WindowDpi(HWND AWindow) {
  if (AWindow != nullptr && DynamicApi().GetDpiForWindow != nullptr) {
    const UINT Dpi = DynamicApi().GetDpiForWindow(AWindow);
    if (Dpi != 0) return Dpi;
  }
  return SystemDpi();
}

int ScaleForDpi(int AValue, UINT ADpi) {
  return ::MulDiv(AValue, static_cast<int>(ADpi), static_cast<int>(kDefaultDpi));
}

int SystemMetricForDpi(int AIndex, UINT ADpi) {
  if (DynamicApi().GetSystemMetricsForDpi != nullptr) return DynamicApi().GetSystemMetricsForDpi(AIndex, ADpi);
  return ::GetSystemMetrics(AIndex);
}

int SystemMetricForWindow(int AIndex, HWND AWindow) {
  const TDynamicApi& Api = DynamicApi();
  if (AWindow != nullptr && Api.GetDpiForWindow != nullptr && Api.GetSystemMetricsForDpi != nullptr &&
      ThreadIsPerMonitorV2()) {
    const UINT Dpi = Api.GetDpiForWindow(AWindow);
    if (Dpi != 0) return Api.GetSystemMetricsForDpi(AIndex, Dpi);
  }
  return ::GetSystemMetrics(AIndex);
}

SIZE WindowSizeForClient(int AClientWidth, int AClientHeight, DWORD AStyle, DWORD AExStyle, UINT ADpi) {
  RECT Rect{0, 0, AClientWidth, AClientHeight};
  if (DynamicApi().AdjustWindowRectExForDpi != nullptr)
    DynamicApi().AdjustWindowRectExForDpi(&Rect, AStyle, FALSE, AExStyle, ADpi);
  else
    ::AdjustWindowRectEx(&Rect, AStyle, FALSE, AExStyle);
  return SIZE{Rect.right - Rect.left, Rect.bottom - Rect.top};
}

}  // namespace nevra::win32
