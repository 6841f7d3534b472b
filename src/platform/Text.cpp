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

}  // namespace nevra
