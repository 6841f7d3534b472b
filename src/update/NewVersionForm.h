#pragma once
#include <string>

#include "platform/Http.h"
#include "platform/controls/Control.h"
#include "platform/controls/StdControls.h"
#include "update/NewVersionCheck.h"
#include "update/UpdateSite.h"

namespace nevra {

struct TPlatform;

// The modal dialog that offers a newer version at start-up: Skip (or Exit when the update is
// mandatory), or Update Now, which downloads the installer into the temporary folder with a
// progress bar and an Abort button, checks who signed it, starts it and ends the program.
// Tag() once it has closed: 1 start-up goes on, 0 the program ends.
class TfrmNewVersion final : public TForm {
 public:
  TfrmNewVersion(TPlatform& APlatform, const TUpdateSite& ASite, TUpdateOffer& AOffer);

  TImage imgUpdate;
  TProgressBar prgDownload;
  TButton btUpdateNow;
  TButton btCancel;
  // The offer and the change log, which comes from the web site and can be any length: it
  // scrolls. After the buttons in tab order, so the keyboard starts on Update Now as before.
  TMemo memMessage;

  void btCancelClick();
  void btUpdateNowClick();
  // The HTTP client's progress report during the download.
  void DownloadWork(const THttpProgress& AProgress);

  // The downloaded installer's name in the temporary folder.
  static constexpr const char* kDownloadFileName = "nevra_update.exe";

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  std::string DownloadPath() const;
  void Download(const std::string& ATarget);
  // Throws with the reason when the file must not be started.
  void VerifyPublisher(const std::string& APath);

  TPlatform& FPlatform;
  const TUpdateSite& FSite;
  TUpdateOffer& FOffer;
  bool FDownloadCancelRequested = false;
};

}  // namespace nevra
