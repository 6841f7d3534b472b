#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/CommandLine.h"
#include "app/WindowModes.h"
#include "engine/GlobalHotkeys.h"
#include "engine/KeyCapture.h"
#include "engine/PointPicker.h"
#include "macros/MacroLibrary.h"
#include "macros/MacroRecorder.h"
#include "platform/Platform.h"
#include "platform/controls/Control.h"
#include "platform/controls/StdControls.h"
#include "platform/controls/Timer.h"
#include "run/Run.h"

namespace nevra {

// Where the program keeps its files: %APPDATA%\<title>\settings.ini (beside the program when
// there is no APPDATA) and the Macros folder beside it. The folder is made when missing.
std::string SettingsFilePath(TPlatform& APlatform);
std::string MacrosFolderPath(TPlatform& APlatform);

// The entries of the button list, in the order settings.ini numbers them: the three mouse
// buttons, then a key.
inline constexpr int32_t kButtonKeyIndex = 3;
// The key a run presses before the user chooses one: Space.
inline constexpr TKeyStroke kDefaultClickKey{0x20, 0};

// The target of a run, in the order settings.ini numbers it.
enum TTargetMode : int32_t { tmCursor = 0, tmCoordinates = 1, tmMacros = 2 };

// One entry of settings.ini: where it stands, what it is before any file is read, and how it
// reads from and writes to the window.
struct TSettingsField {
  const char* Section;
  const char* Key;
  int32_t Default;
  std::function<int32_t()> Get;
  std::function<void(int32_t)> Set;
};

// The main window: its controls and their layout, and the handlers that read the controls into
// plain values and hand them to the subsystems that do the work (the click run, the hotkeys, the
// macro library, recorder and player, the window modes). Its members are defined in src/app, one
// file per concern.
class TFrmMain : public TForm {
 public:
  explicit TFrmMain(TPlatform& APlatform);
  ~TFrmMain() override;

  // Life cycle.
  void FormCreate();
  void FormDestroy();

  // Handlers.
  void btnStartClick();
  void btnStopClick();
  void chkTopMostClick();
  void chkMinimizeToTrayOnStartClick();
  void chkJitterClick();
  void cbClickTypeChange();
  void cbButtonChange();
  void btnKeyClick();
  void rbCurrentCursorPositionClick();
  void rbCoordinatesClick();
  void rbMacrosClick();
  void rbRepeatCountClick();
  void rbUntilStoppedClick();
  void rbForTimeClick();
  void trayIconClick();
  void lnkWebsiteMouseEnter();
  void lnkWebsiteMouseLeave();
  void lnkWebsiteClick();
  void btnAboutClick();
  void bRenameClick();
  void bRemoveClick();
  void btnCreateMacrosClick();
  void btnLangClick();
  void btnPickPointClick();
  void btnHotkeysClick();
  void MItemClick(const TMenuItem& ASender);

  // The run and the recording, for the window's owner and the tests.
  bool Running() const { return FRun.Active(); }
  // The clicks of the last click run, or the passes of the last macro run.
  uint64_t ClicksDone() const { return FRun.Done(); }
  bool RecUiActive() const { return FModes.StripActive(); }
  bool Recording() const { return FRecorder.Recording(); }
  bool WaitingForRecordStart() const { return FRecorder.Waiting(); }
  const THotkeyData& StartHotkey() const { return FHotkeys.Get(THotkeyAction::haStart); }
  const THotkeyData& StopHotkey() const { return FHotkeys.Get(THotkeyAction::haStop); }
  const THotkeyData& StartMacrosHotkey() const { return FHotkeys.Get(THotkeyAction::haStartRecording); }
  const std::vector<std::unique_ptr<TRecordedMacro>>& Macros() const { return FLibrary.Macros(); }
  const TRun& Run() const { return FRun; }
  const TMacroRecorder& Recorder() const { return FRecorder; }
  bool Picking() const { return FPicker.Picking(); }
  bool CapturingKey() const { return FKeyCapture.Capturing(); }
  // The key a run presses when the button list says "Key".
  const TKeyStroke& ClickKey() const { return FClickKey; }
  // Every entry of settings.ini, in the order a save writes them.
  std::vector<TSettingsField> SettingsFields();
  // Does what a command line asks (AFromOtherCopy: handed over by a copy started later) and
  // gives the answer: kExitDone, or kExitNoSuchMacro / kAnswerAmbiguousMacro when /play named no
  // macro or more than one (nothing starts then).
  int FollowCommand(const TCommand& ACommand, bool AFromOtherCopy);

