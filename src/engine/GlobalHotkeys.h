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

// Why a new set of hotkeys was not taken.
struct THotkeyProblem {
  enum TKind { hpSameAsAnother, hpRefused } Kind;
  // The hotkey it concerns: the later of two equal ones, or the one the system refused.
  THotkeyAction Action;
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
  // Registers all three anew, without key repeat (a held key is one press). What the system
  // refuses (a combination another program holds) stays unregistered and is listed.
  std::vector<THotkeyAction> Register();
  // Takes a new set and registers it at once. Two equal combinations, or one the system refuses,
  // leave the old set in place and registered, and say which.
  std::optional<THotkeyProblem> Replace(const THotkeySet& AKeys);
  void Unregister();
  // The combination as the window names it, such as "Shift+Ctrl+S".
  std::string Text(THotkeyAction AAction) const { return TextOf(Get(AAction)); }
  std::string TextOf(const THotkeyData& AKey) const;

 private:
  static size_t Index(THotkeyAction AAction) { return static_cast<size_t>(AAction); }
  IHotkeys& FHotkeys;
  THotkeySet FKeys{kDefaultStartHotkey, kDefaultStopHotkey, kDefaultStartRecordingHotkey};
  bool FRegistered = false;
};

}  // namespace nevra
