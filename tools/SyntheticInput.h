#pragma once
#include <windows.h>

#include <initializer_list>

#include "ClickTargetWindow.h"

namespace nevra::tools {

// Keyboard and mouse input through SendInput, as if a user typed or moved the mouse: it reaches
// the other process's hotkeys and low-level hooks the same way real input does.

// Presses the keys in the given order and releases them in reverse (a hotkey: Ctrl, Shift, X).
void PressKeys(std::initializer_list<WORD> AKeys);
// Presses the keys in the given order and leaves them down (AUp false), or releases them in
// reverse (AUp true): a hotkey held for a while.
void SendKeys(std::initializer_list<WORD> AKeys, bool AUp);

// Moves the cursor to the screen point (primary monitor) in one absolute move.
void MoveCursorTo(POINT APoint);
// Presses or releases the button where the cursor is.
void SendButton(TClickButton AButton, bool APressed);
// Moves there, then presses and releases the button.
void ClickAt(POINT APoint, TClickButton AButton);

}  // namespace nevra::tools
