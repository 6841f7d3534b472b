// settings.ini: our INI code against the system's profile functions. The same writes on the same
// file must give the same bytes, and the same file must read the same.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "FileBytes.h"
#include "TempFolder.h"
#include "app/IniFile.h"
#include "platform/win32/Win32Text.h"

namespace nevra::win32 {
namespace {

using tools::TTempFolder;

struct TIniWrite {
  const char* Section;
  const char* Key;
  const char* Value;
};

// What the program writes on its first run, in its order: 26 entries in 11 sections.
const std::vector<TIniWrite> kFirstRunWrites{
    {"Target", "mode", "0"},
    {"Interval", "h", "0"},
    {"Interval", "m", "0"},
    {"Interval", "s", "0"},
    {"Interval", "ms", "100"},
    {"Interval", "jitterEnabled", "0"},
    {"Interval", "jitterMs", "0"},
    {"Repeat", "untilStopped", "1"},
    {"Repeat", "count", "100"},
    {"Click", "button", "0"},
    {"Click", "type", "0"},
    {"Click", "holdMs", "80"},
    {"UI", "topMost", "0"},
    {"UI", "minimizeOnStart", "0"},
    {"Delay", "startDelayS", "0"},
    {"HotkeyStart", "vk", "83"},
    {"HotkeyStart", "mod", "6"},
    {"HotkeyStop", "vk", "88"},
    {"HotkeyStop", "mod", "6"},
    {"HotkeyStartMacros", "vk", "82"},
    {"HotkeyStartMacros", "mod", "6"},
    {"Coords", "x", "0"},
    {"Coords", "y", "0"},
    {"Macros", "selected", "-1"},
    {"Macros", "recordWhat", "0"},
    {"Macros", "playbackSpeedPercent", "100"},
};

const std::string kFirstRunMiddle =
    "[Interval]\r\nh=0\r\nm=0\r\ns=0\r\nms=100\r\njitterEnabled=0\r\njitterMs=0\r\n"
    "[Repeat]\r\nuntilStopped=1\r\ncount=100\r\n"
    "[Click]\r\nbutton=0\r\ntype=0\r\nholdMs=80\r\n"
    "[UI]\r\ntopMost=0\r\nminimizeOnStart=0\r\n"
    "[Delay]\r\nstartDelayS=0\r\n"
    "[HotkeyStart]\r\nvk=83\r\nmod=6\r\n"
    "[HotkeyStop]\r\nvk=88\r\nmod=6\r\n"
    "[HotkeyStartMacros]\r\nvk=82\r\nmod=6\r\n"
    "[Coords]\r\nx=0\r\ny=0\r\n";

// The writes through WritePrivateProfileStringW; the file's bytes afterwards.
std::string WriteWithProfileFunctions(const std::filesystem::path& AFile, const std::optional<std::string>& AInitial,
                                      const std::vector<TIniWrite>& AWrites) {
  if (AInitial) tools::WriteFileBytes(AFile, *AInitial);
  for (const TIniWrite& Write : AWrites)
    EXPECT_TRUE(WritePrivateProfileStringW(Widen(Write.Section).c_str(), Widen(Write.Key).c_str(),
                                           Widen(Write.Value).c_str(), AFile.c_str()))
        << Write.Section << "/" << Write.Key;
  // Hands any cached copy to the disk and forgets it.
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, AFile.c_str());
  return tools::ReadFileBytes(AFile);
}

// The same through our INI code, as the settings store saves: read, write each entry, store Text().
std::string WriteWithIniFile(const std::optional<std::string>& AInitial, const std::vector<TIniWrite>& AWrites) {
  TIniFile Ini(AInitial.value_or(""));
  for (const TIniWrite& Write : AWrites) Ini.WriteString(Write.Section, Write.Key, Write.Value);
  return Ini.Text();
}

struct TWriteCase {
  const char* Name;
  std::optional<std::string> Initial;  // nothing: the file does not exist
  std::vector<TIniWrite> Writes;
  std::string Expected;
};
void PrintTo(const TWriteCase& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

class IniWritesMatchTheProfileFunctions : public ::testing::TestWithParam<TWriteCase> {
 protected:
  TTempFolder Folder;
};

TEST_P(IniWritesMatchTheProfileFunctions, ByteForByte) {
  const TWriteCase& Case = GetParam();
  const std::string System = WriteWithProfileFunctions(Folder / L"settings.ini", Case.Initial, Case.Writes);
  const std::string Ours = WriteWithIniFile(Case.Initial, Case.Writes);
  EXPECT_EQ(Ours, System);
  EXPECT_EQ(Ours, Case.Expected);
}

// Files without blank lines or padded entries: the profile functions of Windows and of Wine then
// agree (see WineNormalisesTheLinesItRewrites for the rest).
INSTANTIATE_TEST_SUITE_P(
    Cases, IniWritesMatchTheProfileFunctions,
    ::testing::Values(
        TWriteCase{"MissingFile",
                   std::nullopt,
                   {{"A", "k", "1"}, {"A", "j", "2"}, {"B", "x", "y"}},
                   "[A]\r\nk=1\r\nj=2\r\n[B]\r\nx=y\r\n"},
        TWriteCase{"EmptyFile", "", {{"A", "k", "1"}, {"B", "x", "a=b"}}, "[A]\r\nk=1\r\n[B]\r\nx=a=b\r\n"},
        TWriteCase{"KeyReplacedWhereItStandsKeepingTheFilesSpelling",
                   "[Target]\r\nMode=0\r\nother=5\r\n",
                   {{"target", "MODE", "3"}},
                   "[Target]\r\nMode=3\r\nother=5\r\n"},
        TWriteCase{"NewKeyAtTheEndOfItsSection",
                   "[A]\r\na=1\r\n[B]\r\nb=1\r\n",
                   {{"a", "c", "2"}},
                   "[A]\r\na=1\r\nc=2\r\n[B]\r\nb=1\r\n"},
        TWriteCase{"NewKeyAfterACommentAndAnUnknownLine",
                   "; my notes\r\n[A]\r\na=1\r\njunk\r\n;end of A\r\n[B]\r\nb=1\r\n",
                   {{"A", "c", "2"}, {"A", "junk", "3"}},
                   "; my notes\r\n[A]\r\na=1\r\njunk=3\r\n;end of A\r\nc=2\r\n[B]\r\nb=1\r\n"},
        TWriteCase{"NewSectionAtTheEnd", "[A]\r\na=1\r\n", {{"C", "c", "3"}}, "[A]\r\na=1\r\n[C]\r\nc=3\r\n"},
        TWriteCase{"LastLineWithoutLineBreakGetsOne", "[A]\r\na=1", {{"A", "b", "2"}}, "[A]\r\na=1\r\nb=2\r\n"},
        TWriteCase{"LastLineWithoutLineBreakReplaced", "[A]\r\na=1", {{"A", "a", "5"}}, "[A]\r\na=5\r\n"},
        TWriteCase{"LfLineBreaksBecomeCrLf", "[A]\na=1\n[B]\nb=1\n", {{"B", "b", "2"}}, "[A]\r\na=1\r\n[B]\r\nb=2\r\n"},
        TWriteCase{"FirstOfTwoSectionsOfTheSameNameIsUsed",
                   "[ui]\r\nx=1\r\n[UI]\r\ny=2\r\n",
                   {{"UI", "y", "3"}, {"Ui", "x", "4"}},
                   "[ui]\r\nx=4\r\ny=3\r\n[UI]\r\ny=2\r\n"},
        TWriteCase{"FirstRunOfTheSettingsStore", std::nullopt, kFirstRunWrites,
                   "[Target]\r\nmode=0\r\n" + kFirstRunMiddle +
                       "[Macros]\r\nselected=-1\r\nrecordWhat=0\r\nplaybackSpeedPercent=100\r\n"},
        TWriteCase{"SettingsStoreOverAUsersFile",
                   "[Macros]\r\nselected=2\r\n;picked by hand\r\n[Mine]\r\na=b\r\n[target]\r\nMODE=1\r\n",
                   kFirstRunWrites,
                   "[Macros]\r\nselected=-1\r\n;picked by "
                   "hand\r\nrecordWhat=0\r\nplaybackSpeedPercent=100\r\n[Mine]\r\na=b\r\n"
                   "[target]\r\nMODE=0\r\n" +
                       kFirstRunMiddle}),
    [](const ::testing::TestParamInfo<TWriteCase>& AInfo) { return std::string(AInfo.param.Name); });

// Wine's profile functions rebuild the whole file from what they parsed: blank lines go, and the
// blanks around keys and values are trimmed. Windows rewrites only the line it changes, and so
// does our code, so a user's layout and comments survive a save. Should this test start
// failing, Wine has moved towards Windows; the comparison above can then take such files too.
TEST(IniWritesUnderWine, WineNormalisesTheLinesItRewrites) {
  TTempFolder Folder;
  const std::string Initial = "; notes\r\n\r\n[A]\r\n  a = 1  \r\n\r\n[B]\r\nb=2\r\n";
  const std::vector<TIniWrite> Writes{{"B", "c", "3"}};
  EXPECT_EQ(WriteWithIniFile(Initial, Writes), "; notes\r\n\r\n[A]\r\n  a = 1  \r\n\r\n[B]\r\nb=2\r\nc=3\r\n");
  EXPECT_EQ(WriteWithProfileFunctions(Folder / L"settings.ini", Initial, Writes),
            "; notes\r\n[A]\r\na=1\r\n[B]\r\nb=2\r\nc=3\r\n");
}

// One file, read through both; every entry below is looked up in it.
const std::string kReadFile =
    "[Values]\r\n"
    "plain=abc\r\n"
    "padded=   a b   \r\n"
    "  spacedKey  =  v  \r\n"
    "dq=\"  in quotes  \"\r\n"
    "sq='single'\r\n"
    "paddedQuotes=  \"q\"  \r\n"
    "mixed=\"half'\r\n"
    "lone=\"\r\n"
    "empty=\r\n"
    "eq=a=b\r\n"
    "first=1\r\n"
    "first=2\r\n"
    "int=42\r\n"
    "neg= -7 \r\n"
    "hex=0x58\r\n"
    "quotedInt=\"12\"\r\n"
    "max=2147483647\r\n"
    "min=-2147483648\r\n"
    "upperHex=0X1f\r\n"
    "trailing=12abc\r\n"
    "tooBig=4294967296\r\n"
    "[values]\r\n"
    "onlyInSecond=x\r\n";

struct TReadCase {
  const char* Section;
  const char* Key;
  std::optional<std::string> Expected;  // nothing: missing
};

class IniReadsMatchTheProfileFunctions : public ::testing::Test {
 protected:
  void SetUp() override { tools::WriteFileBytes(File, kReadFile); }
  TTempFolder Folder;
  const std::filesystem::path File = Folder / L"read.ini";
  const TIniFile Ini{kReadFile};
};

TEST_F(IniReadsMatchTheProfileFunctions, Strings) {
  const std::vector<TReadCase> Cases{
      {"Values", "plain", "abc"},
      {"VALUES", "PLAIN", "abc"},
      {"Values", "padded", "a b"},
      {"Values", "spacedKey", "v"},
      {"Values", "dq", "  in quotes  "},
      {"Values", "sq", "single"},
      {"Values", "paddedQuotes", "q"},
      {"Values", "mixed", "\"half'"},
      {"Values", "lone", "\""},
      {"Values", "empty", ""},
      {"Values", "eq", "a=b"},
      {"Values", "first", "1"},
      {"Values", "onlyInSecond", std::nullopt},
      {"Values", "missing", std::nullopt},
      {"Nowhere", "plain", std::nullopt},
  };
  const std::wstring Missing = L"\x1<missing>";
  for (const TReadCase& Case : Cases) {
    wchar_t Buffer[256] = {};
    GetPrivateProfileStringW(Widen(Case.Section).c_str(), Widen(Case.Key).c_str(), Missing.c_str(), Buffer, 256,
                             File.c_str());
    const std::optional<std::string> System =
        Buffer == Missing ? std::nullopt : std::optional<std::string>(Narrow(Buffer));
    EXPECT_EQ(System, Case.Expected) << "profile functions, " << Case.Section << "/" << Case.Key;
    EXPECT_EQ(Ini.ReadString(Case.Section, Case.Key), Case.Expected) << "TIniFile, " << Case.Section << "/" << Case.Key;
  }
}

struct TIntegerCase {
  const char* Key;
  std::optional<int32_t> Ours;  // nothing: missing, the setting keeps its default
  UINT System;                  // GetPrivateProfileIntW with the default kDefault
};

TEST_F(IniReadsMatchTheProfileFunctions, Integers) {
  constexpr INT kDefault = -999;
  const std::vector<TIntegerCase> Cases{
      {"int", 42, 42},
      {"neg", -7, static_cast<UINT>(-7)},
      {"hex", 88, 88},
      {"quotedInt", 12, 12},
      {"max", INT32_MAX, static_cast<UINT>(INT32_MAX)},
      {"min", INT32_MIN, static_cast<UINT>(INT32_MIN)},
      {"empty", std::nullopt, static_cast<UINT>(kDefault)},
      {"missing", std::nullopt, static_cast<UINT>(kDefault)},
      // Deliberately stricter or wider than GetPrivateProfileIntW, which reads up to the first
      // character it cannot use, knows only a lower-case "0x" and lets large numbers wrap: a
      // setting that is not a whole 32-bit number keeps its default, and "0X" is hexadecimal too.
      {"upperHex", 31, 0},
      {"trailing", std::nullopt, 12},
      {"tooBig", std::nullopt, 0},
  };
  for (const TIntegerCase& Case : Cases) {
    EXPECT_EQ(GetPrivateProfileIntW(L"values", Widen(Case.Key).c_str(), kDefault, File.c_str()), Case.System)
        << "profile functions, " << Case.Key;
    EXPECT_EQ(Ini.ReadInteger("values", Case.Key), Case.Ours) << "TIniFile, " << Case.Key;
  }
}

}  // namespace
}  // namespace nevra::win32
