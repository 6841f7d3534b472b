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
      Platform{.App = App,
               .Input = Input,
               .Clock = Clock,
               .Timers = Timers,
               .Pump = Pump,
               .Window = Window,
               .Dialogs = Dialogs,
               .Shell = Shell,
               .Random = Random,
               .Hotkeys = Hotkeys,
               .Environment = Environment,
               .Files = Files,
               .MouseHook = MouseHook,
               .KeyboardHook = KeyboardHook,
               .Locale = Locale,
               .Registry = Registry,
               .Http = Http,
               .Signatures = Signatures,
               .Instance = Instance,
               .Background = Background,
               .Dispatcher = Dispatcher} {}

}  // namespace nevra::win32
