#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/SingleInstance.h"

namespace nevra::win32 {

// Placeholder until copies find each other: every copy runs on its own.
class TWin32SingleInstance final : public ISingleInstance {
 public:
  bool Claim() override { return true; }
  std::optional<int> Forward(const std::vector<std::string>& /*AArguments*/) override { return std::nullopt; }
  void SetReceiver(std::function<int(const std::vector<std::string>&)> /*AReceiver*/) override {}
};

}  // namespace nevra::win32