  // Controls, in creation order (containers before what they contain).
  TButton btnStart;
  TButton btnStop;
  TGroupBox grpTarget;
  TRadioButton rbCurrentCursorPosition;
  TRadioButton rbCoordinates;
  TSpinBox edtCoordX;
  TLabel lblCoordSeparator;
  TSpinBox edtCoordY;
  TButton btnPickPoint;
  TRadioButton rbMacros;
  TButton btnCreateMacros;
  TButton bRemove;
  TButton bRename;
  TListBox lbMacros;
  TLabel lblRecordSources;
  TComboBox cbRecordSources;
  TLabel lblSpeed;
  TComboBox cbSpeed;
  TGroupBox grpInterval;
  TLabel lblH;
  TSpinBox seHours;
  TLabel lblM;
  TSpinBox seMinutes;
  TLabel lblS;
  TSpinBox seSeconds;
  TLabel lblMS;
  TSpinBox seMillis;
  TCheckBox chkJitter;
  TSpinBox seJitterMs;
  TGroupBox grpClickType;
  TComboBox cbButton;
  TComboBox cbClickType;
  TLabel lblHold;
  TSpinBox seHoldMs;
  TLabel lblKey;
  TButton btnKey;
  TGroupBox grpDelay;
  TLabel lblDelayMs;
  TSpinBox seStartDelaySS;
  TGroupBox grpClicks;
  TRadioButton rbUntilStopped;
  TRadioButton rbRepeatCount;
  TSpinBox seRepeat;
  TRadioButton rbForTime;
  TSpinBox seForHours;
  TLabel lblForSeparator1;
  TSpinBox seForMinutes;
  TLabel lblForSeparator2;
  TSpinBox seForSeconds;
  TGroupBox grpSafety;
  TCheckBox chkMinimizeToTrayOnStart;
  TCheckBox chkTopMost;
  TLabel lblHotkeys;
  TButton btnLang;
  TButton btnHotkeys;
  TButton btnAbout;
  TPanel pnlStatusBar;
  TBevel bvlStatusBar;
  TLabel lblStatus;
  TLabel lnkWebsite;
  TTrayIcon trayIcon;
  TPopupMenu PopupMenuLang;

 protected:
  void FormCloseQuery(bool& ACanClose) override;

 private:
  // The window's fixed texts in English: the keys of their translations.
  std::vector<std::pair<TControl*, const char*>> Captions();
  void TranslateInterface();
  void UpdateLanguageMenu();
  void UpdateHotkeyLabel();
  void SetStatus(const std::string& AText);

  // The run. A macro run plays the selected macro with the window's repeat, or what a command
  // line asked for.
  struct TMacroRun {
    TRecordedMacro* Macro = nullptr;
    std::optional<uint64_t> Passes;
    // The speed a command line asked for; the window's otherwise.
    std::optional<uint32_t> SpeedPercent;
    // How long it plays, when the window says "For (h:m:s)".
    std::optional<uint32_t> Seconds;
  };
  // The click run the window is set to, and how long it lasts.
  TClickTask ReadClickTask() const;
  TRunLength ReadRunLength() const;
  void RunSettingsChanged();
  // The coordinate boxes hold whole numbers (else a message names the box) and show the values a
  // run uses.
  bool CoordinatesUsable();
  // AInTray: the run hides the window in the tray whatever the window's box says.
  // AByHotkey: the start hotkey's keys are still down, and the run waits until they are up.
  void StartRun(std::optional<TMacroRun> AMacroRun = std::nullopt, bool AInTray = false, bool AByHotkey = false);
  void RunDelayOver();
  void RunEnded(const TRunEnd& AEnd);
  std::string RunEndText(const TRunEnd& AEnd) const;
  void HotkeyPressed(THotkeyAction AAction);
  // The strip's caption during a run, with the time left of a run for a time.
  std::string RunningCaption(std::optional<uint64_t> ALeftMs) const;
  // The tray icon's tip during a run for a time.
  std::string TimeLeftTip(uint64_t ALeftMs) const;
  // A run for a time: the strip and the tray icon's tip show the time left, every second.
  void ShowTimeLeft();
  // The time a run for a time lasts, from the three boxes.
  uint32_t ReadRunSeconds() const;
  // The repeat choice enables the boxes that go with it.
  void RepeatChoiceChanged();

  // The macros.
  TRecordedMacro* GetSelectedMacro() const;
  // What a recording takes in, and the speed a macro plays at, as the two lists are set.
  TRecordSources ReadRecordSources() const;
  uint32_t ReadSpeedPercent() const;
  // The speed list's entries, with the user's decimal separator; the selection stays.
  void ShowSpeeds();
  // The strip's text while recording: it says so when the keyboard is recorded too.
  std::string RecordingCaption() const;
  // The list box shows the library's macros; it keeps no copy of them.
  void ShowMacroList();
  enum class TMacroListChange { mlAdded, mlChanged };
  // Tells the list box the library changed (macros added at the end, or any other change).
  void MacroListChanged(TMacroListChange AChange);
  // Macros have joined the list; once it is whole, the remembered one is selected.
  void MacrosListed();
  void SelectMacro(const TRecordedMacro* AMacro);
  void StopRecording(const std::string& AReason);

  // Picking a point.
  void PickPointMoved(const TPoint& APoint);
  void EndPick(const std::string& AStatus);

  // The key a run presses.
  void SetClickKey(const TKeyStroke& AStroke);
  // The key button shows the key, or asks for one while a capture goes on.
  void ShowClickKey();
  // A capture has ended: with the key taken, or none (cancelled).
  void EndKeyCapture(std::optional<TKeyStroke> AStroke);
  std::string KeyCapturePrompt() const;

  // Settings.
  void LoadSettings();
  void SaveSettings();
  // What the status line says of a hotkey in settings.ini that was not used.
  std::string IgnoredHotkeyText(const THotkeyProblem& AProblem) const;

  // Enabling rules.
  void ApplyTargetMode(TTargetMode AMode);
  TTargetMode GetTargetMode() const;

  TPlatform& FPlatform;
  TWindowModes FModes;
  TGlobalHotkeys FHotkeys;
  TRun FRun;
  TMacroLibrary FLibrary;
  TMacroRecorder FRecorder;
  TPointPicker FPicker;
  TKeyCapture FKeyCapture;
  TKeyStroke FClickKey = kDefaultClickKey;
  TTimer FTimeLeftTicker;

  int32_t FPendingSelectedMacroIndex = -1;
  // What the recording under way takes in.
  TRecordSources FRecordingSources;
  std::string FStatusBeforePick;
  std::string FStatusBeforeKeyCapture;
};

}  // namespace nevra
