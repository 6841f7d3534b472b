#pragma once
#include <windows.h>

namespace nevra::win32 {

inline constexpr UINT kDefaultDpi = 96;

// The DPI functions of Windows 10 (1607 and later) are looked up at run time, so the program
// still starts on older systems; each helper falls back to the system-wide values there.

// The DPI of AWindow's monitor as the window sees it (per-monitor aware), else the system DPI.
UINT WindowDpi(HWND AWindow);
// The DPI Windows used for the primary monitor when the process started.
UINT SystemDpi();
// A 96-DPI length at ADpi, rounded to the nearest pixel.
int ScaleForDpi(int AValue, UINT ADpi);
// GetSystemMetricsForDpi where it exists, else GetSystemMetrics.
int SystemMetricForDpi(int AIndex, UINT ADpi);
// SM_* metric read for AWindow's DPI when the thread is per-monitor-v2 aware and the window
// exists, else the plain system metric.
int SystemMetricForWindow(int AIndex, HWND AWindow);
// The window rectangle around a client area of AClientWidth x AClientHeight pixels at ADpi.
SIZE WindowSizeForClient(int AClientWidth, int AClientHeight, DWORD AStyle, DWORD AExStyle, UINT ADpi);

}  // namespace nevra::win32
