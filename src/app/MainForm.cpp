#include "app/MainForm.h"

#include <initializer_list>

#include "app/MacroChoices.h"
#include "i18n/Translation.h"
#include "platform/Format.h"
#include "product/AppInfo.h"

namespace nevra {

namespace {
// The countdown's blink: how long the strip's caption stays blank before each number.
constexpr uint32_t kCountdownBlinkMs = 100;
// The largest distance from the main monitor's top-left corner a fixed point may have.
constexpr int32_t kCoordinateLimit = 100000;
}  // namespace

// The window's design: every control with its place in 96-DPI units, relative to its container.
TFrmMain::TFrmMain(TPlatform& APlatform)
    : TForm("FrmMain", 569, 649),
      btnStart(this, this, "btnStart", XYWH(10, 10, 107, 41)),
      btnStop(this, this, "btnStop", XYWH(128, 10, 107, 41)),
      grpTarget(this, this, "grpTarget", XYWH(10, 60, 225, 503)),
      rbCurrentCursorPosition(this, &grpTarget, "rbCurrentCursorPosition", XYWH(12, 24, 200, 19)),
      rbCoordinates(this, &grpTarget, "rbCoordinates", XYWH(12, 52, 200, 19)),
      // The whole virtual desktop: monitors left of or above the main one have negative coordinates.
      edtCoordX(this, &grpTarget, "edtCoordX", XYWH(30, 76, 70, 23), -kCoordinateLimit, kCoordinateLimit),
      lblCoordSeparator(this, &grpTarget, "lblCoordSeparator", XYWH(104, 80, 12, 15)),
      edtCoordY(this, &grpTarget, "edtCoordY", XYWH(118, 76, 70, 23), -kCoordinateLimit, kCoordinateLimit),
      btnPickPoint(this, &grpTarget, "btnPickPoint", XYWH(190, 76, 23, 23)),
      rbMacros(this, &grpTarget, "rbMacros", XYWH(12, 110, 200, 19)),
      // Two rows: the three captions do not fit side by side in every language.
      btnCreateMacros(this, &grpTarget, "btnCreateMacros", XYWH(12, 136, 98, 25)),
      bRemove(this, &grpTarget, "bRemove", XYWH(114, 136, 99, 25)),
      bRename(this, &grpTarget, "bRename", XYWH(12, 165, 201, 25)),
      lbMacros(this, &grpTarget, "lbMacros", XYWH(12, 197, 201, 217)),
      // The sources' entries need the whole width in some languages: their label goes above.
      lblRecordSources(this, &grpTarget, "lblRecordSources", XYWH(12, 422, 201, 15)),
      cbRecordSources(this, &grpTarget, "cbRecordSources", XYWH(12, 439, 201, 23)),
      lblSpeed(this, &grpTarget, "lblSpeed", XYWH(12, 472, 100, 15)),
      cbSpeed(this, &grpTarget, "cbSpeed", XYWH(118, 468, 95, 23)),
      grpInterval(this, this, "grpInterval", XYWH(253, 10, 297, 97)),
      // Each column as wide as its longest caption among the languages needs: seconds and
      // milliseconds take what hours and minutes can spare.
      lblH(this, &grpInterval, "lblH", XYWH(10, 20, 52, 15)),
      seHours(this, &grpInterval, "seHours", XYWH(10, 37, 52, 23), 0, 23),
      lblM(this, &grpInterval, "lblM", XYWH(66, 20, 52, 15)),
      seMinutes(this, &grpInterval, "seMinutes", XYWH(66, 37, 52, 23), 0, 59),
      lblS(this, &grpInterval, "lblS", XYWH(122, 20, 80, 15)),
      seSeconds(this, &grpInterval, "seSeconds", XYWH(122, 37, 80, 23), 0, 59),
      lblMS(this, &grpInterval, "lblMS", XYWH(206, 20, 86, 15)),
      seMillis(this, &grpInterval, "seMillis", XYWH(206, 37, 86, 23), 0, 999),
      chkJitter(this, &grpInterval, "chkJitter", XYWH(10, 68, 226, 19)),
      seJitterMs(this, &grpInterval, "seJitterMs", XYWH(240, 66, 52, 23), 0, 999),
      grpClickType(this, this, "grpClickType", XYWH(253, 120, 297, 131)),
      cbButton(this, &grpClickType, "cbButton", XYWH(10, 24, 136, 23)),
      cbClickType(this, &grpClickType, "cbClickType", XYWH(10, 60, 136, 23)),
      lblHold(this, &grpClickType, "lblHold", XYWH(160, 20, 120, 32), TAlignment::taLeft, true),
      seHoldMs(this, &grpClickType, "seHoldMs", XYWH(160, 60, 90, 23), 0, 10000),
      // The key a run presses when the button list says "Key": the button shows it and, pressed,
      // takes the next key. Wider than the column: a combination's name is long.
      lblKey(this, &grpClickType, "lblKey", XYWH(10, 100, 66, 15)),
      btnKey(this, &grpClickType, "btnKey", XYWH(80, 96, 206, 23)),
      grpDelay(this, this, "grpDelay", XYWH(253, 265, 297, 57)),
      lblDelayMs(this, &grpDelay, "lblDelayMs", XYWH(10, 26, 136, 15)),
      seStartDelaySS(this, &grpDelay, "seStartDelaySS", XYWH(160, 22, 90, 23), 0, 65535),
      grpClicks(this, this, "grpClicks", XYWH(253, 335, 297, 117)),
      rbUntilStopped(this, &grpClicks, "rbUntilStopped", XYWH(10, 24, 276, 19)),
      rbRepeatCount(this, &grpClicks, "rbRepeatCount", XYWH(10, 54, 140, 19)),
      seRepeat(this, &grpClicks, "seRepeat", XYWH(160, 52, 90, 23), 1, 65535),
      // Hours, minutes and seconds of a run for a time, up to 99:59:59, the colons between them.
      rbForTime(this, &grpClicks, "rbForTime", XYWH(10, 84, 136, 19)),
      seForHours(this, &grpClicks, "seForHours", XYWH(150, 82, 42, 23), 0, 99),
      lblForSeparator1(this, &grpClicks, "lblForSeparator1", XYWH(193, 86, 6, 15)),
      seForMinutes(this, &grpClicks, "seForMinutes", XYWH(200, 82, 40, 23), 0, 59),
      lblForSeparator2(this, &grpClicks, "lblForSeparator2", XYWH(241, 86, 6, 15)),
      seForSeconds(this, &grpClicks, "seForSeconds", XYWH(248, 82, 40, 23), 0, 59),
      grpSafety(this, this, "grpSafety", XYWH(253, 464, 297, 97)),
      // Two lines high: the caption wraps in the languages where it is longest.
      chkMinimizeToTrayOnStart(this, &grpSafety, "chkMinimizeToTrayOnStart", XYWH(10, 20, 276, 32)),
      chkTopMost(this, &grpSafety, "chkTopMost", XYWH(10, 60, 276, 19)),
      lblHotkeys(this, this, "lblHotkeys", XYWH(10, 573, 540, 15)),
      btnLang(this, this, "btnLang", XYWH(253, 595, 54, 25)),
      btnHotkeys(this, this, "btnHotkeys", XYWH(313, 595, 116, 25)),
      btnAbout(this, this, "btnAbout", XYWH(435, 595, 119, 25)),
      pnlStatusBar(this, this, "pnlStatusBar", XYWH(0, 626, 569, 23)),
      bvlStatusBar(this, &pnlStatusBar, "bvlStatusBar", XYWH(0, 0, 569, 2)),
      lblStatus(this, &pnlStatusBar, "lblStatus", XYWH(10, 4, 340, 15)),
      lnkWebsite(this, &pnlStatusBar, "lnkWebsite", XYWH(350, 4, 209, 15), TAlignment::taRight),
      trayIcon(this, "trayIcon"),
      PopupMenuLang(this, "PopupMenuLang"),
      FPlatform(APlatform),
      FModes(APlatform.Window, *this, pnlStatusBar, chkTopMost),
      FHotkeys(APlatform.Hotkeys),
      FRun(APlatform.Input, APlatform.KeyInput, APlatform.Clock, APlatform.Timers, APlatform.Pump, APlatform.Random),
      FLibrary(APlatform.Files, APlatform.Background, MacrosFolderPath(APlatform)),
      FRecorder(APlatform.MouseHook, APlatform.KeyboardHook, APlatform.Input, APlatform.Clock, APlatform.Timers,
                APlatform.Locale),
      FPicker(APlatform.MouseHook, APlatform.Hotkeys, APlatform.Dispatcher),
      FKeyCapture(APlatform.KeyboardHook, APlatform.MouseHook, APlatform.Dispatcher),
      FTimeLeftTicker(APlatform.Timers, [this] { ShowTimeLeft(); }) {
  for (const auto& [Control, Text] : Captions()) Control->SetCaption(Text);
  lblCoordSeparator.SetCaption("X");
  lblForSeparator1.SetCaption(":");
  lblForSeparator2.SetCaption(":");
  btnLang.SetCaption("en");
  lnkWebsite.MakeLink();
  lblRecordSources.MakeMnemonic();
  lblSpeed.MakeMnemonic();
  lblKey.MakeMnemonic();

  // Design-time states; the enabling rules keep them consistent from FormCreate on.
  rbCurrentCursorPosition.SetChecked(true);
  btnStop.SetEnabled(false);
  for (TControl* C : std::initializer_list<TControl*>{
           &edtCoordX,        &lblCoordSeparator, &edtCoordY,        &btnCreateMacros, &bRemove,  &bRename,
           &lbMacros,         &lblRecordSources,  &cbRecordSources,  &lblSpeed,        &cbSpeed,  &seJitterMs,
           &lblHold,          &seHoldMs,          &lblKey,           &btnKey,          &seRepeat, &seForHours,
           &lblForSeparator1, &seForMinutes,      &lblForSeparator2, &seForSeconds})
    C->SetEnabled(false);

  btnStart.OnClick = [this] { btnStartClick(); };
  // The user's own choice wins over the one remembered from the last run.
  lbMacros.OnClick = [this] { FPendingSelectedMacroIndex = -1; };
  btnStop.OnClick = [this] { btnStopClick(); };
  // A handler whose control also sets what a click run does.
  const auto ThenRunSettings = [this](void (TFrmMain::*AHandler)()) {
    return [this, AHandler] {
      (this->*AHandler)();
      RunSettingsChanged();
    };
  };
  rbCurrentCursorPosition.OnClick = ThenRunSettings(&TFrmMain::rbCurrentCursorPositionClick);
  rbCoordinates.OnClick = ThenRunSettings(&TFrmMain::rbCoordinatesClick);
  rbMacros.OnClick = [this] { rbMacrosClick(); };
  rbRepeatCount.OnClick = ThenRunSettings(&TFrmMain::rbRepeatCountClick);
  rbUntilStopped.OnClick = ThenRunSettings(&TFrmMain::rbUntilStoppedClick);
  rbForTime.OnClick = ThenRunSettings(&TFrmMain::rbForTimeClick);
  chkJitter.OnClick = ThenRunSettings(&TFrmMain::chkJitterClick);
  cbClickType.OnChange = ThenRunSettings(&TFrmMain::cbClickTypeChange);
  cbButton.OnChange = ThenRunSettings(&TFrmMain::cbButtonChange);
  btnKey.OnClick = [this] { btnKeyClick(); };
  chkTopMost.OnClick = [this] { chkTopMostClick(); };
  chkMinimizeToTrayOnStart.OnClick = [this] { chkMinimizeToTrayOnStartClick(); };
  trayIcon.OnClick = [this] { trayIconClick(); };
  lnkWebsite.OnMouseEnter = [this] { lnkWebsiteMouseEnter(); };
  lnkWebsite.OnMouseLeave = [this] { lnkWebsiteMouseLeave(); };
  lnkWebsite.OnClick = [this] { lnkWebsiteClick(); };
  btnAbout.OnClick = [this] { btnAboutClick(); };
  bRename.OnClick = [this] { bRenameClick(); };
  bRemove.OnClick = [this] { bRemoveClick(); };
  btnCreateMacros.OnClick = [this] { btnCreateMacrosClick(); };
  btnLang.OnClick = [this] { btnLangClick(); };
  btnPickPoint.OnClick = [this] { btnPickPointClick(); };
  btnHotkeys.OnClick = [this] { btnHotkeysClick(); };
  PopupMenuLang.OnItemClick = [this](const TMenuItem& AItem) { MItemClick(AItem); };

  FHotkeys.OnPressed = [this](THotkeyAction AAction) { HotkeyPressed(AAction); };
  FRun.OnDelayOver = [this] { RunDelayOver(); };
  FRun.OnWaitingForKeys = [this] { SetStatus(Translate("Waiting for the hotkey's keys to be released...")); };
  FRun.OnEnded = [this](const TRunEnd& AEnd) { RunEnded(AEnd); };
  // What a click run is set to is read again whenever it changes, and a run under way takes it.
  for (TSpinBox* Box : {&seHours, &seMinutes, &seSeconds, &seMillis, &seJitterMs, &seHoldMs, &seRepeat, &seForHours,
                        &seForMinutes, &seForSeconds, &edtCoordX, &edtCoordY})
    Box->OnChange = [this] { RunSettingsChanged(); };
  FRecorder.OnCountdownTick = [this](int32_t ASecondsLeft) {
    // The blink: a blank caption for a moment, then the number.
    FModes.SetStripCaption("");
    FPlatform.Clock.Sleep(kCountdownBlinkMs);
    FModes.SetStripCaption(Format(Translate("Recording starts in %d ..."), {int64_t{ASecondsLeft}}));
  };
  FPicker.OnMove = [this](TPoint APoint) { PickPointMoved(APoint); };
  FPicker.OnPicked = [this](TPoint APoint) {
    edtCoordX.SetValue(APoint.X);
    edtCoordY.SetValue(APoint.Y);
    rbCoordinates.SetChecked(true);
    EndPick(FStatusBeforePick);
  };
  FPicker.OnCancelled = [this] { EndPick(FStatusBeforePick); };
  FKeyCapture.OnCaptured = [this](TKeyStroke AStroke) { EndKeyCapture(AStroke); };
  FKeyCapture.OnCancelled = [this] { EndKeyCapture(std::nullopt); };
  FRecorder.OnRecordingStarted = [this] {
    FModes.EnterStrip(RecordingCaption());
    SetStatus(Translate("Recording macro..."));
  };
}

TFrmMain::~TFrmMain() = default;

std::vector<std::pair<TControl*, const char*>> TFrmMain::Captions() {
  return {
      {&btnStart, "Start"},
      {&btnStop, "Stop"},
      {&grpTarget, "Target"},
      {&rbCurrentCursorPosition, "Cursor position"},
      {&rbCoordinates, "Coordinates:"},
      {&rbMacros, "Macros:"},
      {&btnCreateMacros, "Create"},
      {&bRemove, "Remove"},
      {&bRename, "Rename"},
      {&lblRecordSources, "&Record:"},
      {&lblSpeed, "S&peed:"},
      {&grpInterval, "Click Interval"},
      {&lblH, "Hours"},
      {&lblM, "Minutes"},
      {&lblS, "Seconds"},
      {&lblMS, "Milliseconds"},
      {&chkJitter, "Jitter +/- (ms)"},
      {&grpClickType, "Click Type"},
      {&lblHold, "Hold time (ms)"},
      {&lblKey, "&Key:"},
      {&grpDelay, "Start Delay"},
      {&lblDelayMs, "Delay (s)"},
      {&grpClicks, "Repeat"},
      {&rbUntilStopped, "Repeat until stopped"},
      {&rbRepeatCount, "Repeat"},
      {&rbForTime, "For (h:m:s)"},
      {&grpSafety, "Additional"},
      {&chkMinimizeToTrayOnStart, "Minimize to tray when starting"},
      {&chkTopMost, "Always on top"},
      {&btnHotkeys, "Hotkeys..."},
      {&btnAbout, "About..."},
  };
}

void TFrmMain::FormCreate() {
  SetCaption(MainWindowCaption(FPlatform.App.Title()));
  lnkWebsite.SetCaption(kWebsiteUrl);
  trayIcon.SetCaption(FPlatform.App.Title());
  // Double-buffered painting is the native view's business: it always paints that way.
  cbButton.SetItems({"Left", "Right", "Middle", "Key"});
  cbClickType.SetItems({"Single", "Double", "Hold"});
  cbRecordSources.SetItems({RecordSourceKeys().begin(), RecordSourceKeys().end()});
  ShowSpeeds();
  for (const TSettingsField& Field : SettingsFields()) Field.Set(Field.Default);
  LoadSettings();
  // A hand-edited file may hold what no hotkey can be; such a hotkey keeps its default.
  const std::vector<THotkeyProblem> Ignored = FHotkeys.FallBackToDefaults();
  const std::vector<THotkeyAction> Refused = FHotkeys.Register();
  FLibrary.OnListed = [this] { MacrosListed(); };
  FLibrary.Load();
  ShowMacroList();
  MacrosListed();
  UpdateHotkeyLabel();
  UpdateLanguageMenu();
  TranslateInterface();
  // Once, where the user looks first: a hotkey that does nothing would fail without a word.
  if (!Ignored.empty())
    SetStatus(IgnoredHotkeyText(Ignored.front()));
  else if (!Refused.empty())
    SetStatus(Format(Translate("Hotkey %s is in use by another program."), {FHotkeys.Text(Refused.front())}));
}

void TFrmMain::FormCloseQuery(bool& ACanClose) {
  if (FRecorder.Recording()) {
    // Closing is never refused: a macro that cannot be saved is reported, and the window still
    // closes.
    FPlatform.Dispatcher.Run([this] { StopRecording(Translate("Recording stopped because application is closing.")); });
  }
  FRun.Stop(TRunEndCause::ecClosing);
  ACanClose = true;
}

void TFrmMain::FormDestroy() {
  FRecorder.Stop();
  FHotkeys.Unregister();
  SaveSettings();
}

void TFrmMain::SetStatus(const std::string& AText) { lblStatus.SetCaption(AText); }

}  // namespace nevra
