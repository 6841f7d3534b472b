// Any bytes as a macro file, and any macro the program can hold, through the file format:
// - reading never crashes and gives a name that is valid UTF-8, which the start of the file
//   alone gives too, wherever it is cut, or says it cannot tell;
// - a macro read from any text, written and read again, is the same macro, and writing that
//   one gives the same text (a rename rewrites a file from memory, so both must hold);
// - any macro whose name has no line break is written and read back unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "StrictUtf8.h"
#include "macros/MacroModel.h"

namespace {

bool SameMacro(const nevra::TRecordedMacro& A, const nevra::TRecordedMacro& B) {
  return A.Name() == B.Name() && A.DurationMs() == B.DurationMs() && A.Events() == B.Events();
}

void TextRoundTrip(std::string_view AText) {
  nevra::TRecordedMacro Read;
  nevra::MacroFromText(AText, Read);
  if (!nevra::fuzz::IsStrictUtf8(Read.Name())) __builtin_trap();
  // The list shows the name read from the start of the file: the same name, whatever the cut.
  if (nevra::MacroNameFromStart(AText, true) != Read.Name()) __builtin_trap();
  for (size_t Cut = 0; Cut <= AText.size(); Cut += 1 + Cut / 4) {
    const auto Name = nevra::MacroNameFromStart(AText.substr(0, Cut), false);
    if (Name && *Name != Read.Name()) __builtin_trap();
  }
  const std::string Written = nevra::MacroToText(Read);
  nevra::TRecordedMacro Again;
  nevra::MacroFromText(Written, Again);
  if (!SameMacro(Read, Again)) __builtin_trap();
  if (nevra::MacroToText(Again) != Written) __builtin_trap();
}

// A macro with every field chosen by the fuzzer; its name is valid UTF-8 without line breaks,
// as every name the program gives a macro is.
void MacroRoundTrip(FuzzedDataProvider& AData) {
  nevra::TRecordedMacro Macro;
  std::string Name = AData.ConsumeRandomLengthString(64);
  std::erase_if(Name, [](char C) { return C == '\r' || C == '\n'; });
  if (!nevra::fuzz::IsStrictUtf8(Name)) Name.clear();
  Macro.SetName(Name);
  Macro.SetDurationMs(AData.ConsumeIntegral<uint32_t>());
  while (AData.remaining_bytes() > 0) {
    nevra::TMacroMouseEvent Event;
    Event.DeltaMs = AData.ConsumeIntegral<uint32_t>();
    Event.Kind = static_cast<nevra::TMacroEventKind>(AData.ConsumeIntegral<uint8_t>());
    Event.X = AData.ConsumeIntegral<int32_t>();
    Event.Y = AData.ConsumeIntegral<int32_t>();
    Event.Button = AData.ConsumeIntegral<int32_t>();
    Macro.MutableEvents().push_back(Event);
  }
  nevra::TRecordedMacro Read;
  nevra::MacroFromText(nevra::MacroToText(Macro), Read);
  if (!SameMacro(Macro, Read)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  TextRoundTrip(std::string_view(reinterpret_cast<const char*>(AData), ASize));
  FuzzedDataProvider Data(AData, ASize);
  MacroRoundTrip(Data);
  return 0;
}
