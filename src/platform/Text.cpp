#include "platform/Text.h"

#include <charconv>

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

std::vector<std::string_view> SplitLines(std::string_view AText) {
  std::vector<std::string_view> Lines;
  size_t Start = 0;
  while (Start < AText.size()) {
    const size_t Break = AText.find_first_of("\r\n", Start);
    if (Break == std::string_view::npos) {
      Lines.push_back(AText.substr(Start));
      break;
    }
    Lines.push_back(AText.substr(Start, Break - Start));
    Start = Break + 1;
    if (AText[Break] == '\r' && Start < AText.size() && AText[Start] == '\n') ++Start;
  }
  return Lines;
}

}  // namespace nevra
