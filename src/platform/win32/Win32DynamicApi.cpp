#include "platform/win32/Win32DynamicApi.h"

namespace nevra::win32 {

namespace {

// GetProcAddress hands back a generic function pointer; the detour through void(*)() is the one
// conversion compilers accept between unrelated function types without a warning.
template <typename TFunction>
void Resolve(HMODULE AModule, const char* AName, TFunction& AFunction) {
  if (AModule == nullptr) return;
  AFunction = reinterpret_cast<TFunction>(reinterpret_cast<void (*)()>(::GetProcAddress(AModule, AName)));
}

TDynamicApi Load() {
  TDynamicApi Api;
  const HMODULE User32 = ::GetModuleHandleW(L"user32.dll");
  Resolve(User32, "GetDpiForWindow", Api.GetDpiForWindow);
  Resolve(User32, "GetDpiForSystem", Api.GetDpiForSystem);
  Resolve(User32, "GetSystemMetricsForDpi", Api.GetSystemMetricsForDpi);
  Resolve(User32, "AdjustWindowRectExForDpi", Api.AdjustWindowRectExForDpi);
  Resolve(User32, "GetThreadDpiAwarenessContext", Api.GetThreadDpiAwarenessContext);
  Resolve(User32, "AreDpiAwarenessContextsEqual", Api.AreDpiAwarenessContextsEqual);
  Resolve(::GetModuleHandleW(L"kernel32.dll"), "SetProcessInformation", Api.SetProcessInformation);
  // Not loaded into every process: taken from System32 only, never from beside the program.
  Resolve(::LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "DwmSetWindowAttribute",
          Api.DwmSetWindowAttribute);
  return Api;
}

}  // namespace

const TDynamicApi& DynamicApi() {
  static const TDynamicApi Api = Load();
  return Api;
}

}  // namespace nevra::win32
