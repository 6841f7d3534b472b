// Line breaking, as every reader of the program's text files uses it.
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

}  // namespace
}  // namespace nevra
