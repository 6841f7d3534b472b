// The catalogue: choosing the language, reading transl.dt, and the lookup.
#include "i18n/Translation.h"

#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"
#include "product/AppInfo.h"
#include "support/TestPaths.h"

namespace nevra {
namespace {

constexpr const char* kExample =
    "2\r\nEnglish\r\nDeutsch\r\nen\r\nde\r\nStart\r\nStarten\r\nReady\r\nBereit\r\nHours\r\n\r\n";
const std::string kCatalogue = test::kProgramFolder + "\\transl.dt";

class TranslationTest : public ::testing::Test {
 protected:
  TranslationTest() { P.App.SetTitle(kApplicationTitle); }
  void Load() { T.Load(P.Platform, kApplicationTitle); }
  fake::TFakePlatform P;
  TTranslations T;
};

TEST_F(TranslationTest, WithoutACatalogueEverythingStaysEnglish) {
  P.Locale.UILanguage = 0x0407;
  Load();
  EXPECT_EQ(T.Index(), 0);
  EXPECT_EQ(T.Code(), "de");
  EXPECT_EQ(T.Translate("Ready"), "Ready");
  EXPECT_TRUE(T.Languages().empty());
}

TEST_F(TranslationTest, SystemLanguageThenTheStoredChoicePickTheLanguage) {
  P.Files.Files[kCatalogue] = kExample;
  P.Locale.UILanguage = 0x0C07;  // German (Austria): the sublanguage does not matter
  Load();
  EXPECT_EQ(T.Index(), 1);
  EXPECT_EQ(T.Translate("Start"), "Starten");
  EXPECT_EQ(T.Translate("start"), "start") << "case-sensitive";
  EXPECT_EQ(T.Translate("Hours"), "Hours") << "an empty entry falls back";
  EXPECT_EQ(T.Translate("Ready "), "Ready ") << "no trimming";
  EXPECT_EQ(T.Translate("Unknown"), "Unknown");

  P.Locale.UILanguage = 0x0411;  // Japanese, not in the catalogue
  Load();
  EXPECT_EQ(T.Index(), 0);
  EXPECT_EQ(T.Code(), "jp");

  P.Registry.Values[{test::kRegistryKey, "CurrentLanguage"}] = "DE";
  Load();
  EXPECT_EQ(T.Index(), 1);
  EXPECT_EQ(T.Code(), "DE");
}

TEST_F(TranslationTest, SystemLanguageCodes) {
  const std::pair<uint16_t, const char*> Cases[] = {
      {0x0401, "ar"}, {0x0804, "cn"}, {0x0405, "cs"}, {0x0407, "de"}, {0x0408, "el"}, {0x0C0A, "es"},
      {0x040C, "fr"}, {0x040E, "hu"}, {0x0410, "it"}, {0x0411, "jp"}, {0x0412, "kr"}, {0x0413, "nl"},
      {0x0415, "pl"}, {0x0816, "pt"}, {0x041F, "tr"}, {0x0419, "en"}, {0x0409, "en"}, {0, "en"}};
  for (const auto& [Id, Code] : Cases) EXPECT_EQ(LanguageCodeFor(Id), Code) << Id;
}

TEST_F(TranslationTest, RecordsAndBrokenFiles) {
  T.SetCode("de");
  struct Case {
    std::string Text;
    size_t Languages, Records;
    int32_t Index;
  };
  const Case Cases[] = {
      {kExample, 2, 5, 1},
      {std::string(kExample) + "extra", 2, 5, 1},  // an incomplete last record is ignored
      {"\xEF\xBB\xBF" + std::string(kExample), 2, 5, 1},
      {"two\r\nEnglish\r\nDeutsch\r\nen\r\nde", 0, 0, 0},
      {"0\r\nx", 0, 0, 0},
      {"-2\r\nx", 0, 0, 0},
      {"", 0, 0, 0},
      {"2\nEnglish\nDeutsch\nen", 2, 1, 0},  // too short for the second code: the load stops there
  };
  for (const Case& C : Cases) {
    T.Parse(C.Text);
    EXPECT_EQ(T.Languages().size(), C.Languages) << C.Text;
    if (!T.Languages().empty()) {
      EXPECT_EQ(T.Languages()[0].size(), C.Records) << C.Text;
    }
    EXPECT_EQ(T.Index(), C.Index) << C.Text;
  }
}

TEST_F(TranslationTest, FirstOfTwoEqualKeysWinsAndLanguageZeroNeverTranslates) {
  T.SetCode("xx");
  T.Parse("2\nEnglish\nX\nen\nxx\nStart\nOne\nStart\nTwo\nReady\nFertig\n");
  EXPECT_EQ(T.Translate("Start"), "One");
  T.SetIndex(0);
  EXPECT_EQ(T.Translate("Start"), "Start");
}

}  // namespace
}  // namespace nevra
