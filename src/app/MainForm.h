#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/HotkeyData.h"
#include "macros/MacroModel.h"
#include "platform/Geometry.h"
#include "platform/Platform.h"
#include "platform/controls/Control.h"
#include "platform/controls/StdControls.h"
#include "platform/controls/Timer.h"

namespace nevra {

// The main window: owns every control and the state of the click engine. Its methods are
// defined beside the subsystem they belong to (src/app, src/engine, ...).
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
  void TimerClickTimer();
  void TimerDelayTimer();
  void chkTopMostClick();
  void chkMinimizeToTrayOnStartClick();
  void chkJitterClick();
  void cbClickTypeChange();
  void rbCurrentCursorPositionClick();
  void rbCoordinatesClick();
  void rbMacrosClick();
  void rbRepeatCountClick();
  void rbUntilStoppedClick();
  void TrayIcon1Click();
  void lnkWebsiteMouseEnter();
  void lnkWebsiteMouseLeave();
  void lnkWebsiteClick();
  void btnAboutClick();
  void bRenameClick();
  void bRemoveClick();
  void btnCreateMacrosClick();
  void UpdateLanguageMenu();
  void TranslateInterface();
  void btnLangClick();
  void MItemClick(const TMenuItem& ASender);
  void CountdownTimerTick();
  // One mouse message seen by the low-level hook while recording.
  void RecordMouseEvent(TMacroEventKind AKind, int32_t AX, int32_t AY, int32_t AButton);

  // Read-only views of the run state, for the window's owner and the tests.
  bool Running() const { return FRunning; }
  uint64_t ClicksDone() const { return FClicksDone; }
  bool RecUiActive() const { return FRecUiActive; }
  bool Recording() const { return FRecording; }
  bool WaitingForRecordStart() const { return FWaitingForRecordStart; }
  const THotkeyData& StartHotkey() const { return FStartHK; }
  const THotkeyData& StopHotkey() const { return FStopHK; }
  const THotkeyData& StartMacrosHotkey() const { return FStartMacrosHK; }
  const std::vector<std::unique_ptr<TRecordedMacro>>& Macros() const { return FMacros; }

  // Controls, in creation order (containers before what they contain).
  TButton btnStart;
  TButton btnStop;
  TGroupBox grpTarget;
  TRadioButton rbCurrentCursorPosition;
  TRadioButton rbCoordinates;
  TSpinBox edtCoordX;
  TLabel lblCoordSeparator;
  TSpinBox edtCoordY;
  TRadioButton rbMacros;
  TButton btnCreateMacros;
  TButton bRemove;
  TButton bRename;
  TListBox lbMacros;
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
  TGroupBox grpDelay;
  TLabel lblDelayMs;
  TSpinBox seStartDelaySS;
  TGroupBox grpClicks;
  TRadioButton rbUntilStopped;
  TRadioButton rbRepeatCount;
  TSpinBox seRepeat;
  TGroupBox grpSafety;
  TCheckBox chkMinimizeToTrayOnStart;
  TCheckBox chkTopMost;
  TLabel lblHotkeys;
  TButton btnLang;
  TButton btnAbout;
  TPanel pnlStatusBar;
  TBevel bvlStatusBar;
  TLabel lblStatus;
  TLabel lnkWebsite;
  TTrayIcon TrayIcon1;
  TPopupMenu PopupMenuLang;
  TTimer TimerClick;
  TTimer TimerDelay;
  TTimer FCountdownTimer;

 protected:
  void FormCloseQuery(bool& ACanClose) override;

 private:
  // Run controller.
  int32_t GetIntervalMs();
  void ScheduleNextClick();
  void StartRun();
  void StopRun(const std::string& AMessage);

  // Global hotkeys.
  void RegisterHotkeys();
  void UnregisterHotkeys();
  void UpdateHotkeyLabel();
  void StartHotkeyPressed();
  void StopHotkeyPressed();
  void StartMacrosHotkeyPressed();

  // Settings store.
  std::string GetSettingsFileName();
  void LoadSettings();
  void SaveSettings();
  int32_t GetTargetMode();

  // Mouse input synthesis.
  void MoveMouseTo(int32_t AX, int32_t AY);
  void MouseButtonDown(int32_t AButton);
  void MouseButtonUp(int32_t AButton);
  void MouseClick(int32_t AButton);
  void MouseDoubleClick(int32_t AButton);
  TPoint GetTargetPoint();
  void PerformClick(const TPoint& APoint);

  // Window modes.
  void HideToTray();
  void RestoreFromTray();
  void EnterRecUiMode(const std::string& ACaption);
  void SetRecUiCaption(const std::string& AText);
  void LeaveRecUiMode();

  // Macro recorder.
  void BeginRecordCountdown();
  void StartRecording();
  void InstallMouseHook();
  void RemoveMouseHook();
  void StopRecording(const std::string& AReason);
  std::string FreeMacroFileName(const std::string& AStamp);

  // Macro library and player.
  std::string GetMacrosFolder();
  void LoadMacros();
  void RefreshMacroList();
  void SelectMacroNamed(const std::string& AName);
  TRecordedMacro* GetSelectedMacro();
  void PlaySelectedMacro();
  void RunMacroPlayback();

  // Enabling rules.
  void ApplyTargetMode(int32_t AMode);

  std::string HotkeyToText(uint32_t AVk, uint32_t AModifiers);
  void SetStatus(const std::string& AText);

  TPlatform& FPlatform;

  bool FRunning = false;
  uint64_t FClicksDone = 0;
  int32_t FStartHotkeyID = 0;
  int32_t FStpHotkeyID = 0;
  int32_t FStartMacrosHotkeyID = 0;
  THotkeyData FStartHK;
  THotkeyData FStopHK;
  THotkeyData FStartMacrosHK;
  std::vector<std::unique_ptr<TRecordedMacro>> FMacros;
  bool FRecording = false;
  bool FWaitingForRecordStart = false;
  uint32_t FRecordingStartTick = 0;
  uint32_t FLastRecordTick = 0;
  std::vector<TMacroMouseEvent> FRecordedEvents;
  int32_t FCountdownValue = 0;
  bool FStopPlaybackRequested = false;
  int32_t FPendingSelectedMacroIndex = -1;
  TPoint FLastRecordedPoint;
  bool FHasLastRecordedPoint = false;
  TRect FRecUiSavedBounds;
  std::string FRecUiSavedCaption;
  bool FRecUiSavedTopMost = false;
  bool FRecUiActive = false;
};

}  // namespace nevra
