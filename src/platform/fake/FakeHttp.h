#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Http.h"
#include "platform/Signature.h"

namespace nevra::fake {

// How the fake server answers one URL.
struct TFakeHttpResponse {
  // The body in the pieces it arrives in.
  std::vector<std::string> Pieces;
  // The announced Content-Length; 0 or less: none announced.
  int64_t ContentLength = -1;
  std::string TransferEncoding;
  // When set, the request fails with this message before any data arrives.
  std::string Error;

  // A body whose length is announced, arriving in pieces of APieceSize bytes.
  static TFakeHttpResponse Sized(const std::string& ABody, size_t APieceSize = 4096);
  static TFakeHttpResponse Chunked(std::vector<std::string> APieces);
  static TFakeHttpResponse Failing(std::string AMessage);
};

// An HTTP server and network in memory: URLs without a response cannot be reached.
class TFakeHttpClientFactory final : public IHttpClientFactory {
 public:
  struct TRequest {
    std::string Url;
    std::string UserAgent;
    bool FollowRedirects = false;
    uint32_t ReadTimeoutMs = 0;
    bool ProcessMessages = false;
  };

  std::map<std::string, TFakeHttpResponse> Responses;
  std::vector<TRequest> Requests;
  int Created = 0;
  int Released = 0;
  int Disconnects = 0;
  // What the user does while the client waits for piece APiece of a body (0: no data yet), as
  // the messages handled during the wait would do it.
  std::function<void(size_t APiece)> WhileWaiting;

  std::unique_ptr<IHttpClient> CreateClient(bool AProcessMessages) override;
};

// Signed files by path; any other file is unsigned.
class TFakeSignatureVerifier final : public ISignatureVerifier {
 public:
  std::map<std::string, TSignerNames> Signed;
  std::vector<std::string> Checked;
  TSignerNames VerifiedSigner(const std::string& APath) override;
};

}  // namespace nevra::fake
