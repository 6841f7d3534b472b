// The New Version dialog: the offer, the download with its progress and Abort, the check of
// who signed the installer, and what start-up does with the outcome.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/Startup.h"
#include "i18n/Translation.h"
#include "platform/fake/FakePlatform.h"
#include "product/AppInfo.h"
#include "support/TestUpdateSite.h"
#include "update/NewVersionForm.h"

namespace nevra::test {
namespace {

using fake::TFakeHttpResponse;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kInstallerPath = "C:\\Users\\Tester\\AppData\\Local\\Temp\\nevra_update.exe";
constexpr const char* kFailureText = "Failed to download update. Please download manually on website.\r\n\r\n";

class NewVersionDialogTest : public ::testing::Test {
 protected:
  NewVersionDialogTest() {
    GTranslations() = TTranslations();
    P.App.SetTitle(kApplicationTitle);
    Offer.NewVersionMessage = "The new version 2.6 is available\r\n\r\nWhat's new:\r\nFaster\r\n";
  }
  ~NewVersionDialogTest() override { GTranslations() = TTranslations(); }

  // The installer on the server, in pieces of 250 bytes, signed by AWho.
  void ServeInstaller(TFakeHttpResponse AResponse, const std::string& AWho = "Nevra Test Publisher") {
    P.Http.Responses[kTestSite.Url("/download/nevraautoclicker.exe")] = std::move(AResponse);
    if (!AWho.empty()) P.Signatures.Signed[kInstallerPath] = {AWho, "Nevra Test CA"};
  }
  static std::string Installer() { return std::string(1000, 'x'); }

  // Shows the dialog; AUser acts while it is open.
  int32_t Show(const std::function<void(TfrmNewVersion&)>& AUser, const TUpdateSite& ASite = kTestSite) {
    TfrmNewVersion Dialog(P.Platform, ASite, Offer);
    P.App.WhileModal = [&](TForm&) { AUser(Dialog); };
    P.App.ShowModal(Dialog);
    return Dialog.Tag();
  }
  int32_t UpdateNow(const TUpdateSite& ASite = kTestSite) {
    return Show([](TfrmNewVersion& D) { D.btUpdateNow.Click(); }, ASite);
  }
  std::string FailureShown() const {
    if (P.Dialogs.Shown.size() != 1) return "(" + std::to_string(P.Dialogs.Shown.size()) + " message boxes)";
    EXPECT_EQ(P.Dialogs.Shown[0].Kind, TMessageKind::mkError);
    return P.Dialogs.Shown[0].Text;
  }

