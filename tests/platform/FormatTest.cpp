#include "platform/Format.h"

#include <gtest/gtest.h>

namespace nevra {
namespace {

TEST(Format, FillsThePlaceholdersTheProgramUses) {
  EXPECT_EQ(Format("Running... Press %s to stop", {std::string("Shift+Ctrl+X")}),
            "Running... Press Shift+Ctrl+X to stop");
  EXPECT_EQ(Format("Recording starts in %d...", {int64_t{7}}), "Recording starts in 7...");
  EXPECT_EQ(Format("%s (%0.1fs)", {std::string("2026-12-10 09.30.00"), 2.25}), "2026-12-10 09.30.00 (2.3s)");
  EXPECT_EQ(Format("%0.1f", {1.5}, ","), "1,5");
  EXPECT_EQ(Format("%0.1f|%0.1f|%0.1f|%0.2f", {0.0, 0.05, -0.25, 12.0}), "0.0|0.1|-0.3|12.00");
  EXPECT_EQ(Format("100%% %s", {std::string("done")}), "100% done");
  EXPECT_EQ(Format("no placeholder", {std::string("ignored")}), "no placeholder");
}

TEST(Format, AMismatchedTemplateRaisesInsteadOfReadingGarbage) {
  const std::string Text("x");
  EXPECT_THROW(Format("%d", {Text}), EFormatError);
  EXPECT_THROW(Format("%s", {int64_t{1}}), EFormatError);
  EXPECT_THROW(Format("%s %s", {Text}), EFormatError);
  EXPECT_THROW(Format("%x", {Text}), EFormatError);
  EXPECT_THROW(Format("trailing %", {Text}), EFormatError);
  EXPECT_THROW(Format("%0.99f", {1.0}), EFormatError);
}

}  // namespace
}  // namespace nevra
