#include "platform/ForwardedArguments.h"

#include <stdexcept>

#include "platform/Text.h"

namespace nevra {

std::string PackArguments(const std::vector<std::string>& AArguments) {
  std::string Data;
  for (const std::string& Argument : AArguments) {
    if (Argument.find('\0') != std::string::npos) throw std::invalid_argument("an argument holds a NUL character");
    Data += Argument;
    Data += '\0';
  }
  if (Data.size() > kMostForwardedBytes) throw std::invalid_argument("the arguments are too long to forward");
  return Data;
}

std::optional<std::vector<std::string>> UnpackArguments(std::string_view AData) {
  if (AData.size() > kMostForwardedBytes || (!AData.empty() && AData.back() != '\0') || !IsValidUtf8(AData))
    return std::nullopt;
  std::vector<std::string> Arguments;
  while (!AData.empty()) {
    const size_t End = AData.find('\0');
    Arguments.emplace_back(AData.substr(0, End));
    AData.remove_prefix(End + 1);
  }
  return Arguments;
}

}  // namespace nevra
