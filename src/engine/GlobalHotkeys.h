#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/HotkeyData.h"
#include "platform/Hotkeys.h"

namespace nevra {

// What each of the three global hotkeys asks for.
enum class THotkeyAction { haStart = 0, haStop = 1, haStartRecording = 2 };
inline constexpr THotkeyAction kHotkeyActions[] = {THotkeyAction::haStart, THotkeyAction::haStop,
                                                   THotkeyAction::haStartRecording};

// The three combinations, in the order of THotkeyAction.
using THotkeySet = std::array<THotkeyData, 3>;

// Why a hotkey of a set cannot be used.
struct THotkeyProblem {
  enum TKind {
    hpEmpty,          // no key at all
    hpInvalid,        // a key or modifier bits Windows does not take, or a key without a name
    hpSameAsAnother,  // the combination of another hotkey of the set
    hpRefused,        // the system refused it: another program holds it
  } Kind;
  // The hotkey it concerns: the later of two equal ones, or the one the system refused.
  THotkeyAction Action;
  // hpSameAsAnother: the hotkey whose combination it has.
  THotkeyAction Other = THotkeyAction::haStart;
  friend bool operator==(const THotkeyProblem&, const THotkeyProblem&) = default;
};

inline constexpr THotkeyData kDefaultStartHotkey{'S', HotkeyModifiers::Control | HotkeyModifiers::Shift};
inline constexpr THotkeyData kDefaultStopHotkey{'X', HotkeyModifiers::Control | HotkeyModifiers::Shift};
inline constexpr THotkeyData kDefaultStartRecordingHotkey{'R', HotkeyModifiers::Control | HotkeyModifiers::Shift};

// The three global hotkeys: their combinations, their registration with the system and their
// names. A press reaches OnPressed with the action, wherever the focus is.
class TGlobalHotkeys {
 public:
  explicit TGlobalHotkeys(IHotkeys& AHotkeys);
  ~TGlobalHotkeys();
  TGlobalHotkeys(const TGlobalHotkeys&) = delete;
  TGlobalHotkeys& operator=(const TGlobalHotkeys&) = delete;

  std::function<void(THotkeyAction)> OnPressed;

  const THotkeyData& Get(THotkeyAction AAction) const { return FKeys[Index(AAction)]; }
  // Takes effect at the next Register.
  void Set(THotkeyAction AAction, const THotkeyData& AKey) { FKeys[Index(AAction)] = AKey; }
  const THotkeySet& Keys() const { return FKeys; }
  static const THotkeySet& Defaults();
  // The first reason why a set cannot be used as it is: a hotkey without a key, one Windows does
  // not take, or two with the same combination. Whether another program holds one only
  // registering tells.
  std::optional<THotkeyProblem> Check(const THotkeySet& AKeys) const;
  // Puts every hotkey of the current set that cannot be used (a hand-edited settings file) back
  // to its default, and says which and why. Of two equal combinations the one that differs from
  // its own default goes back, the later one when both do.
  std::vector<THotkeyProblem> FallBackToDefaults();
  // Registers all three anew, without key repeat (a held key is one press). What the system
  // refuses (a combination another program holds) stays unregistered and is listed.
  std::vector<THotkeyAction> Register();
  // Takes a new set and registers it at once. A set Check finds fault with, or one with a
  // combination the system refuses, leaves the old set in place and registered, and says which.
  std::optional<THotkeyProblem> Replace(const THotkeySet& AKeys);
  void Unregister();
  // While the Hotkeys dialog is open no hotkey of the set is registered, so that its fields take
  // every combination and none starts a run: Suspend unregisters them, Replace tests a new set
  // without leaving it registered, and Resume registers the set in force again.
  void Suspend();
  std::vector<THotkeyAction> Resume();
  bool Suspended() const { return FSuspended; }
  // Whether another program holds the combination: the system refuses it to this program. Only
  // while suspended, when none of the program's own hotkeys is registered.
  bool HeldElsewhere(const THotkeyData& AKey);
  // The combination as the window names it, such as "Shift+Ctrl+S".
  std::string Text(THotkeyAction AAction) const { return TextOf(Get(AAction)); }
  std::string TextOf(const THotkeyData& AKey) const;
  // Whether a key of the hotkey's combination is still held down.
  bool KeysDown(THotkeyAction AAction) const;

 private:
  static size_t Index(THotkeyAction AAction) { return static_cast<size_t>(AAction); }
  // A key Windows registers and the window can name, with modifier bits it knows.
  bool Usable(const THotkeyData& AKey) const;
  IHotkeys& FHotkeys;
  THotkeySet FKeys{kDefaultStartHotkey, kDefaultStopHotkey, kDefaultStartRecordingHotkey};
  bool FRegistered = false;
  bool FSuspended = false;
};

}  // namespace nevra
