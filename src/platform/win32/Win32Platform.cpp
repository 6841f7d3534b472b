#include "platform/win32/Win32Platform.h"

namespace nevra::win32 {

TWin32Platform::TWin32Platform()
    : Dialogs([this] { return App.MainWindow(); }, [this] { return App.Title(); }),
      Dispatcher(Dialogs),
      Timers(Dispatcher),
      App(Dispatcher, Pump),
      Input([this] { return App.MainWindow(); }),
      Window([this] { return App.MainWindow(); }),
      Platform{App, Input, Clock, Timers, Pump, Window, Dialogs, Shell, Random, Dispatcher} {}

}  // namespace nevra::win32
