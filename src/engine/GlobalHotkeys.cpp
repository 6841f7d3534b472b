#include "engine/GlobalHotkeys.h"

#include "engine/HotkeyText.h"

namespace nevra {

namespace {
// The ids the program registers its hotkeys under, one per action.
constexpr int32_t kFirstHotkeyId = 1001;
constexpr THotkeyAction kActions[] = {THotkeyAction::haStart, THotkeyAction::haStop, THotkeyAction::haStartRecording};

int32_t IdOf(THotkeyAction AAction) { return kFirstHotkeyId + static_cast<int32_t>(AAction); }
}  // namespace

TGlobalHotkeys::TGlobalHotkeys(IHotkeys& AHotkeys) : FHotkeys(AHotkeys) {}

TGlobalHotkeys::~TGlobalHotkeys() { Unregister(); }

void TGlobalHotkeys::Register() {
  Unregister();
  for (const THotkeyAction Action : kActions) {
    const THotkeyData& Key = Get(Action);
    FHotkeys.Register(IdOf(Action), Key.Modifiers | HotkeyModifiers::NoRepeat, Key.Vk, [this, Action] {
      if (OnPressed) OnPressed(Action);
    });
  }
  FRegistered = true;
}

void TGlobalHotkeys::Unregister() {
  if (!FRegistered) return;
  for (const THotkeyAction Action : kActions) FHotkeys.Unregister(IdOf(Action));
  FRegistered = false;
}

std::string TGlobalHotkeys::Text(THotkeyAction AAction) const {
  const THotkeyData& Key = Get(AAction);
  return HotkeyToText(Key.Vk, Key.Modifiers, [this](uint32_t AVk) { return FHotkeys.KeyName(AVk); });
}

}  // namespace nevra
