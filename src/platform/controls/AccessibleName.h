#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/controls/Control.h"

namespace nevra {

// The name a screen reader should announce for the field (a spin box or a drop-down list) at
// AIndex of AControls, whose own text is only its value: the caption of the label, check box or
// radio button that introduces it (the nearest one before it in the same container), without
// mnemonic mark or colon. A label that only separates two spin boxes (the "X" between the
// coordinates) introduces neither; fields of one kind that share an introduction are numbered
// from the second on. Empty when nothing introduces it.
std::string FieldAccessibleName(const std::vector<TControl*>& AControls, size_t AIndex);
// Whether AControl's caption can name a field after it: a label, check box or radio button.
bool CanNameField(const TControl& AControl);

}  // namespace nevra
