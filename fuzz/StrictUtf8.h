// UTF-8 as the fuzz targets judge it, written from the Unicode standard's table of well-formed
// byte sequences and not shared with the program, so that a fault in the program's own check
// cannot hide itself.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace nevra::fuzz {

// How many bytes the well-formed sequence at AText[AAt] takes; 0 when none starts there.
inline size_t StrictUtf8Length(std::string_view AText, size_t AAt) {
  const auto Byte = [&](size_t AIndex) {
    return AIndex < AText.size() ? static_cast<unsigned char>(AText[AIndex]) : 0u;
  };
  const auto In = [](unsigned AValue, unsigned ALow, unsigned AHigh) { return AValue >= ALow && AValue <= AHigh; };
  const unsigned C = Byte(AAt);
  if (C < 0x80) return 1;
  if (In(C, 0xC2, 0xDF)) return In(Byte(AAt + 1), 0x80, 0xBF) ? 2 : 0;
  if (In(C, 0xE0, 0xEF)) {
    const unsigned Low = C == 0xE0 ? 0xA0 : 0x80, High = C == 0xED ? 0x9F : 0xBF;
    return In(Byte(AAt + 1), Low, High) && In(Byte(AAt + 2), 0x80, 0xBF) ? 3 : 0;
  }
  if (In(C, 0xF0, 0xF4)) {
    const unsigned Low = C == 0xF0 ? 0x90 : 0x80, High = C == 0xF4 ? 0x8F : 0xBF;
    return In(Byte(AAt + 1), Low, High) && In(Byte(AAt + 2), 0x80, 0xBF) && In(Byte(AAt + 3), 0x80, 0xBF) ? 4 : 0;
  }
  return 0;
}

inline bool IsStrictUtf8(std::string_view AText) {
  for (size_t I = 0; I < AText.size();) {
    const size_t Length = StrictUtf8Length(AText, I);
    if (Length == 0) return false;
    I += Length;
  }
  return true;
}

// The text with every byte that starts no well-formed sequence replaced by U+FFFD, so that what
// the fuzzer found in the valid parts (option names, device names) stays as it was.
inline std::string RepairedUtf8(std::string_view AText) {
  std::string Repaired;
  for (size_t I = 0; I < AText.size();) {
    const size_t Length = StrictUtf8Length(AText, I);
    if (Length == 0) {
      Repaired += "\xEF\xBF\xBD";
      ++I;
    } else {
      Repaired += AText.substr(I, Length);
      I += Length;
    }
  }
  return Repaired;
}

}  // namespace nevra::fuzz
