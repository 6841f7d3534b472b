#include "update/NewVersionCheck.h"

#include <exception>
#include <stdexcept>
#include <vector>

#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/Text.h"
#include "product/AppInfo.h"
#include "update/UpdateClient.h"

namespace nevra {

namespace {

// The version check waits this long for each read before it gives up.
constexpr uint32_t kReadTimeoutMs = 10000;

// A version number as the documents write it: decimal digits and nothing else, no sign, no
// blanks.
int32_t ParseVersionNumber(std::string_view AText) {
  if (AText.empty() || AText.find_first_not_of("0123456789") != std::string_view::npos)
    throw std::runtime_error("not a version number");
  const auto Value = ParseInt32(AText);
  if (!Value) throw std::runtime_error("version number out of range");
  return *Value;
}

// "26" is shown as "2.6": a decimal point before the last digit, the digits as written.
std::string DisplayVersion(std::string ADigits) {
  ADigits.insert(ADigits.size() - 1, ".");
  return ADigits;
}

std::string FetchText(IHttpClient& AClient, const std::string& AUrl) {
  std::string Body;
  AClient.Get(AUrl, [&Body](std::string_view APiece) { Body.append(APiece); });
  return Body;
}

std::vector<std::string> NonEmptyLines(std::string_view AText) {
  std::vector<std::string> Lines;
  for (std::string_view Line : SplitLines(SkipUtf8Bom(AText)))
    if (!Line.empty()) Lines.emplace_back(Line);
  return Lines;
}

bool OfferFrom(const std::string& AFirstLine, const std::vector<std::string>& AChanges, TUpdateOffer& AOffer) {
  const size_t Slash = AFirstLine.find('/');
  if (Slash == std::string::npos) return false;
  const std::string LatestText = AFirstLine.substr(0, Slash);
  const int32_t Latest = ParseVersionNumber(LatestText);
  const int32_t Minimum = ParseVersionNumber(std::string_view(AFirstLine).substr(Slash + 1));
  const bool Forced = Minimum > OwnVersionNumber();
  if (!Forced && Latest <= OwnVersionNumber()) return false;

  const char* Template = Forced ? "This version of the software is out of date. You must download the current "
                                  "version %s to continue using the software."
                                : "The new version %s is available";
  std::string Message = Format(Translate(Template), {DisplayVersion(LatestText)});
  Message += "\r\n\r\n" + Translate("What's new:") + "\r\n";
  for (const std::string& Change : AChanges) Message += Change + "\r\n";
  AOffer.UpdateForced = Forced;
  AOffer.NewVersionMessage = std::move(Message);
  return true;
}

}  // namespace

int32_t OwnVersionNumber() {
  std::string Digits;
  for (const char* C = kVersion; *C != '\0'; ++C)
    if (*C != '.') Digits += *C;
  return ParseVersionNumber(Digits);
}

bool CheckNewVersion(IHttpClientFactory& AHttp, const TUpdateSite& ASite, TUpdateOffer& AOffer) {
  try {
    std::string FirstLine;
    std::vector<std::string> Changes;
    {
      const TUpdateClient Client(AHttp, false);
      Client->SetFollowRedirects(true);
      Client->SetReadTimeout(kReadTimeoutMs);
      const std::string Version = FetchText(*Client, ASite.Url(kVersionDocumentPath));
      const auto VersionLines = SplitLines(SkipUtf8Bom(Version));
      if (VersionLines.empty()) return false;
      FirstLine = VersionLines.front();
      Changes = NonEmptyLines(FetchText(*Client, ASite.Url(kChangeLogPath)));
    }
    return OfferFrom(FirstLine, Changes, AOffer);
  } catch (const std::exception&) {
    // No network, an error status, a malformed document or template: the program simply
    // starts as it is.
    return false;
  }
}

}  // namespace nevra
