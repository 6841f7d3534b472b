#include "engine/HeldKeys.h"

#include <algorithm>

namespace nevra {

bool THeldKeys::Holds(uint32_t AVk) const {
  return std::any_of(FHeld.begin(), FHeld.end(), [AVk](const TKeyInputRecord& AHeld) { return AHeld.Vk == AVk; });
}

void THeldKeys::Send(const TKeyInputRecord& ARecord) {
  // Noted first: a release the system refuses is not tried again at the end.
  std::erase_if(FHeld, [&ARecord](const TKeyInputRecord& AHeld) { return AHeld.Vk == ARecord.Vk; });
  if ((ARecord.Flags & KeyFlags::KeyUp) == 0) FHeld.push_back(ARecord);
  FInput.SendKeyInput(ARecord);
}

void THeldKeys::ReleaseAll() noexcept {
  while (!FHeld.empty()) {
    TKeyInputRecord Release = FHeld.back();
    Release.Flags |= KeyFlags::KeyUp;
    try {
      Send(Release);
    } catch (...) {
      // Called from destructors: the other keys still get their release.
    }
  }
}

}  // namespace nevra
