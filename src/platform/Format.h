#pragma once
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace nevra {

using TFormatArg = std::variant<std::string, int64_t, double>;

class EFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Fills a message template. It knows %s (text), %d (whole number), %f with an optional width
// and precision such as %0.1f (number with that many decimals, ADecimalSeparator between the
// whole and the fraction) and %%. A placeholder whose argument is missing or of another kind
// throws EFormatError, so a translated template with the wrong placeholder is reported, never
// misread; arguments left over are ignored.
std::string Format(std::string_view ATemplate, std::initializer_list<TFormatArg> AArgs,
                   std::string_view ADecimalSeparator = ".");

}  // namespace nevra
