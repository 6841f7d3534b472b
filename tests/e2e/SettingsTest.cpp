// Settings changed in the window are written to settings.ini when the program ends and are back
// in the window at the next start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileBytes.h"
#include "ProgramTest.h"
#include "TextFiles.h"

namespace nevra::e2e {
namespace {

enum class TChangeKind { ckType, ckClick, ckPick };

// One change a user makes, and the entry of settings.ini that keeps it.
struct TChange {
  const char* Control;
  TChangeKind How;
  const char* Value;  // typed text, or the index picked; unused for a click
  const char* Section;
  const char* Key;
  const char* Saved;
};

// A control's enabled state after the restart, which the restored choices decide.
struct TEnabledState {
  const char* Control;
  bool Enabled;
};

struct TSettingsCase {
  const char* Name;
  std::vector<TChange> Changes;  // in the order a user makes them: a box is enabled by its choice first
  std::vector<TEnabledState> EnabledAfterRestart;
  bool TopMost;
};

class SettingsSurviveARestart : public TProgramTest, public ::testing::WithParamInterface<TSettingsCase> {
 protected:
  void Apply(const TChange& AChange) const {
    switch (AChange.How) {
      case TChangeKind::ckType: Window().SetText(AChange.Control, AChange.Value); break;
      case TChangeKind::ckClick: Window().Click(AChange.Control); break;
      case TChangeKind::ckPick: Window().Select(AChange.Control, std::stoi(AChange.Value)); break;
    }
  }

  void ExpectRestored(const TChange& AChange) const {
    switch (AChange.How) {
      case TChangeKind::ckType: EXPECT_EQ(Window().Text(AChange.Control), AChange.Value) << AChange.Control; break;
      case TChangeKind::ckClick: EXPECT_TRUE(Window().Checked(AChange.Control)) << AChange.Control << " checked"; break;
      case TChangeKind::ckPick:
        EXPECT_EQ(Window().Selection(AChange.Control), std::stoi(AChange.Value)) << AChange.Control;
        break;
    }
  }

  void ExpectSaved(const char* AWhen) const {
    const std::string Ini = tools::ReadFileBytes(SettingsFile());
    for (const TChange& Change : GetParam().Changes)
      EXPECT_EQ(IniValue(Ini, Change.Section, Change.Key).value_or("(missing)"), Change.Saved)
          << "[" << Change.Section << "] " << Change.Key << " " << AWhen;
  }
};

TEST_P(SettingsSurviveARestart, InTheFileAndInTheWindow) {
  const TSettingsCase& Case = GetParam();
  for (const TChange& Change : Case.Changes) Apply(Change);
  CloseProgram();
  ExpectSaved("after the first run");

  StartProgram();
  for (const TChange& Change : Case.Changes) ExpectRestored(Change);
  for (const TEnabledState& State : Case.EnabledAfterRestart)
    EXPECT_EQ(Window().Enabled(State.Control), State.Enabled) << State.Control << " enabled";
  EXPECT_EQ(Window().TopMost(), Case.TopMost);
  // Saved again unchanged: what the window restored is what the user had set.
  CloseProgram();
  ExpectSaved("after the restart");
}

using enum TChangeKind;

INSTANTIATE_TEST_SUITE_P(
    E2e, SettingsSurviveARestart,
    ::testing::Values(
        TSettingsCase{
            "CoordinatesRightHoldAlwaysOnTop",
            {{"rbCoordinates", ckClick, "", "Target", "mode", "1"},
             {"edtCoordX", ckType, "321", "Coords", "x", "321"},
             {"edtCoordY", ckType, "654", "Coords", "y", "654"},
             {"seHours", ckType, "1", "Interval", "h", "1"},
             {"seMinutes", ckType, "2", "Interval", "m", "2"},
             {"seSeconds", ckType, "3", "Interval", "s", "3"},
             {"seMillis", ckType, "456", "Interval", "ms", "456"},
             {"chkJitter", ckClick, "", "Interval", "jitterEnabled", "1"},
             {"seJitterMs", ckType, "25", "Interval", "jitterMs", "25"},
             {"rbRepeatCount", ckClick, "", "Repeat", "untilStopped", "0"},
             {"seRepeat", ckType, "42", "Repeat", "count", "42"},
             {"cbButton", ckPick, "1", "Click", "button", "1"},
             {"cbClickType", ckPick, "2", "Click", "type", "2"},
             {"seHoldMs", ckType, "250", "Click", "holdMs", "250"},
             {"seStartDelaySS", ckType, "7", "Delay", "startDelayS", "7"},
             {"chkTopMost", ckClick, "", "UI", "topMost", "1"}},
            {{"edtCoordX", true}, {"seJitterMs", true}, {"seRepeat", true}, {"seHoldMs", true}, {"lbMacros", false}},
            true},
        TSettingsCase{"MacrosMiddleDoubleMinimizeToTray",
                      {{"seMillis", ckType, "5", "Interval", "ms", "5"},
                       {"cbButton", ckPick, "2", "Click", "button", "2"},
                       {"cbClickType", ckPick, "1", "Click", "type", "1"},
                       {"seStartDelaySS", ckType, "65535", "Delay", "startDelayS", "65535"},
                       {"chkMinimizeToTrayOnStart", ckClick, "", "UI", "minimizeOnStart", "1"},
                       {"rbMacros", ckClick, "", "Target", "mode", "2"}},
                      {{"seMillis", false},
                       {"cbButton", false},
                       {"edtCoordX", false},
                       {"seRepeat", false},
                       {"lbMacros", true},
                       {"btnCreateMacros", true}},
                      false}),
    [](const ::testing::TestParamInfo<TSettingsCase>& AInfo) { return std::string(AInfo.param.Name); });

}  // namespace
}  // namespace nevra::e2e
