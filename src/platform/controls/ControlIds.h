#pragma once
#include <cstddef>

namespace nevra {

// The native view gives each control of a form the window id kFirstControlId + its position in
// TForm::Controls(), so tools that drive the window from outside can find every control.
inline constexpr int kFirstControlId = 1000;

inline constexpr int ControlIdAt(size_t AIndex) { return kFirstControlId + static_cast<int>(AIndex); }

}  // namespace nevra
