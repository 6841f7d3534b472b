#pragma once
#include <cstdint>

namespace nevra {

// KEYEVENTF_* values, so the logic can build key records without <windows.h>.
namespace KeyFlags {
inline constexpr uint32_t ExtendedKey = 0x0001;
inline constexpr uint32_t KeyUp = 0x0002;
}  // namespace KeyFlags

// The KEYBDINPUT member of one INPUT record of type INPUT_KEYBOARD. A key goes out as its virtual
// key and its scan code together (never KEYEVENTF_SCANCODE alone), so the focused window gets the
// same key messages, and the same characters on the same layout, as when it was typed.
struct TKeyInputRecord {
  uint16_t Vk = 0;
  uint16_t ScanCode = 0;
  uint32_t Flags = 0;
  friend bool operator==(const TKeyInputRecord&, const TKeyInputRecord&) = default;
};

// Synthesised keyboard input. A narrow service of its own beside IMouseInput: the click run and
// the point picker never type, and only playback needs both.
class IKeyboardInput {
 public:
  virtual ~IKeyboardInput() = default;
  // One SendInput call carrying this one key event. The result is not reported.
  virtual void SendKeyInput(const TKeyInputRecord& ARecord) = 0;
  // The scan code the keyboard layout gives a virtual key (MapVirtualKeyW); 0 when it has none.
  virtual uint16_t ScanCodeOf(uint32_t AVk) = 0;
};

}  // namespace nevra
