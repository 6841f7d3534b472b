// What the version documents on the maker's site make of the start-up.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "i18n/Translation.h"
#include "platform/fake/FakePlatform.h"
#include "support/TestUpdateSite.h"
#include "update/NewVersionCheck.h"

namespace nevra::test {
namespace {

using fake::TFakeHttpResponse;

constexpr const char* kOptionalText = "The new version %s is available";
constexpr const char* kMandatoryText =
    "This version of the software is out of date. You must download the current version %s to continue using the "
    "software.";

class VersionCheckTest : public ::testing::Test {
 protected:
  VersionCheckTest() { GTranslations() = TTranslations(); }
  ~VersionCheckTest() override { GTranslations() = TTranslations(); }

  void Serve(const std::string& AVersionDocument, const std::string& AChangeLog = "Faster clicks\r\n") {
    ServeVersionDocuments(P.Http, AVersionDocument, AChangeLog);
  }
  bool Check() { return CheckNewVersion(P.Http, kTestSite, Offer); }

  fake::TFakePlatform P;
  TUpdateOffer Offer;
};

TEST_F(VersionCheckTest, TheFirstLineDecides) {
  struct TCase {
    std::string Document;
    bool Offered;
    bool Forced;
    std::string Heading;  // the message's first line
  };
  const std::vector<TCase> Cases{
      {"26/25", true, false, "The new version 2.6 is available"},
      {"26/26", true, true,
       "This version of the software is out of date. You must download the current version 2.6 "
       "to continue using the software."},
      {"25/25", false, false, ""},
      {"25/26", true, true,
       "This version of the software is out of date. You must download the current version 2.5 "
       "to continue using the software."},
      {"100/25", true, false, "The new version 10.0 is available"},
      {"026/25", true, false, "The new version 02.6 is available"},
      {"24/25", false, false, ""},
      {"\xEF\xBB\xBF"
       "26/25\r\n30/30 is not the first line",
       true, false, "The new version 2.6 is available"},
      {"26/25\n", true, false, "The new version 2.6 is available"},
      {"26", false, false, ""},
      {"26/25 ", false, false, ""},
      {" 26/25", false, false, ""},
      {"2a/25", false, false, ""},
      {"26/+25", false, false, ""},
      {"/25", false, false, ""},
      {"99999999999/25", false, false, ""},
      {"", false, false, ""},
      {"\r\n26/25", false, false, ""},
  };
  for (const TCase& Case : Cases) {
    fake::TFakePlatform Fresh;
    TUpdateOffer Found;
    ServeVersionDocuments(Fresh.Http, Case.Document);
    EXPECT_EQ(CheckNewVersion(Fresh.Http, kTestSite, Found), Case.Offered) << Case.Document;
    EXPECT_EQ(Found.UpdateForced, Case.Forced) << Case.Document;
    if (Case.Offered)
      EXPECT_EQ(Found.NewVersionMessage, Case.Heading + "\r\n\r\nWhat's new:\r\nFaster clicks\r\n") << Case.Document;
    else
      EXPECT_EQ(Found.NewVersionMessage, "") << Case.Document;
  }
}

TEST_F(VersionCheckTest, AsksTheSiteOnceForEachDocumentOnOneClient) {
  Serve("26/25\r\n");
  EXPECT_TRUE(Check());
  ASSERT_EQ(P.Http.Requests.size(), 2u);
  EXPECT_EQ(P.Http.Requests[0].Url, "http://updates.nevra.test:8080/download/version/nevraautoclicker-version.html");
  EXPECT_EQ(P.Http.Requests[1].Url, "http://updates.nevra.test:8080/download/version/nevraautoclicker-changes.html");
  for (const auto& Request : P.Http.Requests) {
    EXPECT_EQ(Request.UserAgent, "Mozilla/4.0 (compatible; MyApp)");
    EXPECT_TRUE(Request.FollowRedirects);
    EXPECT_EQ(Request.ReadTimeoutMs, 10000u);
    EXPECT_FALSE(Request.ProcessMessages) << "no window exists yet";
  }
  EXPECT_EQ(P.Http.Created, 1);
  EXPECT_EQ(P.Http.Disconnects, 1);
  EXPECT_EQ(P.Http.Released, 1);
}

TEST_F(VersionCheckTest, TheChangeLogLosesOnlyItsEmptyLines) {
  Serve("27/25",
        "\xEF\xBB\xBF"
        "Recorder keeps the last point\r\n\r\n\nNew languages\r  \rFixes\n\n");
  ASSERT_TRUE(Check());
  EXPECT_EQ(Offer.NewVersionMessage,
            "The new version 2.7 is available\r\n\r\nWhat's new:\r\nRecorder keeps the last point\r\nNew languages\r\n"
            "  \r\nFixes\r\n");
}

TEST_F(VersionCheckTest, AnyFailureMeansNoUpdateSilently) {
  {
    SCOPED_TRACE("the version document cannot be had: the change log is not asked for");
    P.Http.Responses[kTestSite.Url(kVersionDocumentPath)] = TFakeHttpResponse::Failing("The server answered 404.");
    EXPECT_FALSE(Check());
    EXPECT_EQ(P.Http.Requests.size(), 1u);
  }
  {
    SCOPED_TRACE("the change log fails: an announced update is cancelled");
    fake::TFakePlatform Fresh;
    Fresh.Http.Responses[kTestSite.Url(kVersionDocumentPath)] = TFakeHttpResponse::Sized("26/26");
    Fresh.Http.Responses[kTestSite.Url(kChangeLogPath)] = TFakeHttpResponse::Failing("The server answered 500.");
    EXPECT_FALSE(CheckNewVersion(Fresh.Http, kTestSite, Offer));
    EXPECT_FALSE(Offer.UpdateForced);
    EXPECT_EQ(Fresh.Http.Released, 1);
  }
  {
    SCOPED_TRACE("no network at all");
    fake::TFakePlatform Fresh;
    EXPECT_FALSE(CheckNewVersion(Fresh.Http, kTestSite, Offer));
    EXPECT_TRUE(Fresh.Dialogs.Shown.empty());
  }
  EXPECT_TRUE(P.Dialogs.Shown.empty());
}

TEST_F(VersionCheckTest, TemplatesAreTranslatedBeforeFormattingAndABrokenOneEndsTheCheck) {
  GTranslations().SetCode("de");
  GTranslations().Parse(std::string("2\nEnglish\nDeutsch\nen\nde\n") + kOptionalText +
                        "\nVersion %s ist da\nWhat's new:\nNeu:\n" + kMandatoryText + "\nVeraltet: %d\n");
  Serve("26/25", "Mehr\n");
  ASSERT_TRUE(Check());
  EXPECT_EQ(Offer.NewVersionMessage, "Version 2.6 ist da\r\n\r\nNeu:\r\nMehr\r\n");

  fake::TFakePlatform Fresh;
  TUpdateOffer Mandatory;
  ServeVersionDocuments(Fresh.Http, "26/26", "Mehr\n");
  EXPECT_FALSE(CheckNewVersion(Fresh.Http, kTestSite, Mandatory)) << "%d cannot take the version text";
  EXPECT_FALSE(Mandatory.UpdateForced);
  EXPECT_TRUE(Fresh.Dialogs.Shown.empty());
}

TEST(OwnVersion, IsTheVersionWithoutItsPoint) { EXPECT_EQ(OwnVersionNumber(), 25); }

}  // namespace
}  // namespace nevra::test
