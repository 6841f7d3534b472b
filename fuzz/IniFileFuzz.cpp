// Any bytes as settings.ini: reading every entry and writing them all back must never crash,
// and what was written must read back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  const std::string_view Text(reinterpret_cast<const char*>(AData), ASize);
  nevra::TIniFile Ini(Text);
  for (const char* Section : {"Target", "Interval", "UI", "HotkeyStop"})
    for (const char* Key : {"mode", "ms", "topMost", "vk"}) {
      (void)Ini.ReadInteger(Section, Key);
      Ini.WriteString(Section, Key, "42");
    }
  const nevra::TIniFile Again(Ini.Text());
  if (Again.ReadInteger("Interval", "ms") != 42) __builtin_trap();
  return 0;
}
