// Any bytes as a macro file: reading never crashes, the name is valid UTF-8, and a macro written
// back reads the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "macros/MacroModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  nevra::TRecordedMacro Macro;
  nevra::MacroFromText(std::string_view(reinterpret_cast<const char*>(AData), ASize), Macro);
  nevra::TRecordedMacro Again;
  nevra::MacroFromText(nevra::MacroToText(Macro), Again);
  // A name with a line break cannot survive a round trip; the reader never makes one.
  if (Again.Events() != Macro.Events() || Again.DurationMs() != Macro.DurationMs() || Again.Name() != Macro.Name())
    __builtin_trap();
  return 0;
}
