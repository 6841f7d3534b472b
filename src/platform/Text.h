#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace nevra {

// A whole decimal number in the signed 32-bit range: an optional sign and digits, with blanks
// around them allowed; anything else gives nothing.
std::optional<int32_t> ParseInt32(std::string_view AText);

}  // namespace nevra
