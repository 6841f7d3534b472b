#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace nevra {

// The program's exit codes, for scripts, shortcuts and schedulers.
inline constexpr int kExitDone = 0;
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitNoSuchMacro = 3;
// The running copy could not follow the command: a run or a recording is under way.
inline constexpr int kExitBusy = 4;

// What a command line asks the program to do.
enum class TCommandAction { caNone, caStart, caStop, caToggle, caPlay, caRecord, caHelp };

struct TCommand {
  TCommandAction Action = TCommandAction::caNone;
  // /play: the macro's name as the list shows it.
  std::string MacroName;
  // /play: how many passes (/repeat N), or until stopped when there is none.
  std::optional<uint32_t> Passes;
  // /minimized: start in the notification area (a copy already running ignores it).
  bool Minimized = false;
  // /play: the speed in percent of the recorded one (/speed N), or the window's when there is none.
  std::optional<uint32_t> SpeedPercent = std::nullopt;
  friend bool operator==(const TCommand&, const TCommand&) = default;
};

// A command line that cannot be followed: what to tell the user (in the current language).
struct TCommandLineError {
  std::string Message;
};

// Reads the arguments (without the program's own path). Options start with "/" or "--" and are
// matched without regard to letter case: /start, /stop, /toggle, /play "name" [/repeat N |
// /until-stopped] [/speed N], /record, /minimized, /help or /?.
std::variant<TCommand, TCommandLineError> ParseCommandLine(const std::vector<std::string>& AArguments);

// The option that asks for an action, such as "/play"; empty for none.
std::string OptionOf(TCommandAction AAction);

// The usage text /help shows, one line a text.
std::string CommandLineUsage();

// The first copy's answer when more than one macro has the name /play gave; the exit code is
// kExitNoSuchMacro all the same.
inline constexpr int kAnswerAmbiguousMacro = 0x100 | kExitNoSuchMacro;

// What to tell the user when /play named no macro (kExitNoSuchMacro) or more than one.
std::string MacroNotFoundText(const TCommand& ACommand, int AAnswer);

}  // namespace nevra
