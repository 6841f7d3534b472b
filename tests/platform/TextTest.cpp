// Line breaking, as every reader of the program's text files uses it, and the UTF-8 check of
// text from outside.
#include "platform/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextCase.h"

namespace nevra {
namespace {

TEST(SplitLines, EveryKindOfBreakEndsALineAndAFinalBreakAddsNone) {
  const std::pair<std::string, std::vector<std::string_view>> Cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"a\n\rb", {"a", "", "b"}},
      {"x\ry\nz", {"x", "y", "z"}},
  };
  for (const auto& [Text, Lines] : Cases) EXPECT_EQ(SplitLines(Text), Lines) << Text;
}

TEST(IsValidUtf8, TakesWellFormedCharactersOfEveryLengthAndNothingElse) {
  const std::pair<std::string, bool> Cases[] = {
      {"", true},
      {"plain", true},
      {"\xC3\xBC \xE2\x82\xAC \xF0\x9F\x96\xB1 \xF4\x8F\xBF\xBF", true},  // 2, 3, 4 bytes, U+10FFFF
      {"\x80", false},                                                    // a stray continuation byte
      {"\xC3", false},                                                    // cut off at the end
      {"\xE2\x82x", false},                                               // cut off before a letter
      {"\xC1\xBF", false},                                                // overlong, two bytes
      {"\xE0\x9F\xBF", false},                                            // overlong, three bytes
      {"\xF0\x8F\xBF\xBF", false},                                        // overlong, four bytes
      {"\xED\xA0\x80", false},                                            // a surrogate
      {"\xF4\x90\x80\x80", false},                                        // above U+10FFFF
      {"\xF5\x80\x80\x80", false},                                        // no such lead byte
  };
  for (const auto& [Text, Valid] : Cases) EXPECT_EQ(IsValidUtf8(Text), Valid) << ::testing::PrintToString(Text);
}

// Macro names and their files match as Windows matches file names: every letter with a capital,
// not only ASCII; nothing more (a character that becomes two letters, or none).
TEST(SameTextIgnoringCase, LettersOfEveryScriptMatchTheirCapitals) {
  const std::tuple<std::string, std::string, bool> Cases[] = {
      {"Daily login", "DAILY LOGIN", true},
      {"\xC3\xBCn\xC3\xAF"
       "c\xC3\xB8"
       "d\xC3\xA9",
       "\xC3\x9CN\xC3\x8F"
       "C\xC3\x98"
       "D\xC3\x89",
       true},                           // ünïcødé
      {"\xCF\x83", "\xCE\xA3", true},   // σ, Σ
      {"\xCF\x82", "\xCE\xA3", false},  // the final sigma keeps its case, as in Windows
      {"\xD0\xBC\xD0\xB0\xD0\xBA\xD1\x80\xD0\xBE\xD1\x81", "\xD0\x9C\xD0\x90\xD0\x9A\xD0\xA0\xD0\x9E\xD0\xA1",
       true},                                          // макрос
      {"\xC4\x85\xC5\xBC", "\xC4\x84\xC5\xBB", true},  // ąż (every other code point)
      {"\xEF\xBD\x81", "\xEF\xBC\xA1", true},          // full-width a, A
      {"stra\xC3\x9F"
       "e",
       "STRASSE", false},                               // ß has no one-letter capital
      {"\xE5\xAE\x8F", "\xE5\xAE\x8F", true},           // 宏: no case at all
      {"\xF0\x90\x90\xA8", "\xF0\x90\x90\x80", false},  // Deseret, beyond the BMP
      {"a", "ab", false},
      {"ab", "a", false},
      {"", "", true},
      {"\xFF"
       "a",
       "\xFF"
       "A",
       true},  // a stray byte is itself
      {"\xFF", "\xFE", false},
      {"\xC3", "\xC3\xBC", false},  // a cut-off character
  };
  for (const auto& [A, B, Same] : Cases) {
    EXPECT_EQ(SameTextIgnoringCase(A, B), Same) << A << " / " << B;
    EXPECT_EQ(SameTextIgnoringCase(B, A), Same) << B << " / " << A;
  }
}

}  // namespace
}  // namespace nevra
