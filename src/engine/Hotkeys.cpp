#include "app/MainForm.h"
#include "engine/HotkeyText.h"

namespace nevra {

std::string TFrmMain::HotkeyToText(uint32_t AVk, uint32_t AModifiers) {
  return nevra::HotkeyToText(AVk, AModifiers, nullptr);
}

}  // namespace nevra
