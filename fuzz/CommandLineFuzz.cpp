// Any bytes as a command line, split into arguments at NUL bytes (no argument can hold one). A
// shortcut, a script or a later copy gives these; what the program promises about them:
// - reading never crashes, and a command line it cannot follow gets a message to show;
// - a command it reads is one the program can follow: /repeat only with /play and only from 1 to
//   65535, /speed only with /play and only from 25 to 1000, a macro name only with /play and only one that followed
//   /play, /help alone, and nothing asked only when no argument was given;
// - nothing given is ignored: one more word after a command it read makes it an error;
// - help answers whatever else is there: /? after a command it read gives help alone;
// - options read the same in any letter case and with "/" or "--";
// - the command written back as options reads as the same command, in any letter case, with
//   "/" or "--", in any order, and with /until-stopped where no /repeat was given.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/CommandLine.h"
#include "platform/Text.h"

namespace {

using nevra::TCommand;
using nevra::TCommandAction;

std::vector<std::string> SplitAtNul(std::string_view AData) {
  std::vector<std::string> Arguments;
  if (AData.empty()) return Arguments;
  for (;;) {
    const size_t End = AData.find('\0');
    Arguments.emplace_back(AData.substr(0, End));
    if (End == std::string_view::npos) return Arguments;
    AData.remove_prefix(End + 1);
  }
}

const char* ActionName(TCommandAction AAction) {
  switch (AAction) {
    case TCommandAction::caStart: return "start";
    case TCommandAction::caStop: return "stop";
    case TCommandAction::caToggle: return "toggle";
    case TCommandAction::caPlay: return "play";
    case TCommandAction::caRecord: return "record";
    case TCommandAction::caHelp: return "help";
    case TCommandAction::caNone: break;
  }
  return nullptr;
}

// The option as a user may write it: "/name", or "--NAME" for the other spelling.
std::string Option(std::string_view AName, bool AOtherSpelling) {
  std::string Name(AName);
  if (!AOtherSpelling) return "/" + Name;
  for (char& C : Name)
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
  return "--" + Name;
}

// An option in the other spelling: "/x" as "--X", "--x" as "/x".
std::string Retyped(const std::string& AOption) {
  return AOption.rfind("--", 0) == 0 ? Option(AOption.substr(2), false) : Option(AOption.substr(1), true);
}

// The command as options; the other spelling also puts them in another order.
std::vector<std::string> AsArguments(const TCommand& ACommand, bool AOtherSpelling) {
  std::vector<std::string> Action, Passes, Minimized;
  if (const char* Name = ActionName(ACommand.Action)) Action.push_back(Option(Name, AOtherSpelling));
  if (ACommand.Action == TCommandAction::caPlay) Action.push_back(ACommand.MacroName);
  if (ACommand.Passes) Passes = {Option("repeat", AOtherSpelling), std::to_string(*ACommand.Passes)};
  if (ACommand.SpeedPercent) {
    Passes.push_back(Option("speed", AOtherSpelling));
    Passes.push_back(std::to_string(*ACommand.SpeedPercent));
  }
  if (ACommand.Minimized) Minimized.push_back(Option("minimized", AOtherSpelling));
  std::vector<std::string> Arguments;
  for (const auto* Part :
       AOtherSpelling ? std::vector{&Minimized, &Passes, &Action} : std::vector{&Action, &Passes, &Minimized})
    Arguments.insert(Arguments.end(), Part->begin(), Part->end());
  return Arguments;
}

bool ReadsAs(const std::vector<std::string>& AArguments, const TCommand& AExpected) {
  const auto Parsed = nevra::ParseCommandLine(AArguments);
  return std::holds_alternative<TCommand>(Parsed) && std::get<TCommand>(Parsed) == AExpected;
}

bool IsError(const std::vector<std::string>& AArguments) {
  return std::holds_alternative<nevra::TCommandLineError>(nevra::ParseCommandLine(AArguments));
}

// True when AName is the argument right after a /play (in any spelling) of AArguments.
bool FollowsPlay(const std::vector<std::string>& AArguments, const std::string& AName) {
  for (size_t I = 0; I + 1 < AArguments.size(); ++I) {
    const std::string& Given = AArguments[I];
    if ((nevra::SameTextAscii(Given, "/play") || nevra::SameTextAscii(Given, "--play")) && AArguments[I + 1] == AName)
      return true;
  }
  return false;
}

void CheckCommand(const std::vector<std::string>& AArguments, const TCommand& ACommand) {
  const bool Plays = ACommand.Action == TCommandAction::caPlay;
  if (ACommand.Passes && (!Plays || *ACommand.Passes < 1 || *ACommand.Passes > 65535)) __builtin_trap();
  if (ACommand.SpeedPercent && (!Plays || *ACommand.SpeedPercent < 25 || *ACommand.SpeedPercent > 1000))
    __builtin_trap();
  if (!Plays && !ACommand.MacroName.empty()) __builtin_trap();
  if (Plays && !FollowsPlay(AArguments, ACommand.MacroName)) __builtin_trap();
  if (ACommand.Action == TCommandAction::caHelp && (ACommand.Minimized || ACommand.Passes || ACommand.SpeedPercent))
    __builtin_trap();
  if (ACommand.Action == TCommandAction::caNone && !ACommand.Minimized && !AArguments.empty()) __builtin_trap();

  std::vector<std::string> WithStray = AArguments;
  WithStray.push_back("stray");
  if (!IsError(WithStray)) __builtin_trap();

  std::vector<std::string> WithHelp = AArguments;
  WithHelp.push_back("/?");
  if (!ReadsAs(WithHelp, TCommand{TCommandAction::caHelp, {}, {}, false, {}})) __builtin_trap();

  // Without /play every argument is an option (what takes a value comes only with /play), but
  // help answers whatever else is there.
  if (!Plays && ACommand.Action != TCommandAction::caHelp) {
    std::vector<std::string> Other;
    for (const std::string& Argument : AArguments) Other.push_back(Retyped(Argument));
    if (!ReadsAs(Other, ACommand)) __builtin_trap();
  }

  for (const bool OtherSpelling : {false, true}) {
    std::vector<std::string> Written = AsArguments(ACommand, OtherSpelling);
    if (!ReadsAs(Written, ACommand)) __builtin_trap();
    if (Plays && !ACommand.Passes) {
      Written.push_back(Option("until-stopped", OtherSpelling));
      if (!ReadsAs(Written, ACommand)) __builtin_trap();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  const std::vector<std::string> Arguments = SplitAtNul(std::string_view(reinterpret_cast<const char*>(AData), ASize));
  const auto Parsed = nevra::ParseCommandLine(Arguments);
  if (const auto* Error = std::get_if<nevra::TCommandLineError>(&Parsed)) {
    if (Error->Message.empty()) __builtin_trap();
    return 0;
  }
  CheckCommand(Arguments, std::get<TCommand>(Parsed));
  return 0;
}
