#pragma once
#include <windows.h>

#include <utility>

namespace nevra::win32 {

// One owner for every kind of OS handle: moves, never copies, and frees the handle exactly once
// with the function its traits name.
template <typename TTraits>
class TUniqueHandle {
 public:
  using THandle = typename TTraits::THandle;

  TUniqueHandle() = default;
  explicit TUniqueHandle(THandle AHandle) : FHandle(AHandle) {}
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  TUniqueHandle(TUniqueHandle&& AOther) noexcept : FHandle(AOther.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& AOther) noexcept {
    if (this != &AOther) Reset(AOther.Release());
    return *this;
  }
  ~TUniqueHandle() { Reset(); }

  THandle Get() const { return FHandle; }
  explicit operator bool() const { return TTraits::IsValid(FHandle); }
  // Gives the handle up without freeing it (for a handle the system has already freed).
  THandle Release() { return std::exchange(FHandle, TTraits::Invalid()); }
  void Reset(THandle AHandle = TTraits::Invalid()) {
    const THandle Old = std::exchange(FHandle, AHandle);
    if (TTraits::IsValid(Old)) TTraits::Free(Old);
  }

 private:
  THandle FHandle = TTraits::Invalid();
};

struct TKernelHandleTraits {
  using THandle = HANDLE;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr && AHandle != INVALID_HANDLE_VALUE; }
  static void Free(THandle AHandle) { ::CloseHandle(AHandle); }
};

// The traits of a handle that is null when there is none and goes with one call.
template <typename THandleType, auto AFree>
struct TNullHandleTraits {
  using THandle = THandleType;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr; }
  static void Free(THandle AHandle) { AFree(AHandle); }
};

// A COM interface pointer: null when there is none, given up with Release.
template <typename TInterface>
struct TComTraits {
  using THandle = TInterface*;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr; }
  static void Free(THandle AHandle) { AHandle->Release(); }
};

struct TFindTraits {
  using THandle = HANDLE;
  static THandle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(THandle AHandle) { return AHandle != INVALID_HANDLE_VALUE && AHandle != nullptr; }
  static void Free(THandle AHandle) { ::FindClose(AHandle); }
};

// Closing a work object does not wait for its callback; waiting first means the callback never
// runs on a freed object.
inline void WaitAndCloseThreadpoolWork(PTP_WORK AWork) {
  ::WaitForThreadpoolWorkCallbacks(AWork, FALSE);
  ::CloseThreadpoolWork(AWork);
}

using THandleOwner = TUniqueHandle<TKernelHandleTraits>;  // events, waitable timers, processes ...
using TWindowOwner = TUniqueHandle<TNullHandleTraits<HWND, &::DestroyWindow>>;
using TFontOwner = TUniqueHandle<TNullHandleTraits<HFONT, &::DeleteObject>>;
using TBrushOwner = TUniqueHandle<TNullHandleTraits<HBRUSH, &::DeleteObject>>;
using TIconOwner = TUniqueHandle<TNullHandleTraits<HICON, &::DestroyIcon>>;
// Closing a threadpool timer does not wait for its callbacks; whoever owns one stops it and
// waits (SetThreadpoolTimer(NULL) + WaitForThreadpoolTimerCallbacks) before letting it go.
using TThreadpoolTimerOwner = TUniqueHandle<TNullHandleTraits<PTP_TIMER, &::CloseThreadpoolTimer>>;
using TThreadpoolWorkOwner = TUniqueHandle<TNullHandleTraits<PTP_WORK, &WaitAndCloseThreadpoolWork>>;
using TFindOwner = TUniqueHandle<TFindTraits>;  // FindFirstFileExW searches
using TRegistryKeyOwner = TUniqueHandle<TNullHandleTraits<HKEY, &::RegCloseKey>>;
using TMenuOwner = TUniqueHandle<TNullHandleTraits<HMENU, &::DestroyMenu>>;
using THookOwner = TUniqueHandle<TNullHandleTraits<HHOOK, &::UnhookWindowsHookEx>>;
// Memory the system allocated for the caller with LocalAlloc (FormatMessage's buffer).
using TLocalMemoryOwner = TUniqueHandle<TNullHandleTraits<HLOCAL, &::LocalFree>>;
template <typename TInterface>
using TComOwner = TUniqueHandle<TComTraits<TInterface>>;

// A device context borrowed from a window, given back (ReleaseDC) when this goes: of its client
// area, or with AWholeWindow of the whole window, frame included (GetWindowDC). A null window
// lends the screen's.
class TWindowDc {
 public:
  explicit TWindowDc(HWND AWindow, bool AWholeWindow = false)
      : FWindow(AWindow), FDc(AWholeWindow ? ::GetWindowDC(AWindow) : ::GetDC(AWindow)) {}
  ~TWindowDc() {
    if (FDc != nullptr) ::ReleaseDC(FWindow, FDc);
  }
  TWindowDc(const TWindowDc&) = delete;
  TWindowDc& operator=(const TWindowDc&) = delete;
  HDC Get() const { return FDc; }
  explicit operator bool() const { return FDc != nullptr; }

 private:
  HWND FWindow;
  HDC FDc;
};

}  // namespace nevra::win32
