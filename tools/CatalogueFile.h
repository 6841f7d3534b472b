#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace nevra::tools {

// The translation catalogue the program ships (transl.dt), read the way a translator reads it:
// line 0 the number of languages N, then records of N lines (one per language): the names, the
// codes, then one text per record with English first. Lets a test name the texts it expects in
// another language without copying them from the catalogue.
class TCatalogueFile {
 public:
  // Throws when the file cannot be read or holds no languages.
  explicit TCatalogueFile(const std::filesystem::path& AFile);

  // The position of the language with this code, in catalogue (and menu) order.
  std::optional<size_t> LanguageIndex(const std::string& ACode) const;
  // The language's version of an English text; the English text itself when it has none.
  // Throws when the catalogue does not hold the text.
  std::string Translation(const std::string& ACode, const std::string& AEnglish) const;

 private:
  size_t FLanguages = 0;
  std::vector<std::string> FLines;  // line 0 left out
};

}  // namespace nevra::tools
