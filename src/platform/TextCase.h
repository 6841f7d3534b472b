#pragma once
#include <string_view>

namespace nevra {

// Letter case as Windows ignores it when it compares file names: a small letter of the Basic
// Multilingual Plane counts as the capital it pairs with ("ü" as "Ü", "σ" as "Σ"); every other
// character counts as itself (the final sigma, the dotless i, letters beyond the plane).
char32_t UpperCaseOf(char32_t ACharacter);

// The two texts are the same but for letter case, character by character as above (a byte that
// is not part of a UTF-8 character counts as itself): how macro names and their files are matched.
bool SameTextIgnoringCase(std::string_view A, std::string_view B);

}  // namespace nevra
