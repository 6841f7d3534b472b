#pragma once
#include <cstdint>
#include <map>

#include "platform/KeyboardInput.h"

namespace nevra {

// The keys this program has pressed and not yet released: THeldButtons' twin for the keyboard.
// Whatever way a playback ends (stopped between a recorded key's press and its release, an error,
// the window closed), each key it still holds is released with the scan code and the extended
// flag it was pressed with, so no key (a Shift above all) stays down system-wide.
class THeldKeys {
 public:
  explicit THeldKeys(IKeyboardInput& AInput) : FInput(AInput) {}
  ~THeldKeys() { ReleaseAll(); }
  THeldKeys(const THeldKeys&) = delete;
  THeldKeys& operator=(const THeldKeys&) = delete;

  // Sends the key event and notes what it holds.
  void Send(const TKeyInputRecord& ARecord);
  bool Holds(uint32_t AVk) const { return FHeld.count(AVk) != 0; }
  // Releases every key still held; an input the system refuses is not retried.
  void ReleaseAll() noexcept;

 private:
  IKeyboardInput& FInput;
  // By virtual key: the press, whose scan code and extended flag the release repeats.
  std::map<uint32_t, TKeyInputRecord> FHeld;
};

}  // namespace nevra
