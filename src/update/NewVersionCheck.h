#pragma once
#include <cstdint>
#include <string>

#include "platform/Http.h"
#include "update/UpdateSite.h"

namespace nevra {

// What the version check found, for the New Version dialog.
struct TUpdateOffer {
  // The running version may no longer be used: declining the update ends the program.
  bool UpdateForced = false;
  // The dialog's text: the offer, then what is new.
  std::string NewVersionMessage;
};

// The program's own version as the version documents write it: "2.5" is 25.
int32_t OwnVersionNumber();

// Asks the maker's site whether a newer version is out (once, at start-up, on the GUI thread).
// True: an update is offered and AOffer says which. Every failure (no network, an error status,
// a malformed document, a broken translation) counts as no update, silently.
bool CheckNewVersion(IHttpClientFactory& AHttp, const TUpdateSite& ASite, TUpdateOffer& AOffer);

}  // namespace nevra
