#include "engine/HeldKeys.h"

namespace nevra {

void THeldKeys::Send(const TKeyInputRecord& ARecord) {
  // Noted first: a release the system refuses is not tried again at the end.
  if ((ARecord.Flags & KeyFlags::KeyUp) != 0)
    FHeld.erase(ARecord.Vk);
  else
    FHeld[ARecord.Vk] = ARecord;
  FInput.SendKeyInput(ARecord);
}

void THeldKeys::ReleaseAll() noexcept {
  while (!FHeld.empty()) {
    TKeyInputRecord Release = FHeld.begin()->second;
    Release.Flags |= KeyFlags::KeyUp;
    try {
      Send(Release);
    } catch (...) {
      // Called from destructors: the other keys still get their release.
    }
  }
}

}  // namespace nevra
