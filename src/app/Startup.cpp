#include "app/Startup.h"

#include <exception>
#include <optional>
#include <variant>

#include "app/CommandLine.h"
#include "app/MainForm.h"
#include "i18n/Translation.h"
#include "platform/Platform.h"
#include "product/AppInfo.h"
#include "update/NewVersionCheck.h"
#include "update/NewVersionForm.h"

namespace nevra {

namespace {

// A later copy: its command line goes to the first copy, whose answer becomes the exit code.
int ForwardToFirstCopy(TPlatform& APlatform, const TCommand& ACommand, const std::vector<std::string>& AArguments) {
  const std::optional<int> Answer = APlatform.Instance.Forward(AArguments);
  // The first copy is ending or not ready: it cannot be asked, and this copy must not start a
  // second window beside it.
  if (!Answer) return kExitDone;
  switch (*Answer) {
    case kExitDone: return kExitDone;
    // The running copy's status line says it; a box here would hold up the script that asked.
    case kExitBusy: return kExitBusy;
    default:
      APlatform.Dialogs.ShowMessage(TMessageKind::mkError, MacroNotFoundText(ACommand, *Answer));
      return kExitNoSuchMacro;
  }
}

}  // namespace

int RunApplication(TPlatform& APlatform, const TUpdateSite& ASite, const std::vector<std::string>& AArguments) {
  APlatform.App.Initialize();
  try {
    APlatform.App.ApplyVisualStyle(kVisualStyleName);
  } catch (const std::exception& E) {
    APlatform.Dialogs.ShowMessage(TMessageKind::mkError, E.what());
  }
  APlatform.App.SetTitle(kApplicationTitle);
  LoadTranslations(APlatform);
  APlatform.Dialogs.SetTranslator([](const std::string& AText) { return Translate(AText); });
  const auto Parsed = ParseCommandLine(AArguments);
  if (const auto* Error = std::get_if<TCommandLineError>(&Parsed)) {
    APlatform.Dialogs.ShowMessage(TMessageKind::mkError, Error->Message + "\r\n\r\n" + CommandLineUsage());
    return kExitBadArguments;
  }
  const TCommand Command = std::get<TCommand>(Parsed);
  if (Command.Action == TCommandAction::caHelp) {
    APlatform.Dialogs.ShowMessage(TMessageKind::mkInformation, CommandLineUsage());
    return kExitDone;
  }
  if (!APlatform.Instance.Claim()) return ForwardToFirstCopy(APlatform, Command, AArguments);

  TUpdateOffer Offer;
  if (CheckNewVersion(APlatform.Http, ASite, Offer)) {
    TfrmNewVersion Dialog(APlatform, ASite, Offer);
    APlatform.App.ShowModal(Dialog);
    // Declined a mandatory update, or the installer is on its way: no main window, nothing
    // loaded, nothing saved.
    if (Dialog.Tag() == 0) return kExitDone;
  }
  TFrmMain FrmMain(APlatform);
  APlatform.App.CreateMainWindow(FrmMain);
  FrmMain.FormCreate();
  bool Destroyed = false;
  const auto Destroy = [&] {
    if (Destroyed) return;
    Destroyed = true;
    APlatform.Instance.SetReceiver(nullptr);
    FrmMain.FormDestroy();
  };
  // Logging off or shutting down ends the program the ordinary way, so the settings are saved
  // then too; Windows may end the process as soon as the handler returns.
  APlatform.App.SetSessionEndHandler([&] {
    FrmMain.CloseQuery();
    Destroy();
  });
  APlatform.Instance.SetReceiver([&FrmMain](const std::vector<std::string>& AForwarded) {
    const auto Forwarded = ParseCommandLine(AForwarded);
    // The later copy checked its command line before it handed it over.
    if (!std::holds_alternative<TCommand>(Forwarded)) return kExitBadArguments;
    return FrmMain.FollowCommand(std::get<TCommand>(Forwarded), true);
  });
  int ExitCode = kExitDone;
  if (const int Answer = FrmMain.FollowCommand(Command, false); Answer != kExitDone) {
    // Nothing was started: say why and end, as a later copy would.
    APlatform.Dialogs.ShowMessage(TMessageKind::mkError, MacroNotFoundText(Command, Answer));
    ExitCode = kExitNoSuchMacro;
    FrmMain.CloseQuery();
  } else {
    APlatform.App.RunMessageLoop();
  }
  Destroy();
  APlatform.App.DestroyMainWindow();
  return ExitCode;
}

}  // namespace nevra
