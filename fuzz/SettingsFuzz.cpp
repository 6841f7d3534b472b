// Any bytes as settings.ini when the program starts. What the window promises whatever a hand, a
// tool or a damaged disk put in the file:
// - every spin box shows a whole number within its range, every drop-down list one of its items
//   or none, and one target is chosen;
// - the three hotkeys can be used as they are: each has a key Windows takes and a name, and no
//   two share a combination (what cannot be used falls back to its default);
// - what the program saves reads back as the same window;
// - nothing crashes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Text.h"
#include "platform/fake/FakePlatform.h"
#include "product/AppInfo.h"

namespace {

using namespace nevra;

// The program as it starts with this settings file.
struct TStarted {
  explicit TStarted(const std::string& ASettings) {
    Platform.App.SetTitle(kApplicationTitle);
    Platform.Files.Files[Path()] = ASettings;
    Form = std::make_unique<TFrmMain>(Platform.Platform);
    Platform.App.MainForm = Form.get();
    Form->FormCreate();
    Platform.Background.RunAll();
  }
  std::string Path() { return SettingsFilePath(Platform.Platform); }
  std::vector<int32_t> Values() {
    std::vector<int32_t> Values;
    for (const TSettingsField& Field : Form->SettingsFields()) Values.push_back(Field.Get());
    return Values;
  }

  fake::TFakePlatform Platform;
  std::unique_ptr<TFrmMain> Form;
};

void CheckControls(const TFrmMain& AForm) {
  for (const TControl* Control : AForm.Controls()) {
    if (const auto* Spin = dynamic_cast<const TSpinBox*>(Control)) {
      const auto Shown = ParseInt32(Spin->Text());
      if (!Shown || *Shown < Spin->MinValue() || *Shown > Spin->MaxValue()) __builtin_trap();
    } else if (const auto* List = dynamic_cast<const TComboBox*>(Control)) {
      if (List->ItemIndex() < -1 || List->ItemIndex() >= static_cast<int32_t>(List->Items().size())) __builtin_trap();
    }
  }
  if (AForm.rbCurrentCursorPosition.Checked() + AForm.rbCoordinates.Checked() + AForm.rbMacros.Checked() != 1)
    __builtin_trap();
}

void CheckHotkeys(TStarted& AStarted) {
  const TFrmMain& Form = *AStarted.Form;
  const TGlobalHotkeys Judge(AStarted.Platform.Hotkeys);
  if (Judge.Check({Form.StartHotkey(), Form.StopHotkey(), Form.StartMacrosHotkey()})) __builtin_trap();
  // All three registered: none was refused for being another's combination.
  if (AStarted.Platform.Hotkeys.Registered.size() != 3) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  static const bool English = [] {
    GTranslations().Parse("");
    GTranslations().SetCode("en");
    return true;
  }();
  (void)English;
  const std::string Settings(reinterpret_cast<const char*>(AData), ASize);

  TStarted First(Settings);
  CheckControls(*First.Form);
  CheckHotkeys(First);
  const std::vector<int32_t> Shown = First.Values();
  First.Form->FormDestroy();

  TStarted Again(First.Platform.Files.Files[First.Path()]);
  if (Again.Values() != Shown) __builtin_trap();
  return 0;
}
