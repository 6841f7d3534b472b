#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nevra {

// How a later copy's command line travels to the first copy (the bytes of one WM_COPYDATA): each
// argument in UTF-8 followed by one NUL byte, in order; no arguments, no bytes. The first copy
// takes these bytes from another process, so it believes nothing it has not checked.

// More than any command line can hold: Windows allows 32,767 UTF-16 units, at most three UTF-8
// bytes each.
inline constexpr size_t kMostForwardedBytes = 128 * 1024;

// Throws std::invalid_argument for an argument that holds a NUL or arguments beyond
// kMostForwardedBytes, neither of which a command line can give.
std::string PackArguments(const std::vector<std::string>& AArguments);

// The arguments PackArguments packed into AData; nothing for data it could not have made: longer
// than kMostForwardedBytes, not ended by a NUL, or not valid UTF-8.
std::optional<std::vector<std::string>> UnpackArguments(std::string_view AData);

}  // namespace nevra
