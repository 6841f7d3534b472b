#pragma once
#include <cstdint>

#include "platform/MouseInput.h"

namespace nevra {

// The one input record of each synthesised mouse event. Button index: 0 left, 1 right,
// 2 middle; any other index gives a record with no flags, so no button acts.
TMouseInputRecord MouseMoveRecord(int32_t AX, int32_t AY, const TVirtualDesktop& ADesktop);
TMouseInputRecord MouseButtonRecord(int32_t AButton, bool ADown);

}  // namespace nevra
