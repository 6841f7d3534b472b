#include "engine/GlobalHotkeys.h"

#include "engine/HotkeyText.h"

namespace nevra {

namespace {
// The ids the program registers its hotkeys under, one per action.
constexpr int32_t kFirstHotkeyId = 1001;

int32_t IdOf(THotkeyAction AAction) { return kFirstHotkeyId + static_cast<int32_t>(AAction); }
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

std::optional<THotkeyProblem> TGlobalHotkeys::Replace(const THotkeySet& AKeys) {
  for (size_t Later = 1; Later < AKeys.size(); ++Later)
    for (size_t Earlier = 0; Earlier < Later; ++Earlier)
      if (AKeys[Later] == AKeys[Earlier]) return THotkeyProblem{THotkeyProblem::hpSameAsAnother, kHotkeyActions[Later]};
  const THotkeySet Old = FKeys;
  FKeys = AKeys;
  const std::vector<THotkeyAction> Refused = Register();
  if (Refused.empty()) return std::nullopt;
  FKeys = Old;
  Register();
  return THotkeyProblem{THotkeyProblem::hpRefused, Refused.front()};
}

void TGlobalHotkeys::Unregister() {
  if (!FRegistered) return;
  for (const THotkeyAction Action : kHotkeyActions) FHotkeys.Unregister(IdOf(Action));
  FRegistered = false;
}

std::string TGlobalHotkeys::TextOf(const THotkeyData& AKey) const {
  return HotkeyToText(AKey.Vk, AKey.Modifiers, [this](uint32_t AVk) { return FHotkeys.KeyName(AVk); });
}

}  // namespace nevra
