#include "update/NewVersionForm.h"

#include <exception>
#include <memory>
#include <stdexcept>

#include "i18n/Translation.h"
#include "platform/Format.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "update/UpdateClient.h"

namespace nevra {

TfrmNewVersion::TfrmNewVersion(TPlatform& APlatform, const TUpdateSite& ASite, TUpdateOffer& AOffer)
    : TForm("frmNewVersion", 411, 232),
      imgUpdate(this, this, "imgUpdate", XYWH(9, 15, 70, 75), "update-icon"),
      prgDownload(this, this, "prgDownload", XYWH(8, 175, 369, 17)),
      // Wider than the English captions need, keeping the right edge: "Jetzt aktualisieren" and
      // "Überspringen" must fit too.
      btUpdateNow(this, this, "btUpdateNow", XYWH(126, 196, 140, 25)),
      btCancel(this, this, "btCancel", XYWH(274, 196, 100, 25)),
      // Where the designed label was, 60 units higher (the dialog grew by as much): the offer
      // and two or three changes show before it scrolls.
      memMessage(this, this, "memMessage", XYWH(90, 11, 287, 151)),
      FPlatform(APlatform),
      FSite(ASite),
      FOffer(AOffer) {
  SetCaption("New Version");
  prgDownload.SetVisible(false);
  btUpdateNow.SetCaption("Update Now");
  btCancel.SetCaption("Cancel");
  btUpdateNow.OnClick = [this] { btUpdateNowClick(); };
  btCancel.OnClick = [this] { btCancelClick(); };
}

void TfrmNewVersion::FormShow() {
  SetTag(1);
  SetRightToLeft(GTranslations().RightToLeft());
  SetCaption(" " + FPlatform.App.Title());
  btUpdateNow.SetCaption(Translate("Update Now"));
  btCancel.SetCaption(Translate(FOffer.UpdateForced ? "Exit" : "Skip"));
  memMessage.SetText(FOffer.NewVersionMessage);
}

void TfrmNewVersion::FormClose() {
  if (FOffer.UpdateForced) SetTag(0);
}

void TfrmNewVersion::btCancelClick() {
  if (btCancel.Caption() == Translate("Abort")) {
    // The download stops at its next progress report.
    FDownloadCancelRequested = true;
    return;
  }
  Close();
}

void TfrmNewVersion::btUpdateNowClick() {
  // From here on the program ends when the dialog closes, whatever becomes of the download.
  FOffer.UpdateForced = true;
  try {
    Download(DownloadPath());
  } catch (const std::exception& E) {
    FPlatform.Dialogs.ShowMessage(
        TMessageKind::mkError,
        Translate("Failed to download update. Please download manually on website.") + "\r\n\r\n" + E.what());
    FPlatform.Shell.Open(FSite.HomePage);
  }
  Close();
}

std::string TfrmNewVersion::DownloadPath() const {
  return FPlatform.Environment.TempFolder() + "\\" + kDownloadFileName;
}

void TfrmNewVersion::Download(const std::string& ATarget) {
  const TUpdateClient Client(FPlatform.Http, true);
  FDownloadCancelRequested = false;
  Client->SetOnProgress([this](const THttpProgress& AProgress) { DownloadWork(AProgress); });
  btCancel.SetCaption(Translate("Abort"));
  btUpdateNow.SetEnabled(false);
  prgDownload.SetPosition(0);
  prgDownload.SetVisible(true);
  FPlatform.Pump.ProcessMessages();

  {
    const std::unique_ptr<IOutputFile> File = FPlatform.Files.CreateOutputFile(ATarget);
    // A failed transfer leaves what has arrived; the file is closed when it goes.
    Client->Get(FSite.Url(kInstallerPath), [&File](std::string_view APiece) { File->Write(APiece); });
    File->Close();
  }
  if (!FPlatform.Files.FileExists(ATarget)) throw std::runtime_error(Translate("Cannot find downloaded file."));
  try {
    VerifyPublisher(ATarget);
  } catch (const std::exception&) {
    // Nobody should start it by hand from the temporary folder either.
    try {
      FPlatform.Files.RemoveFile(ATarget);
    } catch (const EFileError&) {
      // The reason why it was not started matters more than this.
    }
    throw;
  }
  FPlatform.Shell.Start(ATarget);
}

void TfrmNewVersion::VerifyPublisher(const std::string& APath) {
  // The installer came over plain HTTP: anyone on the way could have replaced it, so only a file
  // signed by our own publisher is started.
  if (FSite.PublisherSubject.empty())
    throw std::runtime_error(
        Translate("This copy of the program cannot check who made the downloaded file, so it was not started."));
  TSignerNames Signer;
  try {
    Signer = FPlatform.Signatures.VerifiedSigner(APath);
  } catch (const ESignatureError& E) {
    throw std::runtime_error(Format(Translate("The downloaded file was not started: %s"), {std::string(E.what())}));
  }
  if (Signer.Subject != FSite.PublisherSubject || Signer.Issuer != FSite.PublisherIssuer) {
    const auto Describe = [](const std::string& ASubject, const std::string& AIssuer) {
      return ASubject + " (" + AIssuer + ")";
    };
    throw std::runtime_error(
        Format(Translate("The downloaded file is signed by %s, not by %s, so it was not started."),
               {Describe(Signer.Subject, Signer.Issuer), Describe(FSite.PublisherSubject, FSite.PublisherIssuer)}));
  }
}

void TfrmNewVersion::DownloadWork(const THttpProgress& AProgress) {
  if (FDownloadCancelRequested) throw std::runtime_error(Translate("Download is cancelled. Please download manually."));
  const std::string Encoding = LowerAscii(AProgress.TransferEncoding);
  if (Encoding.find("chunked") != std::string::npos || AProgress.ContentLength <= 0) return;
  prgDownload.SetPosition(static_cast<int32_t>(AProgress.BytesSoFar * 100 / AProgress.ContentLength));
  FPlatform.Pump.ProcessMessages();
}

}  // namespace nevra
