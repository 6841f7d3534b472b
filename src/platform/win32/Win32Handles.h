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

struct TWindowTraits {
  using THandle = HWND;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr; }
  static void Free(THandle AHandle) { ::DestroyWindow(AHandle); }
};

template <typename TGdiHandle>
struct TGdiObjectTraits {
  using THandle = TGdiHandle;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr; }
  static void Free(THandle AHandle) { ::DeleteObject(AHandle); }
};

struct TIconTraits {
  using THandle = HICON;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr; }
  static void Free(THandle AHandle) { ::DestroyIcon(AHandle); }
};

// Closing a threadpool timer does not wait for its callbacks; whoever owns one stops it and
// waits (SetThreadpoolTimer(NULL) + WaitForThreadpoolTimerCallbacks) before letting it go.
struct TThreadpoolTimerTraits {
  using THandle = PTP_TIMER;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr; }
  static void Free(THandle AHandle) { ::CloseThreadpoolTimer(AHandle); }
};

struct TFindTraits {
  using THandle = HANDLE;
  static THandle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(THandle AHandle) { return AHandle != INVALID_HANDLE_VALUE && AHandle != nullptr; }
  static void Free(THandle AHandle) { ::FindClose(AHandle); }
};

struct TRegistryKeyTraits {
  using THandle = HKEY;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr; }
  static void Free(THandle AHandle) { ::RegCloseKey(AHandle); }
};

struct TMenuTraits {
  using THandle = HMENU;
  static THandle Invalid() { return nullptr; }
  static bool IsValid(THandle AHandle) { return AHandle != nullptr; }
  static void Free(THandle AHandle) { ::DestroyMenu(AHandle); }
};

using THandleOwner = TUniqueHandle<TKernelHandleTraits>;  // events, waitable timers, processes ...
using TWindowOwner = TUniqueHandle<TWindowTraits>;
using TFontOwner = TUniqueHandle<TGdiObjectTraits<HFONT>>;
using TBrushOwner = TUniqueHandle<TGdiObjectTraits<HBRUSH>>;
using TIconOwner = TUniqueHandle<TIconTraits>;
using TThreadpoolTimerOwner = TUniqueHandle<TThreadpoolTimerTraits>;
using TFindOwner = TUniqueHandle<TFindTraits>;            // FindFirstFileExW searches
using TRegistryKeyOwner = TUniqueHandle<TRegistryKeyTraits>;
using TMenuOwner = TUniqueHandle<TMenuTraits>;

}  // namespace nevra::win32
