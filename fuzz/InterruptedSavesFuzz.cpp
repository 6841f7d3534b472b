// Any file name found beside the settings or among the macros, and any target name with any
// process id and tick count. A leftover of a cut-short save is removed at the next start, so:
// - reading a name never crashes;
// - the temporary name a save makes for any target is recognised and gives that target back;
// - a name recognised is one a save could have made: made again from the target and the two
//   numbers read from it, it is the same name (but for the letter case of ".tmp", as Windows
//   lists files), so a user's own file is never taken for a leftover.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/InterruptedSaves.h"
#include "platform/Text.h"

namespace {

// Reads ".<number>" from the front of AText as a 32-bit number; nothing when it is not there.
std::optional<uint32_t> TakeNumber(std::string_view& AText) {
  if (AText.empty() || AText.front() != '.') return std::nullopt;
  uint32_t Value = 0;
  const auto [End, Error] = std::from_chars(AText.data() + 1, AText.data() + AText.size(), Value);
  if (Error != std::errc()) return std::nullopt;
  AText.remove_prefix(static_cast<size_t>(End - AText.data()));
  return Value;
}

void CheckRecognised(std::string_view AName) {
  const auto Target = nevra::SaveTargetOf(AName);
  if (!Target) return;
  if (Target->empty() || AName.substr(0, Target->size()) != *Target) __builtin_trap();
  std::string_view Rest = AName.substr(Target->size());
  const auto ProcessId = TakeNumber(Rest), TickCount = TakeNumber(Rest);
  if (!ProcessId || !TickCount) __builtin_trap();
  if (!nevra::SameTextAscii(nevra::TemporarySavePath(*Target, *ProcessId, *TickCount), AName)) __builtin_trap();
}

void CheckMade(std::string_view ATarget, uint32_t AProcessId, uint32_t ATickCount) {
  if (ATarget.empty()) return;  // no file has an empty name
  const std::string Temporary = nevra::TemporarySavePath(ATarget, AProcessId, ATickCount);
  if (nevra::SaveTargetOf(Temporary) != ATarget) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  CheckRecognised(std::string_view(reinterpret_cast<const char*>(AData), ASize));
  FuzzedDataProvider Data(AData, ASize);
  const uint32_t ProcessId = Data.ConsumeIntegral<uint32_t>(), TickCount = Data.ConsumeIntegral<uint32_t>();
  CheckMade(Data.ConsumeRemainingBytesAsString(), ProcessId, TickCount);
  return 0;
}
