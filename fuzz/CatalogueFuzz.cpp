// Any bytes as transl.dt: reading never crashes, and a lookup in any language stays inside the
// table (a language may hold fewer entries than the English one).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "i18n/Translation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  nevra::TTranslations Catalogue;
  Catalogue.SetCode("de");
  Catalogue.Parse(std::string_view(reinterpret_cast<const char*>(AData), ASize));
  for (int32_t Index = 0; Index <= static_cast<int32_t>(Catalogue.Languages().size()); ++Index) {
    Catalogue.SetIndex(Index);
    for (const char* Text : {"Start", "Ready", "", "en", "de"}) (void)Catalogue.Translate(Text);
  }
  return 0;
}
