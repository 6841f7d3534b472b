#include "platform/fake/FakeHttp.h"

#include <algorithm>
#include <utility>

namespace nevra::fake {

TFakeHttpResponse TFakeHttpResponse::Sized(const std::string& ABody, size_t APieceSize) {
  TFakeHttpResponse Response;
  for (size_t At = 0; At < ABody.size(); At += APieceSize) Response.Pieces.push_back(ABody.substr(At, APieceSize));
  Response.ContentLength = static_cast<int64_t>(ABody.size());
  return Response;
}

TFakeHttpResponse TFakeHttpResponse::Chunked(std::vector<std::string> APieces) {
  TFakeHttpResponse Response;
  Response.Pieces = std::move(APieces);
  Response.TransferEncoding = "chunked";
  return Response;
}

TFakeHttpResponse TFakeHttpResponse::Failing(std::string AMessage) {
  TFakeHttpResponse Response;
  Response.Error = std::move(AMessage);
  return Response;
}

namespace {

class TFakeHttpClient final : public IHttpClient {
 public:
  TFakeHttpClient(TFakeHttpClientFactory& AServer, bool AProcessMessages)
      : FServer(AServer), FProcessMessages(AProcessMessages) {}
  ~TFakeHttpClient() override { ++FServer.Released; }

  void SetUserAgent(const std::string& AUserAgent) override { FUserAgent = AUserAgent; }
  void SetFollowRedirects(bool AFollow) override { FFollow = AFollow; }
  void SetReadTimeout(uint32_t AMilliseconds) override { FReadTimeout = AMilliseconds; }
  void SetOnProgress(THttpProgressHandler AHandler) override { FOnProgress = std::move(AHandler); }
  void Disconnect() override { ++FServer.Disconnects; }

  void Get(const std::string& AUrl, const THttpDataHandler& AOnData) override {
    FServer.Requests.push_back({AUrl, FUserAgent, FFollow, FReadTimeout, FProcessMessages});
    const auto Found = FServer.Responses.find(AUrl);
    if (Found == FServer.Responses.end()) throw EHttpError("Cannot connect to the server for " + AUrl + ".");
    const TFakeHttpResponse& Response = Found->second;
    if (!Response.Error.empty()) throw EHttpError(Response.Error);
    THttpProgress Progress{0, Response.ContentLength, Response.TransferEncoding};
    for (size_t Piece = 0; Piece < Response.Pieces.size(); ++Piece) {
      if (FServer.WhileWaiting) FServer.WhileWaiting(Piece);
      AOnData(Response.Pieces[Piece]);
      Progress.BytesSoFar += static_cast<int64_t>(Response.Pieces[Piece].size());
      if (FOnProgress) FOnProgress(Progress);
    }
  }

 private:
  TFakeHttpClientFactory& FServer;
  bool FProcessMessages;
  std::string FUserAgent;
  bool FFollow = false;
  uint32_t FReadTimeout = 0;
  THttpProgressHandler FOnProgress;
};

}  // namespace

std::unique_ptr<IHttpClient> TFakeHttpClientFactory::CreateClient(bool AProcessMessages) {
  ++Created;
  return std::make_unique<TFakeHttpClient>(*this, AProcessMessages);
}

TSignerNames TFakeSignatureVerifier::VerifiedSigner(const std::string& APath) {
  Checked.push_back(APath);
  const auto Found = Signed.find(APath);
  if (Found == Signed.end()) throw ESignatureError("The file is not signed.");
  return Found->second;
}

}  // namespace nevra::fake
