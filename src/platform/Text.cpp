#include "platform/Text.h"

#include <charconv>
#include <cstring>

namespace nevra {

std::optional<int32_t> ParseInt32(std::string_view AText) {
  while (!AText.empty() && (AText.front() == ' ' || AText.front() == '\t')) AText.remove_prefix(1);
  while (!AText.empty() && (AText.back() == ' ' || AText.back() == '\t')) AText.remove_suffix(1);
  if (!AText.empty() && AText.front() == '+') {
    AText.remove_prefix(1);
    if (!AText.empty() && AText.front() == '-') return std::nullopt;
  }
  if (AText.empty()) return std::nullopt;
  int32_t Value = 0;
  const char* End = AText.data() + AText.size();
  const auto [Ptr, Error] = std::from_chars(AText.data(), End, Value, 10);
  if (Error != std::errc() || Ptr != End) return std::nullopt;
  return Value;
}

namespace {
char LowerAsciiChar(char C) { return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C; }
}  // namespace

std::string LowerAscii(std::string_view AText) {
  std::string Lower(AText);
  for (char& C : Lower) C = LowerAsciiChar(C);
  return Lower;
}

bool SameTextAscii(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  for (size_t I = 0; I < A.size(); ++I)
    if (LowerAsciiChar(A[I]) != LowerAsciiChar(B[I])) return false;
  return true;
}

std::string_view SkipUtf8Bom(std::string_view AText) {
  if (AText.substr(0, kUtf8Bom.size()) == kUtf8Bom) AText.remove_prefix(kUtf8Bom.size());
  return AText;
}

bool TLineReader::Next(std::string_view& ALine) {
  if (FRest.empty()) return false;
  // Line feeds end nearly every line, so look for one first (memchr is fast) and only then for
  // a carriage return before it.
  const char* Begin = FRest.data();
  const auto* Feed = static_cast<const char*>(std::memchr(Begin, '\n', FRest.size()));
  const size_t Searched = Feed != nullptr ? static_cast<size_t>(Feed - Begin) : FRest.size();
  const auto* Return = static_cast<const char*>(std::memchr(Begin, '\r', Searched));
  size_t Length = Searched, Skip = Feed != nullptr ? 1 : 0;
  if (Return != nullptr) {
    Length = static_cast<size_t>(Return - Begin);
    Skip = (Feed == Return + 1) ? 2 : 1;
  }
  ALine = FRest.substr(0, Length);
  FRest.remove_prefix(Length + Skip);
  return true;
}

std::vector<std::string_view> SplitLines(std::string_view AText) {
  std::vector<std::string_view> Lines;
  TLineReader Reader(AText);
  for (std::string_view Line; Reader.Next(Line);) Lines.push_back(Line);
  return Lines;
}

}  // namespace nevra
