#include "update/UpdateClient.h"

#include <exception>

#include "update/UpdateSite.h"

namespace nevra {

TUpdateClient::TUpdateClient(IHttpClientFactory& AFactory, bool AProcessMessages)
    : FClient(AFactory.CreateClient(AProcessMessages)) {
  FClient->SetUserAgent(kUpdateUserAgent);
}

TUpdateClient::~TUpdateClient() {
  try {
    FClient->Disconnect();
  } catch (const std::exception&) {
    // What was fetched has arrived, or the step has failed already.
  }
}

}  // namespace nevra
