#pragma once
#include <string>

#include "platform/fake/FakeHttp.h"
#include "update/UpdateSite.h"

namespace nevra::test {

// The update site the tests' builds point at, with the publisher the test certificates name.
inline const TUpdateSite kTestSite{"updates.nevra.test:8080", "https://www.nevra.test", "Nevra Test Publisher",
                                   "Nevra Test CA"};

// The test site answers the version check with these two documents.
inline void ServeVersionDocuments(fake::TFakeHttpClientFactory& AServer, const std::string& AVersionDocument,
                                  const std::string& AChangeLog = "Faster clicks\r\n") {
  AServer.Responses[kTestSite.Url(kVersionDocumentPath)] = fake::TFakeHttpResponse::Sized(AVersionDocument);
  AServer.Responses[kTestSite.Url(kChangeLogPath)] = fake::TFakeHttpResponse::Sized(AChangeLog);
}

}  // namespace nevra::test
