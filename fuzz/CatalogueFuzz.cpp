// Any bytes as transl.dt, with any language chosen. Reading never crashes, and what a lookup
// promises holds for every English text of the catalogue and for texts that are not in it:
// - the chosen language is the one whose code matches, or English;
// - a lookup gives the key itself, or a non-empty text of the chosen language that stands where
//   the English catalogue holds that key.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "i18n/Translation.h"
#include "platform/Text.h"

namespace {

bool StandsForKey(const nevra::TTranslations& ACatalogue, const std::string& AKey, const std::string& AText) {
  const auto& English = ACatalogue.Languages()[0];
  const auto& Chosen = ACatalogue.Languages()[static_cast<size_t>(ACatalogue.Index())];
  for (size_t K = 0; K < English.size() && K < Chosen.size(); ++K)
    if (English[K] == AKey && Chosen[K] == AText) return true;
  return false;
}

void CheckLookup(const nevra::TTranslations& ACatalogue, const std::string& AKey) {
  const std::string Text = ACatalogue.Translate(AKey);
  if (Text == AKey) return;
  if (Text.empty() || !StandsForKey(ACatalogue, AKey, Text)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  FuzzedDataProvider Data(AData, ASize);
  const std::string Code = Data.ConsumeRandomLengthString(8);
  const std::string Probe = Data.ConsumeRandomLengthString(16);
  nevra::TTranslations Catalogue;
  Catalogue.SetCode(Code);
  Catalogue.Parse(Data.ConsumeRemainingBytesAsString());

  const auto& Languages = Catalogue.Languages();
  const auto Index = static_cast<size_t>(Catalogue.Index());
  if (Catalogue.Index() < 0 || (Index > 0 && Index >= Languages.size())) __builtin_trap();
  if (Index > 0 && (Languages[Index].size() < 2 || !nevra::SameTextAscii(Languages[Index][1], Code))) __builtin_trap();
  if (Languages.empty()) {
    if (Catalogue.Translate(Probe) != Probe) __builtin_trap();
    return 0;
  }
  // Every language in turn, and one past the last, which a stale menu tag could name.
  for (size_t Language = 0; Language <= Languages.size(); ++Language) {
    Catalogue.SetIndex(static_cast<int32_t>(Language));
    if (Language == Languages.size()) {
      if (Catalogue.Translate(Probe) != Probe) __builtin_trap();
      continue;
    }
    for (const std::string& Key : Languages[0]) CheckLookup(Catalogue, Key);
    CheckLookup(Catalogue, Probe);
  }
  return 0;
}
