#pragma once
#include <cstdint>

#include "platform/Platform.h"
#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeTime.h"

namespace nevra::fake {

// The whole platform in memory, on virtual time.
struct TFakePlatform {
  explicit TFakePlatform(uint32_t AStartTick = 1000)
      : Dispatcher(Dialogs), Time(Dispatcher, AStartTick), Input(Time) {}
  TFakePlatform(const TFakePlatform&) = delete;
  TFakePlatform& operator=(const TFakePlatform&) = delete;

  TFakeDialogs Dialogs;
  TEventDispatcher Dispatcher;
  TFakeTime Time;
  TFakeMouseInput Input;
  TFakeWindowOps Window;
  TFakeShell Shell;
  TFakeRandom Random;
  TFakeApplication App;
  TPlatform Platform{App, Input, Time, Time, Time, Window, Dialogs, Shell, Random, Dispatcher};
};

}  // namespace nevra::fake
