#include "platform/win32/services/Win32MouseInput.h"

#include <cstring>
#include <utility>
#include <vector>

#include "platform/win32/Win32Dpi.h"
#include "platform/win32/services/Win32Clock.h"

namespace nevra::win32 {

TWin32MouseInput::TWin32MouseInput(TWindowSource AMainWindow) : FMainWindow(std::move(AMainWindow)) {}

INPUT MakeMouseInput(const TMouseInputRecord& ARecord) {
  INPUT Input;
  // Padding included: the record goes to the system byte for byte.
  std::memset(&Input, 0, sizeof(Input));
  Input.type = INPUT_MOUSE;
  Input.mi.dx = ARecord.Dx;
  Input.mi.dy = ARecord.Dy;
  Input.mi.mouseData = ARecord.MouseData;
  Input.mi.dwFlags = ARecord.Flags;
  Input.mi.time = ARecord.Time;
  Input.mi.dwExtraInfo = ARecord.ExtraInfo;
  return Input;
}

void TWin32MouseInput::SendMouseInput(std::span<const TMouseInputRecord> ARecords) {
  std::vector<INPUT> Inputs;
  Inputs.reserve(ARecords.size());
  for (const TMouseInputRecord& Record : ARecords) Inputs.push_back(MakeMouseInput(Record));
  ::SendInput(static_cast<UINT>(Inputs.size()), Inputs.data(), sizeof(INPUT));
}

bool TWin32MouseInput::GetCursorPos(TPoint& APoint) {
  POINT Point{};
  if (::GetCursorPos(&Point) == FALSE) return false;
  APoint = TPoint{Point.x, Point.y};
  return true;
}

TVirtualDesktop TWin32MouseInput::GetVirtualDesktop() {
  const uint64_t Now = SteadyMicroseconds();
  if (FDesktop && Now - FDesktopReadUs < kDesktopLifetimeUs) return *FDesktop;
  const HWND Window = FMainWindow ? FMainWindow() : nullptr;
  FDesktop = TVirtualDesktop{
      SystemMetricForWindow(SM_XVIRTUALSCREEN, Window), SystemMetricForWindow(SM_YVIRTUALSCREEN, Window),
      SystemMetricForWindow(SM_CXVIRTUALSCREEN, Window), SystemMetricForWindow(SM_CYVIRTUALSCREEN, Window)};
  FDesktopReadUs = Now;
  return *FDesktop;
}

}  // namespace nevra::win32
