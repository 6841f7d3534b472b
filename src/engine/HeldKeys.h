#pragma once
#include <cstdint>
#include <vector>

#include "platform/KeyboardInput.h"

namespace nevra {

// The keys this program has pressed and not yet released: THeldButtons' twin for the keyboard.
// Whatever way a playback ends (stopped between a recorded key's press and its release, an error,
// the window closed), each key it still holds is released with the scan code and the extended
// flag it was pressed with, so no key (a Shift above all) stays down system-wide. The keys go up in
// the reverse order of their presses: the key of Ctrl+A before the Ctrl, as a hand lets go.
class THeldKeys {
 public:
  explicit THeldKeys(IKeyboardInput& AInput) : FInput(AInput) {}
  ~THeldKeys() { ReleaseAll(); }
  THeldKeys(const THeldKeys&) = delete;
  THeldKeys& operator=(const THeldKeys&) = delete;

  // Sends the key event and notes what it holds.
  void Send(const TKeyInputRecord& ARecord);
  bool Holds(uint32_t AVk) const;
  // Releases every key still held; an input the system refuses is not retried.
  void ReleaseAll() noexcept;

 private:
  IKeyboardInput& FInput;
  // The presses, oldest first: a release repeats its press's scan code and extended flag.
  std::vector<TKeyInputRecord> FHeld;
};

}  // namespace nevra
