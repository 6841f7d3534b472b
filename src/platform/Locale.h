#pragma once
#include <string>

namespace nevra {

class ILocale {
 public:
  virtual ~ILocale() = default;
  // The user's decimal separator (LOCALE_SDECIMAL), such as "." or ",".
  virtual std::string DecimalSeparator() = 0;
};

}  // namespace nevra
