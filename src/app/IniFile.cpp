#include "app/IniFile.h"

#include <charconv>
#include <cstdint>

#include "platform/Text.h"

namespace nevra {

namespace {

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

std::string_view Trim(std::string_view AText) {
  while (!AText.empty() && IsBlank(AText.front())) AText.remove_prefix(1);
  while (!AText.empty() && IsBlank(AText.back())) AText.remove_suffix(1);
  return AText;
}

// The name of a section header line ("[name]"), or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view ALine) {
  ALine = Trim(ALine);
  if (ALine.empty() || ALine.front() != '[') return std::nullopt;
  ALine.remove_prefix(1);
  const auto Close = ALine.find(']');
  return Trim(Close == std::string_view::npos ? ALine : ALine.substr(0, Close));
}

struct TEntry {
  std::string_view Key;
  std::string_view Value;
};

TEntry SplitEntry(std::string_view ALine) {
  const auto Equals = ALine.find('=');
  if (Equals == std::string_view::npos) return {Trim(ALine), {}};
  return {Trim(ALine.substr(0, Equals)), Trim(ALine.substr(Equals + 1))};
}

// "key=value" (built by appending: GCC 12 misreports std::string operator+ chains at -O3).
std::string EntryLine(std::string_view AKey, std::string_view AValue) {
  std::string Line;
  Line.reserve(AKey.size() + 1 + AValue.size());
  Line.append(AKey).append(1, '=').append(AValue);
  return Line;
}

std::optional<int32_t> ParseInteger(std::string_view AText) {
  int Base = 10;
  if (AText.size() > 2 && AText[0] == '0' && (AText[1] == 'x' || AText[1] == 'X')) {
    AText.remove_prefix(2);
    Base = 16;
  }
  if (AText.empty() || AText.front() == '+' || (Base == 16 && AText.front() == '-')) return std::nullopt;
  int64_t Value = 0;
  const char* End = AText.data() + AText.size();
  const auto [Ptr, Error] = std::from_chars(AText.data(), End, Value, Base);
  if (Error != std::errc() || Ptr != End || Value < INT32_MIN || Value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(Value);
}

}  // namespace

TIniFile::TIniFile(std::string_view AText) {
  const std::string_view Text = SkipUtf8Bom(AText);
  FUtf8Bom = Text.size() != AText.size();
  for (const std::string_view Line : SplitLines(Text)) FLines.emplace_back(Line);
}

std::optional<TIniFile::TRange> TIniFile::FindSection(std::string_view ASection) const {
  for (size_t I = 0; I < FLines.size(); ++I) {
    const auto Name = SectionName(FLines[I]);
    if (!Name || !SameTextAscii(*Name, ASection)) continue;
    size_t End = I + 1;
    while (End < FLines.size() && !SectionName(FLines[End])) ++End;
    return TRange{I, End};
  }
  return std::nullopt;
}

std::optional<size_t> TIniFile::FindKey(const TRange& ARange, std::string_view AKey) const {
  for (size_t I = ARange.Header + 1; I < ARange.End; ++I)
    if (SameTextAscii(SplitEntry(FLines[I]).Key, AKey)) return I;
  return std::nullopt;
}

std::optional<std::string> TIniFile::ReadString(std::string_view ASection, std::string_view AKey) const {
  const auto Section = FindSection(ASection);
  if (!Section) return std::nullopt;
  const auto Line = FindKey(*Section, AKey);
  if (!Line) return std::nullopt;
  std::string_view Value = SplitEntry(FLines[*Line]).Value;
  if (Value.size() >= 2 && (Value.front() == '"' || Value.front() == '\'') && Value.back() == Value.front())
    Value = Value.substr(1, Value.size() - 2);
  return std::string(Value);
}

std::optional<int32_t> TIniFile::ReadInteger(std::string_view ASection, std::string_view AKey) const {
  const auto Text = ReadString(ASection, AKey);
  return Text ? ParseInteger(*Text) : std::nullopt;
}

void TIniFile::WriteString(std::string_view ASection, std::string_view AKey, std::string_view AValue) {
  const auto Section = FindSection(ASection);
  if (!Section) {
    std::string Header("[");
    Header.append(ASection).append(1, ']');
    FLines.push_back(std::move(Header));
    FLines.push_back(EntryLine(AKey, AValue));
    return;
  }
  if (const auto Line = FindKey(*Section, AKey)) {
    // The key keeps the spelling the file gave it.
    FLines[*Line] = EntryLine(SplitEntry(FLines[*Line]).Key, AValue);
    return;
  }
  size_t Insert = Section->End;
  while (Insert > Section->Header + 1 && Trim(FLines[Insert - 1]).empty()) --Insert;
  FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(Insert), EntryLine(AKey, AValue));
}

std::string TIniFile::Text() const {
  std::string Out = FUtf8Bom ? std::string(kUtf8Bom) : std::string();
  for (const std::string& Line : FLines) Out.append(Line).append("\r\n");
  return Out;
}

}  // namespace nevra
