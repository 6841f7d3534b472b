#include "platform/TextCase.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "platform/Text.h"

namespace nevra {

namespace {

// A run of characters whose capitals lie Delta away: First, First + Step, ... up to Last.
struct TCapitalRun {
  char32_t First;
  char32_t Last;
  int32_t Delta;
  char32_t Step;
};

constexpr TCapitalRun kCapitalRuns[] = {
#include "platform/UpperCaseTable.inc"
};

// The character at AText[AAt] and its length in bytes; a byte that starts no UTF-8 character is
// taken alone, above every character, so it only ever equals itself.
char32_t NextCharacter(std::string_view AText, size_t AAt, size_t& ALength) {
  ALength = Utf8CharLength(AText, AAt);
  const auto Byte = [&](size_t AOffset) {
    return static_cast<char32_t>(static_cast<unsigned char>(AText[AAt + AOffset]));
  };
  switch (ALength) {
    case 1: return Byte(0);
    case 2: return ((Byte(0) & 0x1F) << 6) | (Byte(1) & 0x3F);
    case 3: return ((Byte(0) & 0x0F) << 12) | ((Byte(1) & 0x3F) << 6) | (Byte(2) & 0x3F);
    case 4: return ((Byte(0) & 0x07) << 18) | ((Byte(1) & 0x3F) << 12) | ((Byte(2) & 0x3F) << 6) | (Byte(3) & 0x3F);
    default: ALength = 1; return 0x110000 + Byte(0);
  }
}

}  // namespace

char32_t UpperCaseOf(char32_t ACharacter) {
  const auto After = std::upper_bound(std::begin(kCapitalRuns), std::end(kCapitalRuns), ACharacter,
                                      [](char32_t AChar, const TCapitalRun& ARun) { return AChar < ARun.First; });
  if (After == std::begin(kCapitalRuns)) return ACharacter;
  const TCapitalRun& Run = *std::prev(After);
  if (ACharacter > Run.Last || (ACharacter - Run.First) % Run.Step != 0) return ACharacter;
  return static_cast<char32_t>(static_cast<int32_t>(ACharacter) + Run.Delta);
}

bool SameTextIgnoringCase(std::string_view A, std::string_view B) {
  size_t AtA = 0, AtB = 0;
  while (AtA < A.size() && AtB < B.size()) {
    size_t LengthA = 0, LengthB = 0;
    if (UpperCaseOf(NextCharacter(A, AtA, LengthA)) != UpperCaseOf(NextCharacter(B, AtB, LengthB))) return false;
    AtA += LengthA;
    AtB += LengthB;
  }
  return AtA == A.size() && AtB == B.size();
}

}  // namespace nevra
