#pragma once

#include "platform/Geometry.h"
#include "platform/controls/Control.h"

namespace nevra::win32 {

// The native view makes every control a direct child of the main window, so Windows routes all
// their notifications to one place. These translate the model's nesting into that flat shape.

// AControl's bounds relative to the form's client area, in 96-DPI units: its own bounds moved by
// the origin of every container around it (a group box's caption lies inside its bounds).
TRect FormBounds(const TControl& AControl);
// What the user sees: a control shows, or accepts input, only while it and every container
// around it do (hiding the status panel hides its labels). The form itself does not count; the
// window operations own its state.
bool ShownOnForm(const TControl& AControl);
bool EnabledOnForm(const TControl& AControl);
// True when AControl is AContainer or lies somewhere inside it.
bool IsWithin(const TControl& AControl, const TControl& AContainer);

}  // namespace nevra::win32
