#include "platform/win32/Win32Platform.h"

namespace nevra::win32 {

TWin32Platform::TWin32Platform()
    : Dialogs([this] { return App.MainWindow(); }, [this] { return App.Title(); }),
      Dispatcher(Dialogs),
      Timers(Dispatcher),
      App(Dispatcher, Pump),
      Input([this] { return App.MainWindow(); }),
      Window([this] { return App.MainWindow(); }),
      Hotkeys(Dispatcher),
      Http(Pump),
      Instance(Dispatcher),
      Background(Dispatcher),
      Platform(PlatformOf(*this)) {}

}  // namespace nevra::win32
