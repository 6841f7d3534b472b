#pragma once
#include <cstddef>
#include <memory>

#include "platform/controls/Control.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// The native side of AControl, the one at AIndex of its form's controls: the object for its kind,
// its windows not made yet (TNativeControl::Create). The one place that tells the kinds apart.
std::unique_ptr<TNativeControl> CreateNativeControl(TControl& AControl, size_t AIndex, TNativeContext& AContext);

}  // namespace nevra::win32
