#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nevra {

// A transfer that failed: no connection, a time-out, an error status, a redirect that was not
// to be followed. what() is a sentence a user can read.
class EHttpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What the progress handler can read about the response under way.
struct THttpProgress {
  // Body bytes received so far (after any chunked framing has been removed).
  int64_t BytesSoFar = 0;
  // The Content-Length the server announced; 0 or less when it announced none.
  int64_t ContentLength = -1;
  // The Transfer-Encoding header as the server sent it; empty when there was none.
  std::string TransferEncoding;
};

using THttpProgressHandler = std::function<void(const THttpProgress&)>;
using THttpDataHandler = std::function<void(std::string_view)>;

// One HTTP client: plain GET requests over http://host[:port]/path, one after the other, on a
// connection it may keep open between them. Releasing it closes that connection.
class IHttpClient {
 public:
  // Redirects in a row that are followed before the request fails.
  static constexpr int kMaxRedirects = 10;

  virtual ~IHttpClient() = default;
  virtual void SetUserAgent(const std::string& AUserAgent) = 0;
  // Follow up to kMaxRedirects redirects in a row; when off (the default), a redirect response
  // fails the request like an error status does.
  virtual void SetFollowRedirects(bool AFollow) = 0;
  // How long one read may wait for data; 0 (the default) waits as long as the connection lives.
  virtual void SetReadTimeout(uint32_t AMilliseconds) = 0;
  // Called on the calling thread after each piece of the body has been handed on.
  virtual void SetOnProgress(THttpProgressHandler AHandler) = 0;
  // GETs AUrl and hands the body to AOnData piece by piece, in order, on the calling thread.
  // Any status outside 200-299 fails the request before any data is handed on. Throws
  // EHttpError; an exception thrown by AOnData or the progress handler aborts the transfer and
  // leaves Get unchanged.
  virtual void Get(const std::string& AUrl, const THttpDataHandler& AOnData) = 0;
  // Closes the connection kept open for another request, if any. May throw EHttpError.
  virtual void Disconnect() = 0;
};

class IHttpClientFactory {
 public:
  virtual ~IHttpClientFactory() = default;
  // AProcessMessages: the GUI thread's pending window messages are handled while the client
  // waits on the network, so the windows stay responsive.
  virtual std::unique_ptr<IHttpClient> CreateClient(bool AProcessMessages) = 0;
};

}  // namespace nevra