  fake::TFakePlatform P;
  TUpdateOffer Offer;
};

TEST_F(NewVersionDialogTest, OffersTheUpdateAndDecliningEndsTheProgramOnlyWhenItIsMandatory) {
  struct TCase {
    bool Forced;
    bool CloseBox;  // else the Skip/Exit button
    std::string CancelCaption;
    int32_t Tag;
  };
  for (const TCase& Case : std::vector<TCase>{
           {false, false, "Skip", 1}, {false, true, "Skip", 1}, {true, false, "Exit", 0}, {true, true, "Exit", 0}}) {
    SCOPED_TRACE(Case.CancelCaption + (Case.CloseBox ? " by the close box" : " by the button"));
    Offer.UpdateForced = Case.Forced;
    const int32_t Tag = Show([&](TfrmNewVersion& D) {
      EXPECT_EQ(D.Caption(), " " + std::string(kApplicationTitle));
      EXPECT_EQ(D.memMessage.Text(), Offer.NewVersionMessage);
      EXPECT_EQ(D.btUpdateNow.Caption(), "Update Now");
      EXPECT_TRUE(D.btUpdateNow.Enabled());
      EXPECT_EQ(D.btCancel.Caption(), Case.CancelCaption);
      EXPECT_FALSE(D.prgDownload.Visible());
      if (Case.CloseBox)
        D.Close();
      else
        D.btCancel.Click();
    });
    EXPECT_EQ(Tag, Case.Tag);
  }
  EXPECT_TRUE(P.Http.Requests.empty());
  EXPECT_TRUE(P.Shell.Opened.empty());
}

TEST_F(NewVersionDialogTest, UpdateNowDownloadsWithProgressStartsTheSignedInstallerAndEnds) {
  ServeInstaller(TFakeHttpResponse::Sized(Installer(), 250));
  std::vector<int32_t> Bar;
  const int32_t Tag = Show([&](TfrmNewVersion& D) {
    P.Http.WhileWaiting = [&](size_t) {
      EXPECT_EQ(D.btCancel.Caption(), "Abort");
      EXPECT_FALSE(D.btUpdateNow.Enabled());
      EXPECT_TRUE(D.prgDownload.Visible());
      Bar.push_back(D.prgDownload.Position());
    };
    D.btUpdateNow.Click();
    Bar.push_back(D.prgDownload.Position());
  });
  EXPECT_EQ(Tag, 0) << "the installer takes over";
  EXPECT_THAT(Bar, ElementsAre(0, 25, 50, 75, 100));
  EXPECT_EQ(P.Files.Files[kInstallerPath], Installer());
  EXPECT_THAT(P.Signatures.Checked, ElementsAre(kInstallerPath));
  EXPECT_THAT(P.Shell.Started, ElementsAre(kInstallerPath));
  EXPECT_TRUE(P.Dialogs.Shown.empty());
  EXPECT_TRUE(P.Shell.Opened.empty());
  ASSERT_EQ(P.Http.Requests.size(), 1u);
  EXPECT_EQ(P.Http.Requests[0].Url, "http://updates.nevra.test:8080/download/nevraautoclicker.exe");
  EXPECT_EQ(P.Http.Requests[0].UserAgent, "Mozilla/4.0 (compatible; MyApp)");
  EXPECT_FALSE(P.Http.Requests[0].FollowRedirects);
  EXPECT_EQ(P.Http.Requests[0].ReadTimeoutMs, 0u);
  EXPECT_TRUE(P.Http.Requests[0].ProcessMessages);
  EXPECT_EQ(P.Http.Released, 1);
  EXPECT_EQ(P.Http.Disconnects, 1);
}

TFakeHttpResponse WithLength(TFakeHttpResponse AResponse, int64_t ALength) {
  AResponse.ContentLength = ALength;
  return AResponse;
}

class NoProgressTest : public NewVersionDialogTest, public ::testing::WithParamInterface<TFakeHttpResponse> {};

TEST_P(NoProgressTest, ChunkedOrUnannouncedLengthsLeaveTheBarAtZero) {
  ServeInstaller(GetParam());
  std::vector<int32_t> Bar;
  Show([&](TfrmNewVersion& D) {
    P.Http.WhileWaiting = [&](size_t) { Bar.push_back(D.prgDownload.Position()); };
    D.btUpdateNow.Click();
    Bar.push_back(D.prgDownload.Position());
  });
  EXPECT_THAT(Bar, ::testing::Each(0));
  EXPECT_EQ(P.Shell.Started.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Responses, NoProgressTest,
                         ::testing::Values(TFakeHttpResponse::Chunked({"ab", "cd", "ef"}),
                                           WithLength(TFakeHttpResponse::Sized(std::string(1000, 'x'), 250), 0),
                                           WithLength(TFakeHttpResponse::Chunked({"ab", "cd"}), 4)));

// Abort pressed while the client waits for piece N of the body (0: before any data).
class AbortTest : public NewVersionDialogTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(AbortTest, StopsTheDownloadAtTheNextProgressReport) {
  ServeInstaller(TFakeHttpResponse::Sized(Installer(), 250));
  const int32_t Tag = Show([&](TfrmNewVersion& D) {
    P.Http.WhileWaiting = [&](size_t APiece) {
      if (APiece == GetParam()) D.btCancel.Click();
    };
    D.btUpdateNow.Click();
  });
  EXPECT_EQ(Tag, 0);
  EXPECT_EQ(FailureShown(), std::string(kFailureText) + "Download is cancelled. Please download manually.");
  EXPECT_THAT(P.Shell.Opened, ElementsAre("https://www.nevra.test"));
  EXPECT_TRUE(P.Shell.Started.empty());
  EXPECT_EQ(P.Files.Files[kInstallerPath].size(), 250 * (GetParam() + 1))
      << "the piece that came with the abort is written, the file is left as it is";
}

INSTANTIATE_TEST_SUITE_P(BeforeAndDuringData, AbortTest, ::testing::Values(size_t{0}, size_t{2}));

TEST_F(NewVersionDialogTest, NoConnectionShowsTheClientsReasonOpensTheWebSiteAndEnds) {
  EXPECT_EQ(UpdateNow(), 0);
  EXPECT_EQ(FailureShown(),
            std::string(kFailureText) +
                "Cannot connect to the server for http://updates.nevra.test:8080/download/nevraautoclicker.exe.");
  EXPECT_THAT(P.Shell.Opened, ElementsAre("https://www.nevra.test"));
  EXPECT_TRUE(P.Shell.Started.empty());
  EXPECT_EQ(P.Http.Released, 1);
}

TEST_F(NewVersionDialogTest, ATemporaryFileThatCannotBeMadeFailsBeforeTheRequest) {
  P.Files.Unwritable.insert(kInstallerPath);
  ServeInstaller(TFakeHttpResponse::Sized(Installer()));
  EXPECT_EQ(UpdateNow(), 0);
  EXPECT_EQ(FailureShown(), std::string(kFailureText) + "cannot create " + kInstallerPath);
  EXPECT_TRUE(P.Http.Requests.empty());
  EXPECT_TRUE(P.Shell.Started.empty());
}

struct TSignatureCase {
  std::string Name;
  std::string SignedBy;  // empty: unsigned
  TUpdateSite Site;
  std::string Reason;
};

TUpdateSite PinnedTo(std::string ASubject, std::string AIssuer) {
  TUpdateSite Site = kTestSite;
  Site.PublisherSubject = std::move(ASubject);
  Site.PublisherIssuer = std::move(AIssuer);
  return Site;
}

class RefusedInstallerTest : public NewVersionDialogTest, public ::testing::WithParamInterface<TSignatureCase> {};

TEST_P(RefusedInstallerTest, IsDeletedAndNotStarted) {
  const TSignatureCase& Case = GetParam();
  ServeInstaller(TFakeHttpResponse::Sized(Installer()), Case.SignedBy);
  EXPECT_EQ(UpdateNow(Case.Site), 0);
  EXPECT_EQ(FailureShown(), kFailureText + Case.Reason);
  EXPECT_TRUE(P.Shell.Started.empty());
  EXPECT_EQ(P.Files.Files.count(kInstallerPath), 0u);
  EXPECT_THAT(P.Shell.Opened, ElementsAre("https://www.nevra.test"));
}

INSTANTIATE_TEST_SUITE_P(
    Signers, RefusedInstallerTest,
    ::testing::Values(
        TSignatureCase{"Unsigned", "", kTestSite, "The downloaded file was not started: The file is not signed."},
        TSignatureCase{"SomeoneElse", "Someone Else", kTestSite,
                       "The downloaded file is signed by Someone Else (Nevra Test CA), not by Nevra Test Publisher "
                       "(Nevra Test CA), so it was not started."},
        TSignatureCase{"OurNameFromAnotherIssuer", "Nevra Test Publisher", PinnedTo("Nevra Test Publisher", "Real CA"),
                       "The downloaded file is signed by Nevra Test Publisher (Nevra Test CA), not by Nevra Test "
                       "Publisher (Real CA), so it was not started."},
        TSignatureCase{"BuildWithoutPublisher", "Nevra Test Publisher", PinnedTo("", ""),
                       "This copy of the program cannot check who made the downloaded file, so it was not started."}),
    [](const auto& AInfo) { return AInfo.param.Name; });

// Start-up with an update on offer.
class UpdateAtStartupTest : public NewVersionDialogTest {
 protected:
  bool MainWindowMade() const {
    return std::find(P.App.Calls.begin(), P.App.Calls.end(), "CreateMainWindow") != P.App.Calls.end();
  }
};

TEST_F(UpdateAtStartupTest, SkippingAnOptionalUpdateOpensTheMainWindow) {
  ServeVersionDocuments(P.Http, "26/25");
  P.App.WhileModal = [](TForm& ADialog) { static_cast<TfrmNewVersion&>(ADialog).btCancel.Click(); };
  EXPECT_EQ(RunApplication(P.Platform, kTestSite), 0);
  EXPECT_THAT(P.App.Calls, ::testing::IsSupersetOf({"ShowModal:frmNewVersion", "CreateMainWindow"}));
}

TEST_F(UpdateAtStartupTest, DecliningAMandatoryUpdateEndsBeforeTheMainWindowAndTouchesNothing) {
  ServeVersionDocuments(P.Http, "26/26");
  P.App.WhileModal = [](TForm& ADialog) {
    auto& Dialog = static_cast<TfrmNewVersion&>(ADialog);
    EXPECT_EQ(Dialog.btCancel.Caption(), "Exit");
    Dialog.btCancel.Click();
  };
  EXPECT_EQ(RunApplication(P.Platform, kTestSite), 0);
  EXPECT_FALSE(MainWindowMade());
  EXPECT_EQ(P.Files.Writes, 0) << "no settings saved";
  EXPECT_TRUE(P.Files.Folders.empty()) << "no macro folder made";
  EXPECT_TRUE(P.Hotkeys.Calls.empty());
}

TEST_F(UpdateAtStartupTest, NoUpdateShowsNoDialog) {
  ServeVersionDocuments(P.Http, "25/25");
  RunApplication(P.Platform, kTestSite);
  EXPECT_TRUE(MainWindowMade());
  EXPECT_EQ(std::count(P.App.Calls.begin(), P.App.Calls.end(), "ShowModal:frmNewVersion"), 0);
}

}  // namespace
}  // namespace nevra::test
