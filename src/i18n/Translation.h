#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/StdControls.h"

namespace nevra {

struct TPlatform;

// The catalogue of every text the program shows, read once from transl.dt beside the
// executable. English is the source language: its texts are the keys of every lookup.
class TTranslations {
 public:
  // Chooses the language (the system's, or the one the user stored) and reads the catalogue.
  // Never fails: without a usable catalogue every text stays English.
  void Load(TPlatform& APlatform, const std::string& ATitle);
  // Reads a catalogue's text; what a broken text leaves filled stays, as the loader found it.
  void Parse(std::string_view AText);

  // The current language's version of an English text: the text itself when no language is
  // chosen, the text is not in the catalogue, or its translation is empty.
  std::string Translate(const std::string& AText) const;

  // Entry k of every language: 0 its name, 1 its code, then one text per record.
  const std::vector<std::vector<std::string>>& Languages() const { return FLanguages; }
  int32_t Index() const { return FIndex; }
  const std::string& Code() const { return FCode; }
  // The current language is written from right to left (Arabic).
  bool RightToLeft() const;
  void SetIndex(int32_t AIndex) { FIndex = AIndex; }
  void SetCode(std::string ACode) { FCode = std::move(ACode); }

 private:
  std::vector<std::vector<std::string>> FLanguages;
  int32_t FIndex = 0;
  std::string FCode;
};

// The catalogue the whole program uses.
TTranslations& GTranslations();

std::string Translate(const std::string& AText);

// Start-up: the language and the catalogue, for the application title already set.
void LoadTranslations(TPlatform& APlatform);

// The catalogue's code for a system UI language id (primary language in the low 8 bits).
std::string LanguageCodeFor(uint16_t ALanguageId);

// The registry key that holds the user's choice: "Software\" and the application title.
std::string LanguageKeyPath(const std::string& ATitle);

// The language menu: one item per language of the catalogue that has both a name and a code,
// tagged with its index, the current one checked.
std::vector<TMenuItem> LanguageMenuItems();

// Makes the language at AIndex of the catalogue the current one and stores the choice for the
// next start; a key that cannot be written only means the choice lasts until the program ends.
void ChooseLanguage(TPlatform& APlatform, int32_t AIndex);

}  // namespace nevra
