#include "platform/win32/services/Win32Hotkeys.h"

#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace nevra::win32 {

class TWin32Hotkeys::TReceiver final : public TWin32Window {
 public:
  explicit TReceiver(TWin32Hotkeys& AOwner) : FOwner(AOwner) {
    Create(TWindowClass{L"NevraHotkeys"}, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
  }
  ~TReceiver() override { Destroy(); }

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override {
    if (AMessage != WM_HOTKEY) return Default(AMessage, AWParam, ALParam);
    FOwner.Pressed(static_cast<int32_t>(AWParam));
    return 0;
  }

 private:
  TWin32Hotkeys& FOwner;
};

TWin32Hotkeys::TWin32Hotkeys(TEventDispatcher& ADispatcher) : FDispatcher(ADispatcher) {}

TWin32Hotkeys::~TWin32Hotkeys() {
  while (!FHandlers.empty()) Unregister(FHandlers.begin()->first);
}

bool TWin32Hotkeys::Register(int32_t AId, uint32_t AModifiers, uint32_t AVk, std::function<void()> AOnPress) {
  if (FHandlers.count(AId) != 0) return false;
  if (!FReceiver) FReceiver = std::make_unique<TReceiver>(*this);
  if (::RegisterHotKey(FReceiver->Handle(), AId, AModifiers, AVk) == FALSE) return false;
  FHandlers[AId] = std::move(AOnPress);
  return true;
}

void TWin32Hotkeys::Unregister(int32_t AId) {
  if (FHandlers.erase(AId) == 0 || !FReceiver) return;
  ::UnregisterHotKey(FReceiver->Handle(), AId);
}

void TWin32Hotkeys::Pressed(int32_t AId) {
  const auto Found = FHandlers.find(AId);
  if (Found == FHandlers.end()) return;
  // A copy: the handler may unregister (and so destroy) itself.
  const std::function<void()> Handler = Found->second;
  FDispatcher.Run(Handler);
}

std::string TWin32Hotkeys::KeyName(uint32_t AVk) {
  const UINT ScanCode = ::MapVirtualKeyW(AVk, MAPVK_VK_TO_VSC);
  if (ScanCode == 0) return {};
  wchar_t Name[256] = {};
  const int Length = ::GetKeyNameTextW(static_cast<LONG>(ScanCode << 16), Name, 256);
  if (Length <= 0) return {};
  return Narrow(std::wstring_view(Name, static_cast<size_t>(Length)));
}

bool TWin32Hotkeys::KeyDown(uint32_t AVk) { return (::GetAsyncKeyState(static_cast<int>(AVk)) & 0x8000) != 0; }

}  // namespace nevra::win32
