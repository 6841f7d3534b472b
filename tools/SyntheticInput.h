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
// Types each key in turn: pressed and released ('H', 'I' types "hi" on an English layout).
void TypeKeys(std::initializer_list<WORD> AKeys);

// Moves the cursor to the screen point (primary monitor) in one absolute move.
void MoveCursorTo(POINT APoint);
// Presses or releases the button where the cursor is.
void SendButton(TClickButton AButton, bool APressed);
// Moves there, then presses and releases the button.
void ClickAt(POINT APoint, TClickButton AButton);
// One turn of the vertical (or horizontal) wheel where the cursor is: 120 a notch, negative
// towards the user or to the left.
void SendWheel(int ADelta, bool AHorizontal = false);

}  // namespace nevra::tools
