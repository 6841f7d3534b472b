#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace nevra::tools {

// A macro file (.nevramac) as the tests and the benchmark write and read it, independent of the
// program's own code: UTF-8 with byte-order mark, CR LF after every line, "Name=", "DurationMs="
// and one "E=DeltaMs|Kind|X|Y|Button" line per event (kinds 0 move, 1 press, 2 release, 3 key
// down and 4 key up with X the virtual key, Y the scan code and Button 1 for an extended key,
// 5 vertical and 6 horizontal wheel with Button the signed delta).
struct TMacroFileEvent {
  uint32_t DeltaMs = 0;
  int Kind = 0;
  int X = 0;
  int Y = 0;
  int Button = -1;
  bool operator==(const TMacroFileEvent&) const = default;
};

struct TMacroFile {
  std::string Name;
  uint32_t DurationMs = 0;
  std::vector<TMacroFileEvent> Events;
};

void WriteMacroFile(const std::filesystem::path& AFile, const TMacroFile& AMacro);
// Reads what the program wrote: the lines above with any line ends; throws when unreadable.
TMacroFile ReadMacroFile(const std::filesystem::path& AFile);

}  // namespace nevra::tools
