#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/controls/Control.h"

namespace nevra {

// The name a screen reader should announce for the spin box at AIndex of AControls: the caption
// of the label, check box or radio button that introduces it (the nearest one before it in the
// same container). A label that only separates two spin boxes (the "X" between the coordinates)
// introduces neither; boxes that share an introduction are numbered from the second on.
std::string SpinBoxAccessibleName(const std::vector<TControl*>& AControls, size_t AIndex);
// Whether AControl's caption can name a spin box after it: a label, check box or radio button.
bool CanNameSpinBox(const TControl& AControl);

}  // namespace nevra
