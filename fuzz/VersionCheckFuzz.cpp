// Any bytes as the version document and the change log on the maker's site. The check never
// crashes and never throws; it offers an update exactly when the first line is
// "<latest>/<minimum>" (digits only, each a 32-bit number) and either number is above our own
// version, forces it exactly when the minimum is, and its message holds every non-empty line of
// the change log.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Text.h"
#include "platform/fake/FakePlatform.h"
#include "update/NewVersionCheck.h"

namespace {

const nevra::TUpdateSite kSite{"updates.nevra.test", "https://www.nevra.test", "", ""};

std::optional<int64_t> Number(std::string_view AText) {
  if (AText.empty()) return std::nullopt;
  int64_t Value = 0;
  for (const char C : AText) {
    if (C < '0' || C > '9') return std::nullopt;
    Value = Value * 10 + (C - '0');
    if (Value > INT32_MAX) return std::nullopt;
  }
  return Value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  FuzzedDataProvider Data(AData, ASize);
  const std::string Version = Data.ConsumeRandomLengthString(64);
  const std::string Changes = Data.ConsumeRemainingBytesAsString();

  nevra::fake::TFakePlatform Platform;
  Platform.Http.Responses[kSite.Url(nevra::kVersionDocumentPath)] = nevra::fake::TFakeHttpResponse::Sized(Version, 7);
  Platform.Http.Responses[kSite.Url(nevra::kChangeLogPath)] = nevra::fake::TFakeHttpResponse::Sized(Changes, 5);
  nevra::TUpdateOffer Offer;
  const bool Offered = nevra::CheckNewVersion(Platform.Http, kSite, Offer);

  const auto Lines = nevra::SplitLines(nevra::SkipUtf8Bom(Version));
  const std::string_view First = Lines.empty() ? std::string_view() : Lines.front();
  const size_t Slash = First.find('/');
  const auto Latest = Number(First.substr(0, Slash));
  const auto Minimum = Slash == std::string_view::npos ? std::nullopt : Number(First.substr(Slash + 1));
  const int32_t Own = nevra::OwnVersionNumber();
  const bool Valid = Latest && Minimum;
  if (Offered != (Valid && (*Latest > Own || *Minimum > Own))) __builtin_trap();
  if (!Offered) return 0;
  if (Offer.UpdateForced != (*Minimum > Own)) __builtin_trap();
  for (const std::string_view Change : nevra::SplitLines(nevra::SkipUtf8Bom(Changes)))
    if (!Change.empty() && Offer.NewVersionMessage.find(Change) == std::string::npos) __builtin_trap();
  return 0;
}
