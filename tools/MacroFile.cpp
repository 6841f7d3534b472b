#include "MacroFile.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace nevra::tools {

void WriteMacroFile(const std::filesystem::path& AFile, const TMacroFile& AMacro) {
  std::ofstream Out(AFile, std::ios::binary);
  Out << "\xEF\xBB\xBF";
  if (!AMacro.Name.empty()) Out << "Name=" << AMacro.Name << "\r\n";
  Out << "DurationMs=" << AMacro.DurationMs << "\r\n";
  for (const TMacroFileEvent& Event : AMacro.Events)
    Out << "E=" << static_cast<int32_t>(Event.DeltaMs) << '|' << Event.Kind << '|' << Event.X << '|' << Event.Y << '|'
        << Event.Button << "\r\n";
  Out.close();
  if (!Out) throw std::runtime_error("cannot write " + AFile.string());
}

TMacroFile ReadMacroFile(const std::filesystem::path& AFile) {
  std::ifstream In(AFile, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + AFile.string());
  std::stringstream Buffer;
  Buffer << In.rdbuf();
  std::string Text = Buffer.str();
  if (Text.rfind("\xEF\xBB\xBF", 0) == 0) Text.erase(0, 3);
  TMacroFile Macro;
  std::istringstream Lines(Text);
  for (std::string Line; std::getline(Lines, Line);) {
    if (!Line.empty() && Line.back() == '\r') Line.pop_back();
    if (Line.rfind("Name=", 0) == 0) {
      Macro.Name = Line.substr(5);
    } else if (Line.rfind("DurationMs=", 0) == 0) {
      Macro.DurationMs = static_cast<uint32_t>(std::stoll(Line.substr(11)));
    } else if (Line.rfind("E=", 0) == 0) {
      TMacroFileEvent Event;
      char Bar = 0;
      int64_t Delta = 0;
      std::istringstream Fields(Line.substr(2));
      Fields >> Delta >> Bar >> Event.Kind >> Bar >> Event.X >> Bar >> Event.Y >> Bar >> Event.Button;
      if (!Fields) throw std::runtime_error("unreadable event line: " + Line);
      Event.DeltaMs = static_cast<uint32_t>(Delta);
      Macro.Events.push_back(Event);
    }
  }
  return Macro;
}

}  // namespace nevra::tools
