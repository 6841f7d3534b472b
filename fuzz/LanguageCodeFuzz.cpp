// Any string as the language code stored in the registry, read at start-up against a catalogue
// of four languages. The program keeps the stored code as it is (it is written back unchanged),
// chooses the first language whose code matches it without regard to ASCII case, English when
// none does, and shows that language's texts.
#include <cstddef>
#include <cstdint>
#include <string>

#include "i18n/Translation.h"
#include "platform/Text.h"
#include "platform/fake/FakePlatform.h"

namespace {

// Four languages, one per column: name, code, then the texts. "de" is there twice, in two cases.
constexpr const char* kCatalogue =
    "4\r\n"
    "English\r\nDeutsch\r\nFrançais\r\nDEUTSCH\r\n"
    "en\r\nde\r\nfr\r\nDE\r\n"
    "Start\r\nStarten\r\nDémarrer\r\nSTARTEN\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  const std::string Stored(reinterpret_cast<const char*>(AData), ASize);
  nevra::fake::TFakePlatform Platform;
  Platform.Files.Files[Platform.Environment.ExeFolder + "\\transl.dt"] = kCatalogue;
  Platform.Registry.Values[{nevra::LanguageKeyPath(Platform.App.Title()), "CurrentLanguage"}] = Stored;
  nevra::LoadTranslations(Platform.Platform);

  const nevra::TTranslations& Catalogue = nevra::GTranslations();
  if (Catalogue.Code() != Stored) __builtin_trap();
  int32_t Expected = 0;
  for (const char* Code : {"de", "fr"}) {
    if (nevra::SameTextAscii(Stored, Code)) Expected = Code[0] == 'd' ? 1 : 2;
  }
  if (Catalogue.Index() != Expected) __builtin_trap();
  const char* Shown[] = {"Start", "Starten", "Démarrer"};
  if (nevra::Translate("Start") != Shown[Expected]) __builtin_trap();
  return 0;
}
