#include "platform/win32/view/Win32AccessibleNames.h"

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>

#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

namespace {

// The identifiers from oleacc.h, spelt out here so that no GUID library has to be linked.
constexpr GUID kAccPropServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr UINT_PTR kSubclassId = 0x4E41;
const auto kClientObject = static_cast<DWORD>(OBJID_CLIENT);

}  // namespace

TAccessibleNames::TAccessibleNames() {
  void* Services = nullptr;
  if (SUCCEEDED(::CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface,
                                   &Services)))
    FServices.Reset(static_cast<IAccPropServices*>(Services));
}

TAccessibleNames::~TAccessibleNames() {
  for (const auto& [Window, Name] : FNamed)
    if (::IsWindow(Window) != FALSE) {
      ::RemoveWindowSubclass(Window, &ClearOnDestroy, kSubclassId);
      if (FServices) {
        MSAAPROPID Property = kNameProperty;
        FServices.Get()->ClearHwndProps(Window, kClientObject, CHILDID_SELF, &Property, 1);
      }
    }
}

void TAccessibleNames::SetName(HWND AWindow, const std::string& AName) {
  if (!FServices || AWindow == nullptr) return;
  const auto Named = FNamed.find(AWindow);
  if (Named != FNamed.end() && Named->second == AName) return;
  if (FAILED(
          FServices.Get()->SetHwndPropStr(AWindow, kClientObject, CHILDID_SELF, kNameProperty, Widen(AName).c_str())))
    return;
  if (Named != FNamed.end()) {
    Named->second = AName;
    return;
  }
  FNamed.emplace(AWindow, AName);
  ::SetWindowSubclass(AWindow, &ClearOnDestroy, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void TAccessibleNames::Clear(HWND AWindow) {
  ::RemoveWindowSubclass(AWindow, &ClearOnDestroy, kSubclassId);
  MSAAPROPID Property = kNameProperty;
  if (FServices) FServices.Get()->ClearHwndProps(AWindow, kClientObject, CHILDID_SELF, &Property, 1);
  FNamed.erase(AWindow);
}

LRESULT CALLBACK TAccessibleNames::ClearOnDestroy(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam, UINT_PTR,
                                                  DWORD_PTR ARefData) {
  if (AMessage == WM_NCDESTROY) reinterpret_cast<TAccessibleNames*>(ARefData)->Clear(AWindow);
  return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace nevra::win32
