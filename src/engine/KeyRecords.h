#pragma once
#include <cstdint>

#include "platform/KeyboardInput.h"

namespace nevra {

// The input record of one key event: its virtual key and scan code, and whether it is an
// extended key (the right Ctrl, the arrow block, ...), which tells it apart from its twin.
inline TKeyInputRecord KeyRecord(uint32_t AVk, uint32_t AScanCode, bool AExtended, bool ADown) {
  return TKeyInputRecord{static_cast<uint16_t>(AVk), static_cast<uint16_t>(AScanCode),
                         (AExtended ? KeyFlags::ExtendedKey : 0u) | (ADown ? 0u : KeyFlags::KeyUp)};
}

}  // namespace nevra
