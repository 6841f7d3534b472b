#pragma once
#include "platform/Locale.h"

namespace nevra::win32 {

// The user's regional settings and the system's display language.
class TWin32Locale final : public ILocale {
 public:
  std::string DecimalSeparator() override;
  uint16_t SystemDefaultUILanguage() override;
};

}  // namespace nevra::win32
