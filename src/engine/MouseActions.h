#pragma once
#include <cstdint>

#include "platform/Clock.h"
#include "platform/MouseInput.h"

namespace nevra {

// What one click of a run does, in the order of the click-type list.
enum class TClickKind : int32_t { ckSingle = 0, ckDouble = 1, ckHold = 2 };

// Synthesised mouse actions, one SendInput call for each press, release or move. Button index:
// 0 left, 1 right, 2 middle; any other presses nothing.

// An absolute move to a point of the virtual desktop.
void MoveMouseTo(IMouseInput& AInput, int32_t AX, int32_t AY);
void PressButton(IMouseInput& AInput, int32_t AButton, bool ADown);
// A single or double click where the cursor is, or a press held for AHoldMs (the thread waits
// meanwhile) and released.
void PerformClick(IMouseInput& AInput, IClock& AClock, int32_t AButton, TClickKind AKind, uint32_t AHoldMs);

}  // namespace nevra
