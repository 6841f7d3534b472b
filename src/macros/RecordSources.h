#pragma once

namespace nevra {

// What a recording takes in: the mouse (moves, buttons, wheels), the keyboard, or both.
struct TRecordSources {
  bool Mouse = true;
  bool Keyboard = true;
  friend bool operator==(const TRecordSources&, const TRecordSources&) = default;
};

}  // namespace nevra
