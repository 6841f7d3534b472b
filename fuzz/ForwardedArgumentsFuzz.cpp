// Any bytes as the data another process sends the first copy, and arguments made from them. The
// first copy believes nothing it has not checked; what the packing promises:
// - unpacking never crashes, and takes exactly the data packing can make: ended by a NUL (or
//   empty), well-formed UTF-8, not too long;
// - what unpacks are arguments without a NUL in well-formed UTF-8 that pack back to the very same
//   bytes;
// - arguments a later copy can have (well-formed UTF-8, no NUL) pack and unpack to themselves.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "StrictUtf8.h"
#include "platform/ForwardedArguments.h"

namespace {

void CheckReceived(std::string_view AData) {
  const auto Unpacked = nevra::UnpackArguments(AData);
  const bool Packable = AData.size() <= nevra::kMostForwardedBytes && (AData.empty() || AData.back() == '\0') &&
                        nevra::fuzz::IsStrictUtf8(AData);
  if (Unpacked.has_value() != Packable) __builtin_trap();
  if (!Unpacked) return;
  for (const std::string& Argument : *Unpacked)
    if (Argument.find('\0') != std::string::npos || !nevra::fuzz::IsStrictUtf8(Argument)) __builtin_trap();
  if (nevra::PackArguments(*Unpacked) != AData) __builtin_trap();
}

// The input cut at its NUL bytes, each piece made well-formed: arguments a command line can give.
std::vector<std::string> ArgumentsFrom(std::string_view AData) {
  std::vector<std::string> Arguments;
  while (!AData.empty()) {
    const size_t End = AData.find('\0');
    Arguments.push_back(nevra::fuzz::RepairedUtf8(AData.substr(0, End)));
    AData.remove_prefix(End == std::string_view::npos ? AData.size() : End + 1);
  }
  return Arguments;
}

void CheckSent(const std::vector<std::string>& AArguments) {
  const std::string Packed = nevra::PackArguments(AArguments);
  if (nevra::UnpackArguments(Packed) != AArguments) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  const std::string_view Data(reinterpret_cast<const char*>(AData), ASize);
  CheckReceived(Data);
  CheckSent(ArgumentsFrom(Data));
  return 0;
}
