#pragma once
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/fake/FakePlatform.h"
#include "product/AppInfo.h"
#include "support/TestPaths.h"

namespace nevra::test {

// A main window made and set up as at start-up, on the fake platform, shown.
class FormFixture : public ::testing::Test {
 protected:
  FormFixture() {
    // The catalogue is process-wide: every test starts in English with no catalogue.
    GTranslations().Parse("");
    GTranslations().SetCode("en");
    P.App.SetTitle(kApplicationTitle);
    P.Window.Visible = true;
    Create();
  }

  // Ends the program the ordinary way (FormDestroy saves the settings) and starts it again.
  void Restart() {
    Form->FormDestroy();
    Create();
  }

  // Starts the program again with this settings file.
  void StartWith(const std::string& AIni) {
    P.Files.Files[kSettingsPath] = AIni;
    Create();
  }
  // settings.ini as the program last wrote it.
  std::string Saved() { return P.Files.Files[kSettingsPath]; }

  void Create() {
    Form.reset();
    Form = std::make_unique<TFrmMain>(P.Platform);
    P.App.MainForm = Form.get();
    Form->FormCreate();
    // The macro names are read in the background, here right after start unless a test holds it.
    if (ReadMacroNamesAtStart) P.Background.RunAll();
    P.App.Calls.clear();
  }

  // The press/release records sent so far, as "D0"/"U0" (button index from the flags), moves as "M".
  std::vector<std::string> Events() const;
  // Virtual times of the button presses sent so far.
  std::vector<uint64_t> PressTimes() const;
  // A user's click: it reaches the handler through the dispatcher, as the window delivers it.
  void UserClick(TButton& AButton) {
    P.Dispatcher.Run([&] { AButton.Click(); });
  }
  std::string Status() const { return Form->lblStatus.Caption(); }

  fake::TFakePlatform P;
  std::unique_ptr<TFrmMain> Form;
  bool ReadMacroNamesAtStart = true;
};

}  // namespace nevra::test
