#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "macros/RecordSources.h"

namespace nevra {

// The entries of the window's two macro drop-down lists and the values they stand for: what a
// recording takes in, and how fast a macro plays.

// "Mouse and keyboard", "Mouse only", "Keyboard only", in the list's order (English keys of
// their translations).
std::span<const char* const> RecordSourceKeys();
// The sources of the entry at AIndex; both for an index outside the list.
TRecordSources RecordSourcesAt(int32_t AIndex);

// The speeds the list offers, in percent of the recorded speed, slowest first.
std::span<const uint32_t> PlaybackSpeedPercents();
inline constexpr uint32_t kRecordedSpeedPercent = 100;
// The list's entry for a speed: the listed speed nearest to APercent (the slower of two as near),
// or the recorded speed's for one no macro plays at (below 25 % or above 1,000 %).
size_t PlaybackSpeedIndex(int64_t APercent);
// Whether a macro can play at APercent of its recorded speed: 25 to 1,000.
bool PlayableSpeed(int64_t APercent);
// A speed as the list shows it: "0.25×", "1×", "1.5×", with the user's decimal separator.
std::string PlaybackSpeedText(uint32_t APercent, std::string_view ADecimalSeparator);

}  // namespace nevra
