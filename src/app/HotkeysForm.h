#pragma once
#include <string>
#include <utility>
#include <vector>

#include "engine/GlobalHotkeys.h"
#include "platform/Platform.h"
#include "platform/controls/Control.h"
#include "platform/controls/StdControls.h"

namespace nevra {

// The hotkey dialog: one field per global hotkey, each taking the next combination pressed, and
// Restore defaults. While it is open the hotkeys in force rest, so every field takes every
// combination, and a keyboard hook catches a combination another program holds before that
// program does: the field takes it and the dialog names it at once. OK registers the new set;
// an empty field, two equal combinations, or one another program holds, are named in a message
// and the dialog stays open. Tag() once it has closed: 1 when a new set was taken.
class TfrmHotkeys final : public TForm {
 public:
  TfrmHotkeys(TPlatform& APlatform, TGlobalHotkeys& AHotkeys);
  ~TfrmHotkeys() override;

  TLabel lblStart;
  THotkeyEdit hkStart;
  TLabel lblStop;
  THotkeyEdit hkStop;
  TLabel lblStartRecording;
  THotkeyEdit hkStartRecording;
  TLabel lblHeldElsewhere;
  TButton btnDefaults;
  TButton btnOK;
  TButton btnCancel;

  void btnDefaultsClick();
  void btnOKClick();
  // A key the keyboard hook reports; true takes it from the other programs.
  bool KeyHooked(const TKeyEvent& AEvent);

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  // The fixed texts, in English: as made, and translated whenever the dialog shows.
  std::vector<std::pair<TControl*, const char*>> Captions();
  THotkeyEdit& FieldOf(THotkeyAction AAction);
  void ShowSet(const THotkeySet& AKeys);
  // The hotkeys in force take effect again, and the hook goes.
  void EndCapture();
  // The message that says why the set in the fields was not taken.
  std::string ProblemText(const THotkeyProblem& AProblem, const THotkeySet& AKeys) const;
  // A field's name as its label shows it, without the colon.
  std::string FieldName(THotkeyAction AAction) const;

  TPlatform& FPlatform;
  TGlobalHotkeys& FHotkeys;
};

}  // namespace nevra
