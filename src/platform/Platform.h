#pragma once

#include "platform/Application.h"
#include "platform/BackgroundWork.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/EventDispatcher.h"
#include "platform/FileSystem.h"
#include "platform/Hotkeys.h"
#include "platform/Http.h"
#include "platform/KeyboardHook.h"
#include "platform/KeyboardInput.h"
#include "platform/Locale.h"
#include "platform/MouseHook.h"
#include "platform/MouseInput.h"
#include "platform/Random.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Signature.h"
#include "platform/SingleInstance.h"
#include "platform/Timers.h"
#include "platform/WindowOps.h"

namespace nevra {

// Every OS service the program uses, one narrow interface each. WinMain fills it with the
// Win32 implementations, the tests with the fakes.
struct TPlatform {
  IApplication& App;
  IMouseInput& Input;
  IKeyboardInput& KeyInput;
  IClock& Clock;
  ITimerFactory& Timers;
  IMessagePump& Pump;
  IWindowOps& Window;
  IDialogs& Dialogs;
  IShell& Shell;
  IRandom& Random;
  IHotkeys& Hotkeys;
  IEnvironment& Environment;
  IFileSystem& Files;
  IMouseHook& MouseHook;
  IKeyboardHook& KeyboardHook;
  ILocale& Locale;
  IRegistry& Registry;
  IHttpClientFactory& Http;
  ISignatureVerifier& Signatures;
  ISingleInstance& Instance;
  IBackgroundWork& Background;
  TEventDispatcher& Dispatcher;
};

// The wiring, stated once: a TPlatform of the services a platform object holds under these names
// (the Win32 one and the fake one).
template <typename TServices>
TPlatform PlatformOf(TServices& AServices) {
  return TPlatform{.App = AServices.App,
                   .Input = AServices.Input,
                   .KeyInput = AServices.KeyInput,
                   .Clock = AServices.Clock,
                   .Timers = AServices.Timers,
                   .Pump = AServices.Pump,
                   .Window = AServices.Window,
                   .Dialogs = AServices.Dialogs,
                   .Shell = AServices.Shell,
                   .Random = AServices.Random,
                   .Hotkeys = AServices.Hotkeys,
                   .Environment = AServices.Environment,
                   .Files = AServices.Files,
                   .MouseHook = AServices.MouseHook,
                   .KeyboardHook = AServices.KeyboardHook,
                   .Locale = AServices.Locale,
                   .Registry = AServices.Registry,
                   .Http = AServices.Http,
                   .Signatures = AServices.Signatures,
                   .Instance = AServices.Instance,
                   .Background = AServices.Background,
                   .Dispatcher = AServices.Dispatcher};
}

}  // namespace nevra
