#include "engine/GlobalHotkeys.h"

#include "engine/HotkeyText.h"
#include "platform/InputCodes.h"

namespace nevra {

namespace {
// The ids the program registers its hotkeys under, one per action.
constexpr int32_t kFirstHotkeyId = 1001;
// The id a combination is registered under for a moment, to learn whether another program holds it.
constexpr int32_t kProbeHotkeyId = 1009;

int32_t IdOf(THotkeyAction AAction) { return kFirstHotkeyId + static_cast<int32_t>(AAction); }

constexpr uint32_t kKnownModifiers = HotkeyModifiers::Alt | HotkeyModifiers::Control | HotkeyModifiers::Shift |
                                     HotkeyModifiers::Win | HotkeyModifiers::NoRepeat;

// The mouse buttons have virtual-key codes too, but a hotkey on one never fires.
bool IsMouseButton(uint32_t AVk) { return AVk == 1 || AVk == 2 || (AVk >= 4 && AVk <= 6); }

// The first pair of equal combinations in the set, the later one second.
std::optional<std::pair<size_t, size_t>> FindEqualPair(const THotkeySet& AKeys) {
  for (size_t Later = 1; Later < AKeys.size(); ++Later)
    for (size_t Earlier = 0; Earlier < Later; ++Earlier)
      if (AKeys[Later] == AKeys[Earlier]) return std::pair{Earlier, Later};
  return std::nullopt;
}

}  // namespace

TGlobalHotkeys::TGlobalHotkeys(IHotkeys& AHotkeys) : FHotkeys(AHotkeys) {}

TGlobalHotkeys::~TGlobalHotkeys() { Unregister(); }

std::vector<THotkeyAction> TGlobalHotkeys::Register() {
  Unregister();
  std::vector<THotkeyAction> Refused;
  for (const THotkeyAction Action : kHotkeyActions) {
    const THotkeyData& Key = Get(Action);
    const bool Registered =
        FHotkeys.Register(IdOf(Action), Key.Modifiers | HotkeyModifiers::NoRepeat, Key.Vk, [this, Action] {
          if (OnPressed) OnPressed(Action);
        });
    if (!Registered) Refused.push_back(Action);
  }
  FRegistered = true;
  return Refused;
}

const THotkeySet& TGlobalHotkeys::Defaults() {
  static const THotkeySet Keys{kDefaultStartHotkey, kDefaultStopHotkey, kDefaultStartRecordingHotkey};
  return Keys;
}

bool TGlobalHotkeys::Usable(const THotkeyData& AKey) const {
  if (AKey.Vk == 0 || AKey.Vk >= VirtualKeys::Last || IsMouseButton(AKey.Vk)) return false;
  if ((AKey.Modifiers & ~kKnownModifiers) != 0) return false;
  // A key the keyboard layout cannot name would leave the hotkey line saying nothing.
  const std::string Text = TextOf(AKey);
  return !Text.empty() && Text.back() != '+';
}

std::optional<THotkeyProblem> TGlobalHotkeys::Check(const THotkeySet& AKeys) const {
  for (const THotkeyAction Action : kHotkeyActions) {
    const THotkeyData& Key = AKeys[Index(Action)];
    if (Key.Vk == 0) return THotkeyProblem{THotkeyProblem::hpEmpty, Action};
    if (!Usable(Key)) return THotkeyProblem{THotkeyProblem::hpInvalid, Action};
  }
  if (const auto Pair = FindEqualPair(AKeys))
    return THotkeyProblem{THotkeyProblem::hpSameAsAnother, kHotkeyActions[Pair->second], kHotkeyActions[Pair->first]};
  return std::nullopt;
}

std::vector<THotkeyProblem> TGlobalHotkeys::FallBackToDefaults() {
  std::vector<THotkeyProblem> Problems;
  for (const THotkeyAction Action : kHotkeyActions) {
    THotkeyData& Key = FKeys[Index(Action)];
    if (Usable(Key)) continue;
    Problems.push_back({Key.Vk == 0 ? THotkeyProblem::hpEmpty : THotkeyProblem::hpInvalid, Action});
    Key = Defaults()[Index(Action)];
  }
  // Each round puts one hotkey that is not at its default back to it, and the defaults differ
  // from each other, so this ends.
  while (const auto Pair = FindEqualPair(FKeys)) {
    const auto [Earlier, Later] = *Pair;
    const size_t Back = FKeys[Later] != Defaults()[Later] ? Later : Earlier;
    const size_t Kept = Back == Later ? Earlier : Later;
    Problems.push_back({THotkeyProblem::hpSameAsAnother, kHotkeyActions[Back], kHotkeyActions[Kept]});
    FKeys[Back] = Defaults()[Back];
  }
  return Problems;
}

std::optional<THotkeyProblem> TGlobalHotkeys::Replace(const THotkeySet& AKeys) {
  if (auto Problem = Check(AKeys)) return Problem;
  const THotkeySet Old = FKeys;
  FKeys = AKeys;
  const std::vector<THotkeyAction> Refused = Register();
  std::optional<THotkeyProblem> Problem;
  if (!Refused.empty()) {
    FKeys = Old;
    Register();
    Problem = THotkeyProblem{THotkeyProblem::hpRefused, Refused.front()};
  }
  // Registering was the test: a suspended set waits for Resume.
  if (FSuspended) Unregister();
  return Problem;
}

void TGlobalHotkeys::Suspend() {
  Unregister();
  FSuspended = true;
}

std::vector<THotkeyAction> TGlobalHotkeys::Resume() {
  if (!FSuspended) return {};
  FSuspended = false;
  return Register();
}

bool TGlobalHotkeys::HeldElsewhere(const THotkeyData& AKey) {
  if (!FHotkeys.Register(kProbeHotkeyId, AKey.Modifiers | HotkeyModifiers::NoRepeat, AKey.Vk, [] {})) return true;
  FHotkeys.Unregister(kProbeHotkeyId);
  return false;
}

void TGlobalHotkeys::Unregister() {
  if (!FRegistered) return;
  for (const THotkeyAction Action : kHotkeyActions) FHotkeys.Unregister(IdOf(Action));
  FRegistered = false;
}

std::string TGlobalHotkeys::TextOf(const THotkeyData& AKey) const {
  return HotkeyToText(AKey.Vk, AKey.Modifiers, [this](uint32_t AVk) { return FHotkeys.KeyName(AVk); });
}

bool TGlobalHotkeys::KeysDown(THotkeyAction AAction) const {
  const THotkeyData& Key = Get(AAction);
  const std::pair<uint32_t, uint32_t> Modifiers[] = {
      {HotkeyModifiers::Alt, VirtualKeys::Alt},      {HotkeyModifiers::Control, VirtualKeys::Control},
      {HotkeyModifiers::Shift, VirtualKeys::Shift},  {HotkeyModifiers::Win, VirtualKeys::LeftWin},
      {HotkeyModifiers::Win, VirtualKeys::RightWin},
  };
  for (const auto& [Bit, Vk] : Modifiers)
    if ((Key.Modifiers & Bit) != 0 && FHotkeys.KeyDown(Vk)) return true;
  return Key.Vk != 0 && FHotkeys.KeyDown(Key.Vk);
}

}  // namespace nevra
