#include "app/MacroChoices.h"

#include <array>
#include <cstdlib>

#include "macros/MacroPlayer.h"

namespace nevra {

namespace {
constexpr std::array<const char*, 3> kRecordSourceKeys{"Mouse and keyboard", "Mouse only", "Keyboard only"};
constexpr std::array<TRecordSources, 3> kRecordSources{TRecordSources{true, true}, TRecordSources{true, false},
                                                       TRecordSources{false, true}};
constexpr std::array<uint32_t, 10> kSpeedPercents{25, 50, 75, 100, 150, 200, 300, 400, 500, 1000};
}  // namespace

std::span<const char* const> RecordSourceKeys() { return kRecordSourceKeys; }

TRecordSources RecordSourcesAt(int32_t AIndex) {
  if (AIndex < 0 || static_cast<size_t>(AIndex) >= kRecordSources.size()) return TRecordSources{};
  return kRecordSources[static_cast<size_t>(AIndex)];
}

std::span<const uint32_t> PlaybackSpeedPercents() { return kSpeedPercents; }

// The player's own range: what it would clamp to is refused here instead.
bool PlayableSpeed(int64_t APercent) {
  return APercent >= TMacroPlayer::kMinSpeedPercent && APercent <= TMacroPlayer::kMaxSpeedPercent;
}

size_t PlaybackSpeedIndex(int64_t APercent) {
  if (!PlayableSpeed(APercent)) APercent = kRecordedSpeedPercent;
  size_t Nearest = 0;
  for (size_t Index = 1; Index < kSpeedPercents.size(); ++Index)
    if (std::llabs(APercent - int64_t{kSpeedPercents[Index]}) < std::llabs(APercent - int64_t{kSpeedPercents[Nearest]}))
      Nearest = Index;
  return Nearest;
}

std::string PlaybackSpeedText(uint32_t APercent, std::string_view ADecimalSeparator) {
  std::string Text = std::to_string(APercent / 100);
  if (const uint32_t Hundredths = APercent % 100; Hundredths != 0) {
    std::string Fraction = (Hundredths < 10 ? "0" : "") + std::to_string(Hundredths);
    if (Fraction.back() == '0') Fraction.pop_back();
    Text += std::string(ADecimalSeparator) + Fraction;
  }
  return Text + "\xC3\x97";  // the multiplication sign
}

}  // namespace nevra
