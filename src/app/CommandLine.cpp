#include "app/CommandLine.h"

#include "app/MacroChoices.h"
#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/Text.h"

namespace nevra {

namespace {

// The greatest /repeat, as the window's repeat box allows.
constexpr int32_t kMostPasses = 65535;

// The option's name without its "/" or "--", in small letters; nothing for an argument that is
// not an option.
std::optional<std::string> OptionName(const std::string& AArgument) {
  if (AArgument.size() > 2 && AArgument.compare(0, 2, "--") == 0) return LowerAscii(AArgument.substr(2));
  if (AArgument.size() > 1 && AArgument[0] == '/') return LowerAscii(AArgument.substr(1));
  return std::nullopt;
}

TCommandLineError Error(const std::string& ATemplate, const std::string& AValue) {
  return {Format(ATemplate, {AValue})};
}

struct TActionOption {
  const char* Name;
  TCommandAction Action;
};
constexpr TActionOption kActions[] = {
    {"start", TCommandAction::caStart}, {"stop", TCommandAction::caStop},     {"toggle", TCommandAction::caToggle},
    {"play", TCommandAction::caPlay},   {"record", TCommandAction::caRecord}, {"help", TCommandAction::caHelp},
    {"?", TCommandAction::caHelp},
};

}  // namespace

std::string OptionOf(TCommandAction AAction) {
  for (const TActionOption& Option : kActions)
    if (Option.Action == AAction) return std::string("/") + Option.Name;
  return std::string();
}

std::variant<TCommand, TCommandLineError> ParseCommandLine(const std::vector<std::string>& AArguments) {
  TCommand Command;
  std::vector<std::string> ActionsGiven;   // as written, for a message about too many
  std::optional<std::string> PassOption;   // /repeat or /until-stopped, as written
  std::optional<std::string> SpeedOption;  // /speed, as written
  for (size_t I = 0; I < AArguments.size(); ++I) {
    const std::string& Argument = AArguments[I];
    const auto Name = OptionName(Argument);
    if (!Name) return Error(Translate("Unknown option: %s"), Argument);
    if (*Name == "minimized") {
      Command.Minimized = true;
      continue;
    }
    if (*Name == "until-stopped" || *Name == "repeat") {
      if (PassOption)
        return Error(Translate("These options cannot be used together: %s"), *PassOption + ", " + Argument);
      PassOption = Argument;
      if (*Name == "until-stopped") continue;
      if (I + 1 == AArguments.size()) return Error(Translate("The option %s needs a value."), Argument);
      const std::string& Count = AArguments[++I];
      const auto Passes = ParseInt32(Count);
      if (!Passes || *Passes < 1 || *Passes > kMostPasses)
        return Error(Translate("/repeat needs a whole number from 1 to 65535, not \"%s\"."), Count);
      Command.Passes = static_cast<uint32_t>(*Passes);
      continue;
    }
    if (*Name == "speed") {
      if (SpeedOption)
        return Error(Translate("These options cannot be used together: %s"), *SpeedOption + ", " + Argument);
      SpeedOption = Argument;
      if (I + 1 == AArguments.size()) return Error(Translate("The option %s needs a value."), Argument);
      const std::string& Percent = AArguments[++I];
      const auto Speed = ParseInt32(Percent);
      if (!Speed || !PlayableSpeed(*Speed))
        return Error(Translate("/speed needs a whole number from 25 to 1000 (percent), not \"%s\"."), Percent);
      Command.SpeedPercent = static_cast<uint32_t>(*Speed);
      continue;
    }
    const TActionOption* Found = nullptr;
    for (const TActionOption& Option : kActions)
      if (*Name == Option.Name) Found = &Option;
    if (Found == nullptr) return Error(Translate("Unknown option: %s"), Argument);
    ActionsGiven.push_back(Argument);
    Command.Action = Found->Action;
    if (Found->Action == TCommandAction::caPlay) {
      if (I + 1 == AArguments.size()) return Error(Translate("The option %s needs a value."), Argument);
      Command.MacroName = AArguments[++I];
    }
  }
  // Help answers whatever else is there.
  for (const std::string& Given : ActionsGiven)
    if (OptionName(Given) == "help" || OptionName(Given) == "?")
      return TCommand{TCommandAction::caHelp, {}, {}, false, {}};
  if (ActionsGiven.size() > 1) {
    std::string Listed = ActionsGiven.front();
    for (size_t I = 1; I < ActionsGiven.size(); ++I) Listed += ", " + ActionsGiven[I];
    return Error(Translate("These options cannot be used together: %s"), Listed);
  }
  // /repeat, /until-stopped and /speed say how /play plays.
  for (const std::optional<std::string>& PlayOption : {PassOption, SpeedOption})
    if (PlayOption && Command.Action != TCommandAction::caPlay) {
      const std::string Listed = ActionsGiven.empty() ? *PlayOption : ActionsGiven.front() + ", " + *PlayOption;
      return Error(Translate("These options cannot be used together: %s"), Listed);
    }
  return Command;
}

std::string MacroNotFoundText(const TCommand& ACommand, int AAnswer) {
  return Format(AAnswer == kAnswerAmbiguousMacro ? Translate("More than one macro is named \"%s\".")
                                                 : Translate("No macro is named \"%s\"."),
                {ACommand.MacroName});
}

std::string CommandLineUsage() {
  const std::string Lines[] = {
      Translate("Command-line options (with / or --, in any letter case):"),
      Translate("/start, /stop, /toggle: start or stop a run, as the Start and Stop buttons do"),
      Translate("/play \"name\" [/repeat N | /until-stopped]: play the macro of that name"),
      Translate("/speed N: with /play, play at N percent of the recorded speed (25 to 1000)"),
      Translate("/record: start recording, as the recording hotkey does"),
      Translate("/minimized: start in the notification area"),
      Translate("/help or /?: show this help"),
      Translate("Exit codes: 0 done, 2 bad arguments, 3 no such macro, 4 busy with a run or a recording."),
  };
  std::string Usage;
  for (const std::string& Line : Lines) Usage += (Usage.empty() ? "" : "\r\n") + Line;
  return Usage;
}

}  // namespace nevra
