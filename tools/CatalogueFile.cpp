#include "CatalogueFile.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/Text.h"

namespace nevra::tools {

TCatalogueFile::TCatalogueFile(const std::filesystem::path& AFile) {
  std::ifstream In(AFile, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + AFile.string());
  std::string Text{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  std::vector<std::string> Lines;
  for (const std::string_view Line : SplitLines(SkipUtf8Bom(Text))) Lines.emplace_back(Line);
  if (Lines.empty()) throw std::runtime_error(AFile.string() + " is empty");
  FLanguages = std::stoul(Lines[0]);
  if (FLanguages == 0 || Lines.size() < 1 + 2 * FLanguages)
    throw std::runtime_error(AFile.string() + " holds no languages");
  FLines.assign(Lines.begin() + 1, Lines.end());
}

std::optional<size_t> TCatalogueFile::LanguageIndex(const std::string& ACode) const {
  for (size_t L = 0; L < FLanguages; ++L)
    if (FLines[FLanguages + L] == ACode) return L;
  return std::nullopt;
}

std::string TCatalogueFile::Translation(const std::string& ACode, const std::string& AEnglish) const {
  const auto Language = LanguageIndex(ACode);
  if (!Language) throw std::runtime_error("the catalogue has no language " + ACode);
  for (size_t Record = 2; (Record + 1) * FLanguages <= FLines.size(); ++Record) {
    if (FLines[Record * FLanguages] != AEnglish) continue;
    const std::string& Text = FLines[Record * FLanguages + *Language];
    return Text.empty() ? AEnglish : Text;
  }
  throw std::runtime_error("the catalogue has no text \"" + AEnglish + "\"");
}

}  // namespace nevra::tools
