#pragma once

#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/http/Win32HttpClient.h"
#include "platform/win32/http/Win32SignatureVerifier.h"
#include "platform/win32/services/Win32BackgroundWork.h"
#include "platform/win32/services/Win32Clock.h"
#include "platform/win32/services/Win32Dialogs.h"
#include "platform/win32/services/Win32Environment.h"
#include "platform/win32/services/Win32FileSystem.h"
#include "platform/win32/services/Win32Hotkeys.h"
#include "platform/win32/services/Win32KeyboardHook.h"
#include "platform/win32/services/Win32KeyboardInput.h"
#include "platform/win32/services/Win32Locale.h"
#include "platform/win32/services/Win32MessagePump.h"
#include "platform/win32/services/Win32MouseHook.h"
#include "platform/win32/services/Win32MouseInput.h"
#include "platform/win32/services/Win32Registry.h"
#include "platform/win32/services/Win32Shell.h"
#include "platform/win32/services/Win32SingleInstance.h"
#include "platform/win32/services/Win32Timers.h"
#include "platform/win32/services/Win32WindowOps.h"

namespace nevra::win32 {

// Every OS service on real Windows, wired together. Make it on the GUI thread.
struct TWin32Platform {
  TWin32Platform();
  TWin32Platform(const TWin32Platform&) = delete;
  TWin32Platform& operator=(const TWin32Platform&) = delete;

  TWin32Dialogs Dialogs;
  TEventDispatcher Dispatcher;
  TWin32MessagePump Pump;
  TWin32TimerFactory Timers;
  TWin32Application App;
  TWin32MouseInput Input;
  TWin32KeyboardInput KeyInput;
  TWin32Clock Clock;
  TWin32WindowOps Window;
  TWin32Shell Shell;
  TSeededRandom Random;
  TWin32Hotkeys Hotkeys;
  TWin32Environment Environment;
  TWin32FileSystem Files;
  TWin32MouseHook MouseHook;
  TWin32KeyboardHook KeyboardHook;
  TWin32Locale Locale;
  TWin32Registry Registry;
  TWin32HttpClientFactory Http;
  TWin32SignatureVerifier Signatures;
  TWin32SingleInstance Instance;
  TWin32BackgroundWork Background;
  TPlatform Platform;
};

}  // namespace nevra::win32
