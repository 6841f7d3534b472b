#pragma once
#include <ostream>

#include "platform/Geometry.h"

namespace nevra {

// Readable failure messages for the geometry types.
inline void PrintTo(const TPoint& APoint, std::ostream* AOut) { *AOut << "(" << APoint.X << ", " << APoint.Y << ")"; }
inline void PrintTo(const TRect& ARect, std::ostream* AOut) {
  *AOut << "(" << ARect.Left << ", " << ARect.Top << ")-(" << ARect.Right << ", " << ARect.Bottom << ")";
}

}  // namespace nevra
