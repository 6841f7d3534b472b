#pragma once
#include <array>
#include <functional>
#include <string>

#include "engine/HotkeyData.h"
#include "platform/Hotkeys.h"

namespace nevra {

// What each of the three global hotkeys asks for.
enum class THotkeyAction { haStart = 0, haStop = 1, haStartRecording = 2 };

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
  // Registers all three anew, without key repeat (a held key is one press). What the system
  // refuses (a combination another program holds) stays unregistered.
  void Register();
  void Unregister();
  // The combination as the window names it, such as "Shift+Ctrl+S".
  std::string Text(THotkeyAction AAction) const;

 private:
  static size_t Index(THotkeyAction AAction) { return static_cast<size_t>(AAction); }
  IHotkeys& FHotkeys;
  std::array<THotkeyData, 3> FKeys{kDefaultStartHotkey, kDefaultStopHotkey, kDefaultStartRecordingHotkey};
  bool FRegistered = false;
};

}  // namespace nevra
