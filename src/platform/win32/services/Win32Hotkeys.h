#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>

#include "platform/EventDispatcher.h"
#include "platform/Hotkeys.h"

namespace nevra::win32 {

// RegisterHotKey for a message-only window of its own: WM_HOTKEY arrives there and runs the
// hotkey's handler through the dispatcher, whatever window the program shows. Make it on the GUI
// thread; the window is made with the first registration.
class TWin32Hotkeys final : public IHotkeys {
 public:
  explicit TWin32Hotkeys(TEventDispatcher& ADispatcher);
  ~TWin32Hotkeys() override;
  TWin32Hotkeys(const TWin32Hotkeys&) = delete;
  TWin32Hotkeys& operator=(const TWin32Hotkeys&) = delete;

  bool Register(int32_t AId, uint32_t AModifiers, uint32_t AVk, std::function<void()> AOnPress) override;
  void Unregister(int32_t AId) override;
  std::string KeyName(uint32_t AVk) override;
  bool KeyDown(uint32_t AVk) override;

  class TReceiver;

 private:
  void Pressed(int32_t AId);
  TEventDispatcher& FDispatcher;
  std::unique_ptr<TReceiver> FReceiver;
  std::map<int32_t, std::function<void()>> FHandlers;
};

}  // namespace nevra::win32
