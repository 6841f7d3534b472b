#include "i18n/Translation.h"

#include "platform/Platform.h"
#include "platform/Text.h"

namespace nevra {

std::string LanguageCodeFor(uint16_t ALanguageId) {
  switch (ALanguageId & 0xFF) {
    case 0x01: return "ar";
    case 0x04: return "cn";
    case 0x05: return "cs";
    case 0x07: return "de";
    case 0x08: return "el";
    case 0x0A: return "es";
    case 0x0C: return "fr";
    case 0x0E: return "hu";
    case 0x10: return "it";
    case 0x11: return "jp";
    case 0x12: return "kr";
    case 0x13: return "nl";
    case 0x15: return "pl";
    case 0x16: return "pt";
    case 0x1F: return "tr";
    default: return "en";
  }
}

namespace {
// The registry value under LanguageKeyPath that holds the code.
constexpr const char* kLanguageValue = "CurrentLanguage";
}  // namespace

std::string LanguageKeyPath(const std::string& ATitle) { return "Software\\" + ATitle; }

std::vector<TMenuItem> LanguageMenuItems() {
  std::vector<TMenuItem> Items;
  const auto& Languages = GTranslations().Languages();
  for (size_t L = 0; L < Languages.size(); ++L) {
    // A language without both its name and its code cannot be offered.
    if (Languages[L].size() < 2) continue;
    Items.push_back({Languages[L][0], static_cast<int32_t>(L), static_cast<int32_t>(L) == GTranslations().Index()});
  }
  return Items;
}

void ChooseLanguage(TPlatform& APlatform, int32_t AIndex) {
  TTranslations& Catalogue = GTranslations();
  Catalogue.SetIndex(AIndex);
  Catalogue.SetCode(Catalogue.Languages()[static_cast<size_t>(AIndex)][1]);
  APlatform.Registry.WriteString(LanguageKeyPath(APlatform.App.Title()), kLanguageValue, Catalogue.Code());
}

void TTranslations::Parse(std::string_view AText) {
  FLanguages.clear();
  FIndex = 0;
  const std::vector<std::string_view> Lines = SplitLines(SkipUtf8Bom(AText));
  if (Lines.empty()) return;
  const auto Count = ParseInt32(Lines[0]);
  if (!Count || *Count <= 0) return;
  const auto N = static_cast<size_t>(*Count);
  const size_t Records = (Lines.size() - 1) / N;
  std::vector<std::string> Codes;
  for (size_t L = 0; L < N; ++L) {
    std::vector<std::string> Entries(Records);
    for (size_t K = 0; K < Records; ++K) Entries[K] = std::string(Lines[1 + K * N + L]);
    FLanguages.push_back(std::move(Entries));
    // A file too short for this language's code ends the load here.
    if (1 + N + L >= Lines.size()) return;
    Codes.emplace_back(Lines[1 + N + L]);
  }
  for (size_t L = 0; L < Codes.size(); ++L) {
    if (SameTextAscii(Codes[L], FCode)) {
      FIndex = static_cast<int32_t>(L);
      break;
    }
  }
}

void TTranslations::Load(TPlatform& APlatform, const std::string& ATitle) {
  FCode = LanguageCodeFor(APlatform.Locale.SystemDefaultUILanguage());
  if (const auto Stored = APlatform.Registry.ReadString(LanguageKeyPath(ATitle), kLanguageValue)) FCode = *Stored;
  const std::string Path = APlatform.Environment.ExecutableFolder() + "\\transl.dt";
  const auto Text = APlatform.Files.ReadFile(Path);
  FLanguages.clear();
  FIndex = 0;
  if (Text) Parse(*Text);
}

bool TTranslations::RightToLeft() const {
  // The catalogue's right-to-left languages, by code.
  static constexpr const char* kRightToLeftCodes[] = {"ar"};
  const auto Index = static_cast<size_t>(FIndex);
  if (FIndex <= 0 || Index >= FLanguages.size() || FLanguages[Index].size() < 2) return false;
  for (const char* Code : kRightToLeftCodes)
    if (SameTextAscii(FLanguages[Index][1], Code)) return true;
  return false;
}

std::string TTranslations::Translate(const std::string& AText) const {
  if (FIndex <= 0 || static_cast<size_t>(FIndex) >= FLanguages.size()) return AText;
  const auto& Source = FLanguages[0];
  const auto& Target = FLanguages[static_cast<size_t>(FIndex)];
  for (size_t K = 0; K < Source.size(); ++K) {
    if (Source[K] == AText) return (K < Target.size() && !Target[K].empty()) ? Target[K] : AText;
  }
  return AText;
}

TTranslations& GTranslations() {
  static TTranslations Instance;
  return Instance;
}

std::string Translate(const std::string& AText) { return GTranslations().Translate(AText); }

void LoadTranslations(TPlatform& APlatform) { GTranslations().Load(APlatform, APlatform.App.Title()); }

}  // namespace nevra
