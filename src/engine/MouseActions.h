#pragma once
#include <cstdint>

#include "platform/MouseInput.h"

namespace nevra {

// What one click of a run does, in the order of the click-type list.
enum class TClickKind : int32_t { ckSingle = 0, ckDouble = 1, ckHold = 2 };

// Synthesised mouse actions, one SendInput call for each press, release or move. Button index:
// 0 left, 1 right, 2 middle; any other presses nothing.

// An absolute move to a point of the virtual desktop.
void MoveMouseTo(IMouseInput& AInput, int32_t AX, int32_t AY);
void PressButton(IMouseInput& AInput, int32_t AButton, bool ADown);
// ATimes clicks where the cursor is: 1 a single click, 2 a double one. (A held click is its run's
// business: it waits its hold time without keeping the thread.)
void ClickButton(IMouseInput& AInput, int32_t AButton, int32_t ATimes);

}  // namespace nevra
