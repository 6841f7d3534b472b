#pragma once
#include <cstdint>

namespace nevra {

// The Windows codes the logic works with, named once so that it needs no <windows.h>.

// Virtual-key codes (VK_*). Letters and digits are their ASCII capitals ('S' is 0x53).
namespace VirtualKeys {
inline constexpr uint32_t Back = 0x08;
inline constexpr uint32_t Tab = 0x09;
inline constexpr uint32_t Return = 0x0D;
inline constexpr uint32_t Shift = 0x10;
inline constexpr uint32_t Control = 0x11;
inline constexpr uint32_t Alt = 0x12;
inline constexpr uint32_t Escape = 0x1B;
inline constexpr uint32_t Space = 0x20;
inline constexpr uint32_t PageUp = 0x21;
inline constexpr uint32_t PageDown = 0x22;
inline constexpr uint32_t End = 0x23;
inline constexpr uint32_t Home = 0x24;
inline constexpr uint32_t Left = 0x25;
inline constexpr uint32_t Up = 0x26;
inline constexpr uint32_t Right = 0x27;
inline constexpr uint32_t Down = 0x28;
inline constexpr uint32_t Insert = 0x2D;
inline constexpr uint32_t Delete = 0x2E;
inline constexpr uint32_t LeftWin = 0x5B;
inline constexpr uint32_t RightWin = 0x5C;
inline constexpr uint32_t F1 = 0x70;
inline constexpr uint32_t F24 = 0x87;
inline constexpr uint32_t LeftShift = 0xA0;
inline constexpr uint32_t RightAlt = 0xA5;
// The highest code a key can have.
inline constexpr uint32_t Last = 0xFF;

// Shift, Ctrl, Alt and the Windows keys, on either side (a low-level hook tells the sides apart).
inline constexpr bool IsModifier(uint32_t AVk) {
  return (AVk >= Shift && AVk <= Alt) || AVk == LeftWin || AVk == RightWin || (AVk >= LeftShift && AVk <= RightAlt);
}
}  // namespace VirtualKeys

// Modifier bits of RegisterHotKey (MOD_*).
namespace HotkeyModifiers {
inline constexpr uint32_t Alt = 0x0001;
inline constexpr uint32_t Control = 0x0002;
inline constexpr uint32_t Shift = 0x0004;
inline constexpr uint32_t Win = 0x0008;
// A key held down gives one press, not a stream of them.
inline constexpr uint32_t NoRepeat = 0x4000;
}  // namespace HotkeyModifiers

// Mouse messages (WM_*) as a low-level mouse hook reports them.
namespace MouseMessages {
inline constexpr uint32_t Move = 0x0200;
inline constexpr uint32_t LeftDown = 0x0201;
inline constexpr uint32_t LeftUp = 0x0202;
inline constexpr uint32_t RightDown = 0x0204;
inline constexpr uint32_t RightUp = 0x0205;
inline constexpr uint32_t MiddleDown = 0x0207;
inline constexpr uint32_t MiddleUp = 0x0208;
inline constexpr uint32_t Wheel = 0x020A;
inline constexpr uint32_t SideDown = 0x020B;  // WM_XBUTTONDOWN: the data says X1 or X2
inline constexpr uint32_t SideUp = 0x020C;
inline constexpr uint32_t HorizontalWheel = 0x020E;
}  // namespace MouseMessages

// Which side button a WM_XBUTTON* message or an X button input means (XBUTTON1, XBUTTON2).
namespace SideButtons {
inline constexpr int32_t X1 = 0x0001;
inline constexpr int32_t X2 = 0x0002;
}  // namespace SideButtons

}  // namespace nevra
