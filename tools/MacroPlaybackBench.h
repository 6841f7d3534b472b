#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>

namespace nevra::tools {

// How faithfully the program replays a macro's timing: a macro of Events alternating presses and
// releases of the left button at (X, Y), with MovesBetween mouse moves near that point between
// each two of them and IntervalUs between any two events (offsets are whole milliseconds, so
// events less than a millisecond apart share offsets as a fast mouse's recording does), played
// Passes times onto a click target window of this process. The input system stamps each press and
// release with the time it was made, so a pass's played duration is read from the target's records.
struct TMacroBenchSettings {
  int Events = 1000;
  int IntervalUs = 8000;
  int MovesBetween = 0;
  int Passes = 3;
  int X = 200;
  int Y = 150;
  // The program's playback speed: 100 as recorded, 400 four times as fast (the waits a quarter).
  int SpeedPercent = 100;
};

// Starts the program at AProgram with an application-data folder of its own holding the macro,
// plays it, closes the program and writes the figures to AOut. Throws on failure.
void RunMacroPlaybackBench(const std::string& AProgram, const TMacroBenchSettings& ASettings, std::ostream& AOut);

}  // namespace nevra::tools
