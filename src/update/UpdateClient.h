#pragma once
#include <memory>

#include "platform/Http.h"

namespace nevra {

// The HTTP client of one update step (the check, the download), introduced to the maker's server
// with our User-Agent. When it goes, the connection is closed first; a failure to close it is of
// no interest by then.
class TUpdateClient {
 public:
  TUpdateClient(IHttpClientFactory& AFactory, bool AProcessMessages);
  ~TUpdateClient();
  TUpdateClient(const TUpdateClient&) = delete;
  TUpdateClient& operator=(const TUpdateClient&) = delete;

  IHttpClient* operator->() const { return FClient.get(); }
  IHttpClient& operator*() const { return *FClient; }

 private:
  std::unique_ptr<IHttpClient> FClient;
};

}  // namespace nevra
