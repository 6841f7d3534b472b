// What a save that was cut short leaves beside the settings and the macros is gone at the next
// start; a user's own files stay, whatever their names look like.
#include "platform/InterruptedSaves.h"

#include <gtest/gtest.h>

#include "support/FormFixture.h"
#include "support/TestPaths.h"

namespace nevra::test {
namespace {

const std::string kFolder = kAppDataFolder;
const std::string kMacros = kMacrosFolder;

TEST(InterruptedSaveNames, OnlyTheSavesOwnShapeNamesATarget) {
  EXPECT_EQ(TemporarySavePath("C:\\A\\settings.ini", 4242, 123456), "C:\\A\\settings.ini.4242.123456.tmp");
  const std::pair<const char*, std::optional<std::string_view>> Cases[] = {
      {"settings.ini.4242.123456.tmp", "settings.ini"},
      {"My macro.nevramac.1.2.TMP", "My macro.nevramac"},
      {"settings.ini.4242.tmp", std::nullopt},
      {"settings.ini.42a.1.tmp", std::nullopt},
      {"settings.ini..1.tmp", std::nullopt},
      {"settings.ini.0.4294967295.tmp", "settings.ini"},
      {"settings.ini.01.2.tmp", std::nullopt},
      {"settings.ini.1.4294967296.tmp", std::nullopt},
      {"settings.ini.+1.2.tmp", std::nullopt},
      {".1.2.tmp", std::nullopt},
      {"notes.tmp", std::nullopt},
      {"settings.ini.1.2.tmp.txt", std::nullopt},
  };
  for (const auto& [Name, Target] : Cases) EXPECT_EQ(SaveTargetOf(Name), Target) << Name;
}

class InterruptedSavesTest : public FormFixture {
 protected:
  void Put(const std::string& AFolder, const std::string& AName) { P.Files.Files[AFolder + "\\" + AName] = "x"; }
  bool Has(const std::string& AFolder, const std::string& AName) const {
    return P.Files.Files.count(AFolder + "\\" + AName) > 0;
  }
};

TEST_F(InterruptedSavesTest, TheNextStartRemovesOurLeftoversAndKeepsEverythingElse) {
  const std::vector<std::pair<std::string, std::string>> Ours{
      {kFolder, "settings.ini.1200.5000.tmp"},
      {kFolder, "SETTINGS.INI.7.8.tmp"},
      {kMacros, "Clicks.nevramac.1200.5001.tmp"},
      {kMacros, "other.NEVRAMAC.3.4.tmp"},
  };
  const std::vector<std::pair<std::string, std::string>> Theirs{
      {kFolder, "notes.tmp"},
      {kFolder, "settings.ini.tmp"},
      {kFolder, "backup.ini.1.2.tmp"},
      {kFolder, "Clicks.nevramac.1.2.tmp"},  // a macro's name, but not in the macro folder
      {kMacros, "settings.ini.1.2.tmp"},
      {kMacros, "draft.nevramac.tmp"},
  };
  for (const auto& [Folder, Name] : Ours) Put(Folder, Name);
  for (const auto& [Folder, Name] : Theirs) Put(Folder, Name);
  P.Files.Files[std::string(kMacros) + "\\Clicks.nevramac"] = "Name=Clicks\r\nDurationMs=0\r\n";
  Create();
  for (const auto& [Folder, Name] : Ours) EXPECT_FALSE(Has(Folder, Name)) << Name;
  for (const auto& [Folder, Name] : Theirs) EXPECT_TRUE(Has(Folder, Name)) << Name;
  EXPECT_EQ(Form->lbMacros.Items(), std::vector<std::string>{"Clicks"});
}

TEST_F(InterruptedSavesTest, AFileThatCannotBeRemovedStaysWithoutAWord) {
  Put(kMacros, "Busy.nevramac.1.2.tmp");
  P.Files.Undeletable.insert(std::string(kMacros) + "\\Busy.nevramac.1.2.tmp");
  Create();
  EXPECT_TRUE(Has(kMacros, "Busy.nevramac.1.2.tmp"));
  EXPECT_TRUE(P.Dialogs.Shown.empty());
  EXPECT_EQ(Status(), "Ready");
}

}  // namespace
}  // namespace nevra::test
