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

size_t Utf8CharLength(std::string_view AText, size_t AAt) {
  const auto Byte = [&](size_t AOffset) { return static_cast<unsigned char>(AText[AAt + AOffset]); };
  const unsigned char Lead = Byte(0);
  const size_t Length = Lead < 0x80                      ? 1
                        : (Lead >= 0xC2 && Lead <= 0xDF) ? 2
                        : (Lead >= 0xE0 && Lead <= 0xEF) ? 3
                        : (Lead >= 0xF0 && Lead <= 0xF4) ? 4
                                                         : 0;
  if (Length == 0 || AAt + Length > AText.size()) return 0;
  for (size_t K = 1; K < Length; ++K)
    if ((Byte(K) & 0xC0) != 0x80) return 0;
  // The second byte decides the forms a lead byte alone cannot rule out: overlong, surrogates
  // and code points above U+10FFFF.
  const unsigned char Next = Length >= 3 ? Byte(1) : 0x80;
  if ((Lead == 0xE0 && Next < 0xA0) || (Lead == 0xED && Next > 0x9F) || (Lead == 0xF0 && Next < 0x90) ||
      (Lead == 0xF4 && Next > 0x8F))
    return 0;
  return Length;
}

bool IsValidUtf8(std::string_view AText) {
  for (size_t At = 0; At < AText.size();) {
    const size_t Length = Utf8CharLength(AText, At);
    if (Length == 0) return false;
    At += Length;
  }
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
