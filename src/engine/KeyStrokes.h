#pragma once
#include <cstdint>

#include "engine/HeldKeys.h"
#include "engine/HotkeyData.h"
#include "platform/KeyboardInput.h"

namespace nevra {

// A key pressed as a run's click: a virtual key with the modifier keys held with it, in
// RegisterHotKey's bits (Ctrl+Shift+F5 is F5 with Control | Shift), the pair a hotkey is. Sent the
// way a hand types it: Ctrl, Shift, Alt and Win go down, then the key; the key comes up, then the
// modifiers, last pressed first. Every key goes out with its layout's scan code, and the keys of
// the arrow block and their kin as extended keys, so the focused window sees the same key a
// keyboard sends.
using TKeyStroke = THotkeyData;

// The keys that reach the system as extended keys (the E0 prefix): the arrow block, Insert,
// Delete, Home, End, Page Up and Down, the right Ctrl and Alt, the Windows and menu keys, Num Lock,
// the keypad's divide, Print Screen, Break and the browser and media keys.
bool IsExtendedKey(uint32_t AVk);

// Presses the stroke's modifiers and then its key (ADown), or releases them (not ADown). The keys
// go through AHeld, which releases whatever is still down when the run ends.
void PressKeyStroke(THeldKeys& AHeld, IKeyboardInput& ALayout, const TKeyStroke& AStroke, bool ADown);
// ATimes strokes, each pressed and released: 1 a single one, 2 a double one.
void TapKeyStroke(THeldKeys& AHeld, IKeyboardInput& ALayout, const TKeyStroke& AStroke, int32_t ATimes);

}  // namespace nevra
