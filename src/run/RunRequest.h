#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "engine/KeyStrokes.h"
#include "engine/MouseActions.h"
#include "macros/MacroModel.h"
#include "platform/Geometry.h"

namespace nevra {

// A run as the window asks for it: plain values, read from the controls once. Each question a
// run answers is a choice of its own, so that a new kind of answer (a key to press, a window to
// click into, a time to run for) is a new alternative, not a new flag.

// What a click presses.
struct TMouseButton {
  int32_t Index = 0;  // 0 left, 1 right, 2 middle
  friend bool operator==(const TMouseButton&, const TMouseButton&) = default;
};
// A key goes to the window that has the keyboard focus: where the click would land does not
// apply to it.
using TPressed = std::variant<TMouseButton, TKeyStroke>;

// Where a click lands.
struct TAtCursor {
  friend bool operator==(const TAtCursor&, const TAtCursor&) = default;
};
struct TAtPoint {
  TPoint Point;  // pixels of the virtual desktop
  friend bool operator==(const TAtPoint&, const TAtPoint&) = default;
};
using TPlace = std::variant<TAtCursor, TAtPoint>;

// How long a run lasts: clicks for a click run, passes for a macro.
struct TUntilStopped {
  friend bool operator==(const TUntilStopped&, const TUntilStopped&) = default;
};
struct TRepeatCount {
  uint64_t Count = 1;
  friend bool operator==(const TRepeatCount&, const TRepeatCount&) = default;
};
// For a time: the run ends by itself once this long has passed since its start delay ended; a
// click due at that very moment is made, a macro's pass under way stops at once.
struct TForTime {
  uint32_t Seconds = 60;
  friend bool operator==(const TForTime&, const TForTime&) = default;
};
using TRunLength = std::variant<TUntilStopped, TRepeatCount, TForTime>;

// How the jitter of an interval is drawn. Settings files keep the number, so a new shape goes
// last, and 0 is what a file without one always meant.
enum class TJitterShape : int32_t {
  jsThreeValues = 0,  // the base less the jitter, the base, or the base plus it, with equal chances
  jsUniform = 1,      // any whole millisecond from the base less the jitter to the base plus it
  jsNormal = 2,       // normally around the base, the jitter as its standard deviation, within twice it
};

// Clicking at an interval.
struct TClickTask {
  TPressed What = TMouseButton{};
  TClickKind Kind = TClickKind::ckSingle;
  uint32_t HoldMs = 80;  // a Hold click's press
  // A Hold click's press lasts any whole millisecond from HoldMs less this to HoldMs plus this,
  // and never less than 0.
  uint32_t HoldJitterMs = 0;
  TPlace Where = TAtCursor{};
  // Each mouse click lands anywhere in the disc of this radius (pixels) around the place, evenly
  // over its area; 0: exactly at the place. A key goes to the focused window and ignores it.
  uint32_t RadiusPx = 0;
  uint32_t IntervalMs = 100;  // between two clicks; 0 counts as 1
  // How far an interval may stray from the base, drawn in the shape below; never below 1 ms.
  uint32_t JitterMs = 0;
  TJitterShape JitterShape = TJitterShape::jsThreeValues;
  friend bool operator==(const TClickTask&, const TClickTask&) = default;
};

// Playing a macro's events, pass after pass.
struct TMacroTask {
  std::vector<TMacroMouseEvent> Events;
  std::string Source;  // the macro's file, by which the window knows which macro a run plays
  // How fast the waits between events pass: 100 as recorded, 25 to 1,000 (a quarter to ten times).
  uint32_t SpeedPercent = 100;
  friend bool operator==(const TMacroTask&, const TMacroTask&) = default;
};

struct TRunRequest {
  std::variant<TClickTask, TMacroTask> Task = TClickTask{};
  TRunLength Length = TUntilStopped{};
  uint32_t StartDelayS = 0;
  // Whether the keys that started the run (its hotkey) are still held down: until they are up
  // the run waits, before its delay, so that no input goes out with the hotkey's modifiers.
  // None: nothing to wait for.
  std::function<bool()> KeysDown = {};
};

// Why a run ended.
enum class TRunEndCause {
  ecCompleted,  // its count is reached (or a macro's playback came to an end)
  ecButton,     // the Stop button, or /stop
  ecHotkey,     // the stop hotkey
  ecClosing,    // the window closes
  ecMacroGone,  // its macro left the list before it could play
  ecTimeUp,     // its time is up
};

struct TRunEnd {
  TRunEndCause Cause = TRunEndCause::ecCompleted;
  uint64_t Done = 0;     // clicks, or a macro's complete passes
  bool Macro = false;    // a macro run (Done counts passes)
  bool Counted = false;  // it had a count
  friend bool operator==(const TRunEnd&, const TRunEnd&) = default;
};

}  // namespace nevra
