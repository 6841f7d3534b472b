#pragma once
#include <cstdint>

#include "platform/MouseInput.h"

namespace nevra {

// The one input record of each synthesised mouse event. Button index: 0 left, 1 right,
// 2 middle, 3 the first side button (X1), 4 the second (X2); any other index gives a record with
// no flags, so no button acts.
TMouseInputRecord MouseMoveRecord(int32_t AX, int32_t AY, const TVirtualDesktop& ADesktop);
TMouseInputRecord MouseButtonRecord(int32_t AButton, bool ADown);
// A turn of the wheel (or the horizontal wheel) by ADelta: 120 a notch, less from a precision
// touchpad; positive is away from the user, or to the right.
TMouseInputRecord MouseWheelRecord(int32_t ADelta, bool AHorizontal);

}  // namespace nevra
