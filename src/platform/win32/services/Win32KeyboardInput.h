#pragma once
#include <windows.h>

#include "platform/KeyboardInput.h"

namespace nevra::win32 {

// Synthesised key input through SendInput, one call per key event.
class TWin32KeyboardInput final : public IKeyboardInput {
 public:
  void SendKeyInput(const TKeyInputRecord& ARecord) override;
  uint16_t ScanCodeOf(uint32_t AVk) override;
};

// The INPUT record SendKeyInput sends for ARecord: zeroed in full, type INPUT_KEYBOARD.
INPUT MakeKeyInput(const TKeyInputRecord& ARecord);

}  // namespace nevra::win32
