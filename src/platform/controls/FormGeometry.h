#pragma once

#include "platform/Geometry.h"
#include "platform/controls/Control.h"

namespace nevra {

// A native view may make every control a direct child of the form's window, so the toolkit
// routes all their notifications to one place. These translate the model's nesting into that
// flat shape.

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
// Group boxes and panels hold other controls; in a flat window they lie below their contents.
bool IsContainer(const TControl& AControl);
// A panel and the controls placed directly on it show the panel's surface behind them, not the
// form's.
bool OnPanelSurface(const TControl& AControl);

}  // namespace nevra
