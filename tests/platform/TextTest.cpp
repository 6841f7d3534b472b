// Line breaking, as every reader of the program's text files uses it, and the UTF-8 check of
// text from outside.
#include "platform/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace nevra
