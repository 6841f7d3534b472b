#pragma once
#include <cstdint>

namespace nevra {

// A window message as the form's window procedure sees it.
struct TWindowMessage {
  uint32_t Msg = 0;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;
};

inline constexpr uint32_t WM_HOTKEY_MESSAGE = 0x0312;

}  // namespace nevra
