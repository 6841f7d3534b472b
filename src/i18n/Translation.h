#pragma once
#include <string>

namespace nevra {

// The text to show for an English text in the current language. Until a catalogue is loaded
// every text is shown in English, as written.
std::string Translate(const std::string& AText);

}  // namespace nevra
