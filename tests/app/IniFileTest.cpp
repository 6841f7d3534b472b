// The INI text the settings live in, read and written as the Windows profile functions do.
#include "app/IniFile.h"

#include <gtest/gtest.h>

namespace nevra {
namespace {

TEST(IniFile, ReadsNamesWithoutCaseAndValuesTrimmed) {
  const TIniFile Ini(
      "top=1\n[Target]\r\n  Mode = 2  \r\n[interval]\rms=0x58\r\nh=\"7\"\r\nm=' 8'\r\n[target]\r\nmode=9\r\nlast=5");
  EXPECT_EQ(Ini.ReadString("TARGET", "mode"), "2");
  EXPECT_EQ(Ini.ReadInteger("Target", "MODE"), 2) << "the first section of a name is the one used";
  EXPECT_EQ(Ini.ReadInteger("Interval", "ms"), 88);
  EXPECT_EQ(Ini.ReadInteger("Interval", "h"), 7) << "one pair of quotes is stripped";
  EXPECT_EQ(Ini.ReadString("Interval", "m"), " 8");
  EXPECT_EQ(Ini.ReadString("target", "last"), std::nullopt);
  EXPECT_EQ(Ini.ReadString("", "top"), std::nullopt) << "entries before the first section belong to none";
  EXPECT_EQ(Ini.ReadString("Missing", "x"), std::nullopt);
}

TEST(IniFile, IntegersOutsideTheSigned32BitRangeOrMalformedCountAsMissing) {
  struct Case {
    const char* Text;
    std::optional<int32_t> Value;
  };
  const Case Cases[] = {
      {"-1", -1},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"0X1f", 31},
      {"0x7FFFFFFF", 2147483647},
      {"0x80000000", std::nullopt},
      {"0x", std::nullopt},
      {"yes", std::nullopt},
      {"", std::nullopt},
      {"1.5", std::nullopt},
      {"+3", std::nullopt},
      {"12 ", 12},
      {"0x-1", std::nullopt},
  };
  for (const Case& C : Cases) {
    const TIniFile Ini(std::string("[S]\r\nk=") + C.Text + "\r\n");
    EXPECT_EQ(Ini.ReadInteger("S", "k"), C.Value) << C.Text;
  }
}

TEST(IniFile, WritingKeepsEverythingElseWhereItWas) {
  TIniFile Ini(
      "; kept comment\r\n[Target]\r\nMode=1\r\nunknown=keep\r\n\r\n[Other]\n# note\nfoo=bar\n\n[Interval]\r\nh=3");
  Ini.WriteString("target", "mode", "2");    // replaced where it stands, spelling kept
  Ini.WriteString("Target", "added", "5");   // after the section's last line, before the blank
  Ini.WriteString("Interval", "ms", "100");  // a last line without a line break
  Ini.WriteString("Coords", "x", "0");       // a new section at the end
  Ini.WriteString("Coords", "y", "7");
  EXPECT_EQ(
      Ini.Text(),
      "; kept comment\r\n[Target]\r\nMode=2\r\nunknown=keep\r\nadded=5\r\n\r\n[Other]\r\n# note\r\nfoo=bar\r\n\r\n"
      "[Interval]\r\nh=3\r\nms=100\r\n[Coords]\r\nx=0\r\ny=7\r\n");
}

TEST(IniFile, EmptyAndBomFiles) {
  TIniFile Empty("");
  Empty.WriteString("A", "k", "1");
  EXPECT_EQ(Empty.Text(), "[A]\r\nk=1\r\n");
  TIniFile Bom("\xEF\xBB\xBF[A]\r\nk=1\r\n");
  EXPECT_EQ(Bom.ReadInteger("A", "k"), 1);
  Bom.WriteString("A", "k", "2");
  EXPECT_EQ(Bom.Text(), "\xEF\xBB\xBF[A]\r\nk=2\r\n");
}

}  // namespace
}  // namespace nevra
