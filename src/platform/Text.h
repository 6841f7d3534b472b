#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nevra {

// A whole decimal number in the signed 32-bit range: an optional sign and digits, with blanks
// around them allowed; anything else gives nothing.
std::optional<int32_t> ParseInt32(std::string_view AText);

// The UTF-8 byte-order mark some editors put before a text.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The text with its ASCII capitals made small; every other byte stays.
std::string LowerAscii(std::string_view AText);

// Equal but for the case of ASCII letters (names in files, file paths as Windows compares them
// for ASCII).
bool SameTextAscii(std::string_view A, std::string_view B);

// How many bytes the UTF-8 character at AText[AAt] takes; 0 when the bytes there are not one
// (a stray continuation byte, an overlong form, a surrogate, a code point above U+10FFFF, or a
// character cut off by the end of the text).
size_t Utf8CharLength(std::string_view AText, size_t AAt);

// Whether the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view AText);

// The text without a leading UTF-8 byte-order mark.
std::string_view SkipUtf8Bom(std::string_view AText);

// The lines of a text: CR LF, a lone LF and a lone CR each end one; a break after the last line
// adds no empty line. The views point into AText.
std::vector<std::string_view> SplitLines(std::string_view AText);

// The same lines one at a time, for texts too large to list first (a macro file of 200 MB).
class TLineReader {
 public:
  explicit TLineReader(std::string_view AText) : FRest(AText) {}
  // The next line (a view into the text); false when the text is used up.
  bool Next(std::string_view& ALine);

 private:
  std::string_view FRest;
};

}  // namespace nevra
