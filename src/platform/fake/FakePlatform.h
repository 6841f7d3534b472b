#pragma once
#include <cstdint>

#include "platform/Platform.h"
#include "platform/controls/Control.h"
#include "platform/fake/FakeBackgroundWork.h"
#include "platform/fake/FakeHttp.h"
#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeTime.h"

namespace nevra::fake {

// The whole platform in memory, on virtual time.
struct TFakePlatform {
  explicit TFakePlatform(uint32_t AStartTick = 1000)
      : Dispatcher(Dialogs),
        Time(Dispatcher, AStartTick),
        Input(Time, SentInput),
        KeyInput(Time, SentInput),
        Background(Dispatcher) {}
  TFakePlatform(const TFakePlatform&) = delete;
  TFakePlatform& operator=(const TFakePlatform&) = delete;

  TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher;
  TFakeTime Time;
  // Virtual time is the clock, the timers and the message pump at once.
  IClock& Clock = Time;
  ITimerFactory& Timers = Time;
  IMessagePump& Pump = Time;
  // What the mouse and keyboard inputs sent, in order.
  TFakeInputLog SentInput;
  TFakeMouseInput Input;
  TFakeKeyboardInput KeyInput;
  TFakeWindowOps Window;
  TFakeShell Shell;
  TFakeRandom Random;
  TFakeApplication App;
  TFakeHotkeys Hotkeys;
  TFakeEnvironment Environment;
  TFakeFileSystem Files;
  TFakeMouseHook MouseHook;
  TFakeKeyboardHook KeyboardHook;
  TFakeLocale Locale;
  TFakeRegistry Registry;
  TFakeHttpClientFactory Http;
  TFakeSignatureVerifier Signatures;
  TFakeSingleInstance Instance;
  TFakeBackgroundWork Background;
  TPlatform Platform = PlatformOf(*this);

  // The user presses a key combination anywhere on the desktop: a registered hotkey's handler
  // runs through the dispatcher, as the message loop would deliver it.
  bool PressHotkey(uint32_t AModifiers, uint32_t AVk) {
    const std::function<void()> Handler = Hotkeys.HandlerFor(AModifiers, AVk);
    if (!Handler) return false;
    Dispatcher.Run(Handler);
    return true;
  }
};

}  // namespace nevra::fake
