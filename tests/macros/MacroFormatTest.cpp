// The ".nevramac" format: exact bytes written, and how every kind of line is read.
#include <gtest/gtest.h>

#include <string>

#include "macros/MacroModel.h"
#include "platform/fake/FakePlatform.h"
#include "support/MacroFixtures.h"

namespace nevra {
namespace {

using test::ReadMacroFixture;

TRecordedMacro Sample() {
  TRecordedMacro M;
  M.SetName("Open menu");
  M.SetDurationMs(870);
  M.MutableEvents() = {{140, mekMove, 512, 300, -1},
                       {655, mekDown, -1920, -5, 0},
                       {0x80000000u, mekUp, 530, 316, 2},
                       {0xFFFFFFFFu, static_cast<TMacroEventKind>(7), INT32_MIN, INT32_MAX, 1}};
  return M;
}

TEST(MacroFormat, WritesTheExactBytes) {
  EXPECT_EQ(MacroToText(Sample()),
            "\xEF\xBB\xBFName=Open menu\r\nDurationMs=870\r\nE=140|0|512|300|-1\r\nE=655|1|-1920|-5|0\r\n"
            "E=-2147483648|2|530|316|2\r\nE=-1|7|-2147483648|2147483647|1\r\n");
  TRecordedMacro Unnamed;
  EXPECT_EQ(MacroToText(Unnamed),
            "\xEF\xBB\xBF"
            "DurationMs=0\r\n");
}

// A file the program wrote before it knew keys and wheels: moves, presses, releases and a kind
// it never knew (9). It reads as it always did, and is written back byte for byte.
TEST(MacroFormat, AFileWrittenBeforeKeysReadsAndWritesBackAsBefore) {
  const std::string Bytes = ReadMacroFixture("mouse-only.nevramac");
  TRecordedMacro Read;
  MacroFromText(Bytes, Read);
  EXPECT_EQ(Read.Name(), "Written before keys");
  EXPECT_EQ(Read.DurationMs(), 1250u);
  EXPECT_EQ(Read.Events(), (std::vector<TMacroMouseEvent>{{0, mekMove, 640, 360, -1},
                                                          {120, mekMove, 650, 370, -1},
                                                          {300, mekDown, 650, 370, 0},
                                                          {420, mekUp, 650, 370, 0},
                                                          {600, static_cast<TMacroEventKind>(9), 0, 0, 0},
                                                          {800, mekMove, -100, 20, -1},
                                                          {900, mekDown, -100, 20, 1},
                                                          {1250, mekUp, -100, 20, 1}}));
  EXPECT_EQ(MacroToText(Read), Bytes);
}

// Keys, wheels and side buttons are new kinds in the same five fields.
TEST(MacroFormat, KeysWheelsAndSideButtonsRoundTrip) {
  TRecordedMacro M;
  M.SetName("Keys");
  M.SetDurationMs(70);
  M.MutableEvents() = {{10, mekKeyDown, 0x41, 0x1E, 0},
                       {20, mekKeyUp, 0x41, 0x1E, 0},
                       {30, mekKeyDown, 0xA3, 0x1D, 1},
                       {40, mekWheel, -5, 7, -120},
                       {50, mekHWheel, 8, 9, 30},
                       {60, mekDown, 8, 9, 3},
                       {70, mekUp, 8, 9, 4}};
  const std::string Text = MacroToText(M);
  EXPECT_EQ(Text,
            "\xEF\xBB\xBFName=Keys\r\nDurationMs=70\r\nE=10|3|65|30|0\r\nE=20|4|65|30|0\r\nE=30|3|163|29|1\r\n"
            "E=40|5|-5|7|-120\r\nE=50|6|8|9|30\r\nE=60|1|8|9|3\r\nE=70|2|8|9|4\r\n");
  TRecordedMacro Read;
  MacroFromText(Text, Read);
  EXPECT_EQ(Read.Events(), M.Events());
}

TEST(MacroFormat, RoundTripKeepsEveryField) {
  const TRecordedMacro Original = Sample();
  TRecordedMacro Read;
  MacroFromText(MacroToText(Original), Read);
  EXPECT_EQ(Read.Name(), Original.Name());
  EXPECT_EQ(Read.DurationMs(), Original.DurationMs());
  EXPECT_EQ(Read.Events(), Original.Events());
}

// A renamed macro is written from memory, so whatever a file said must survive being written back.
TEST(MacroFormat, ADurationReadsBackAsItWasReadWhateverTheFileSaid) {
  for (const char* Text : {"DurationMs=-5", "DurationMs=2147483648", "DurationMs=$FFFFFFFF", "DurationMs=x80000000",
                           "DurationMs=2147483647"}) {
    TRecordedMacro Read, Again;
    MacroFromText(Text, Read);
    MacroFromText(MacroToText(Read), Again);
    EXPECT_EQ(Again.DurationMs(), Read.DurationMs()) << Text;
  }
}

TEST(MacroFormat, ReadsEveryKindOfLine) {
  struct Case {
    const char* Text;
    std::vector<TMacroMouseEvent> Events;
  };
  const Case Cases[] = {
      {"E=5|1|10|20", {}},  // four fields
      {"E=5|1|10|20|", {{5, mekDown, 10, 20, -1}}},
      {"E=5|1|10|20|0|9", {{5, mekDown, 10, 20, 0}}},
      {"E=x|1|10|20|0", {{0, mekDown, 10, 20, 0}}},
      {"E=5|257|10|20|0", {{5, mekDown, 10, 20, 0}}},
      {"E=5|3|10|20|0", {{5, static_cast<TMacroEventKind>(3), 10, 20, 0}}},
      {"E=-1|-1|10|20|0", {{0xFFFFFFFFu, static_cast<TMacroEventKind>(255), 10, 20, 0}}},
      {"E=$10|x1F|0x7fffffff|0XFFFFFFFF| -3", {{16, static_cast<TMacroEventKind>(31), INT32_MAX, -1, -3}}},
      {"E=2147483648|0|1|1|0", {{0, mekMove, 1, 1, 0}}},   // out of the signed range: default
      {"E=0x123456789|0|1|1|0", {{0, mekMove, 1, 1, 0}}},  // nine hex digits
      {"E=5 |0|1|1|0", {{0, mekMove, 1, 1, 0}}},           // trailing characters
      {"E=||||", {{0, mekMove, 0, 0, -1}}},
      {"E=", {}},
      {"e=5|1|10|20|0", {}},
      {" E=5|1|10|20|0", {}},
  };
  for (const Case& C : Cases) {
    TRecordedMacro M;
    MacroFromText(C.Text, M);
    EXPECT_EQ(M.Events(), C.Events) << C.Text;
  }
}

TEST(MacroFormat, NameAndDurationLines) {
  struct Case {
    const char* Text;
    const char* Name;
    uint32_t Duration;
  };
  const Case Cases[] = {
      {"NAME=Test\r\nname=Second\r\nDURATIONMS=12\r\nDurationMs=13", "Test", 12},
      {"DurationMs=abc", "", 0},
      {"DurationMs=-1", "", 0xFFFFFFFFu},
      {"Name =x\nNamex=y", "", 0},
      {"Name=a=b|c", "a=b|c", 0},
      {"", "", 0},
      {"Name=bad \xFF\xC3 bytes \xE2\x82\xAC ok", "bad \xEF\xBF\xBD\xEF\xBF\xBD bytes \xE2\x82\xAC ok", 0},
  };
  for (const Case& C : Cases) {
    TRecordedMacro M;
    MacroFromText(C.Text, M);
    EXPECT_EQ(M.Name(), C.Name) << C.Text;
    EXPECT_EQ(M.DurationMs(), C.Duration) << C.Text;
  }
}

TEST(MacroFormat, AnyLineBreakStyleAndNoByteOrderMarkReadTheSame) {
  const std::string Lines[] = {"Name=N", "DurationMs=9", "E=1|0|2|3|-1", "E=9|1|2|3|0"};
  TRecordedMacro Reference;
  MacroFromText("\xEF\xBB\xBF" + Lines[0] + "\r\n" + Lines[1] + "\r\n" + Lines[2] + "\r\n" + Lines[3] + "\r\n",
                Reference);
  for (const std::string Break : {"\n", "\r", "\r\n"}) {
    TRecordedMacro M;
    MacroFromText(Lines[0] + Break + Lines[1] + Break + Lines[2] + Break + Lines[3], M);
    EXPECT_EQ(M.Name(), "N");
    EXPECT_EQ(M.DurationMs(), 9u);
    EXPECT_EQ(M.Events(), Reference.Events());
  }
  EXPECT_EQ(Reference.Events().size(), 2u);
}

TEST(MacroFile, SaveSetsTheFileNameOnlyWhenStored) {
  fake::TFakePlatform P;
  P.Files.Folders.insert("C:\\m");
  TRecordedMacro M = Sample();
  M.SaveToFile(P.Files, "C:\\m\\a.nevramac");
  EXPECT_EQ(M.FileName(), "C:\\m\\a.nevramac");
  P.Files.Unwritable.insert("C:\\m\\b.nevramac");
  EXPECT_THROW(M.SaveToFile(P.Files, "C:\\m\\b.nevramac"), EFileError);
  EXPECT_EQ(M.FileName(), "C:\\m\\a.nevramac");

  const auto Loaded = TRecordedMacro::LoadFromFile(P.Files, "C:\\m\\a.nevramac");
  EXPECT_EQ(Loaded->FileName(), "C:\\m\\a.nevramac");
  EXPECT_EQ(Loaded->Events(), M.Events());
  EXPECT_THROW(TRecordedMacro::LoadFromFile(P.Files, "C:\\m\\missing.nevramac"), EFileError);
}

}  // namespace
}  // namespace nevra
