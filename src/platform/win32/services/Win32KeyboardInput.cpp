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

}  // namespace nevra::win32
