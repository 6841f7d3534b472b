#pragma once
#include <cstdint>
#include <string>

namespace nevra {

class ILocale {
 public:
  virtual ~ILocale() = default;
  // The user's decimal separator (LOCALE_SDECIMAL), such as "." or ",".
  virtual std::string DecimalSeparator() = 0;
  // GetSystemDefaultUILanguage: a language id whose low 8 bits are the primary language.
  virtual uint16_t SystemDefaultUILanguage() = 0;
};

}  // namespace nevra
