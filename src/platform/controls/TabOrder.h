#pragma once
#include <cstddef>
#include <vector>

#include "platform/controls/Control.h"

namespace nevra {

// The keyboard's way through a form. The tab order is the form's order of controls, except that
// the radio buttons of one container follow each other, so the arrow keys move through the whole
// group (a dialog manager's groups are runs of neighbours) while Tab enters it at the checked one.

// Indices into AControls in tab order: the form's order, with each container's radio buttons
// gathered behind the first of them.
std::vector<size_t> TabOrder(const std::vector<TControl*>& AControls);
// Whether AControl starts a new group for the arrow keys, given the control before it in tab
// order (null for the first): every control does but a radio button that follows one of the
// same container.
bool StartsKeyboardGroup(const TControl& AControl, const TControl* APreviousInTabOrder);

}  // namespace nevra
