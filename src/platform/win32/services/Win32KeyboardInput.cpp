#include "platform/win32/services/Win32KeyboardInput.h"

#include <cstring>

namespace nevra::win32 {

INPUT MakeKeyInput(const TKeyInputRecord& ARecord) {
  INPUT Input;
  // Padding included: the record goes to the system byte for byte.
  std::memset(&Input, 0, sizeof(Input));
  Input.type = INPUT_KEYBOARD;
  Input.ki.wVk = ARecord.Vk;
  Input.ki.wScan = ARecord.ScanCode;
  Input.ki.dwFlags = ARecord.Flags;
  return Input;
}

void TWin32KeyboardInput::SendKeyInput(const TKeyInputRecord& ARecord) {
  INPUT Input = MakeKeyInput(ARecord);
  ::SendInput(1, &Input, sizeof(INPUT));
}

uint16_t TWin32KeyboardInput::ScanCodeOf(uint32_t AVk) {
  return static_cast<uint16_t>(::MapVirtualKeyW(AVk, MAPVK_VK_TO_VSC));
}

}  // namespace nevra::win32
