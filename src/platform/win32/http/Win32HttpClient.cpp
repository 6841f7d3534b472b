#include "platform/win32/http/Win32HttpClient.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/Win32Text.h"
#include "platform/win32/http/Win32BlockingCallRunner.h"
#include "platform/win32/http/Win32HttpClientErrors.h"
#include "platform/win32/http/Win32HttpClientHandles.h"

namespace nevra::win32 {

namespace {

// The limits before a request gets through to the server. On a machine without any network the
// name either fails to resolve at once or the lookup runs into its limit; a name the resolver
// still has cached gets as far as connecting. Either way a check gives up within the sum of
// these two (5 s) instead of WinHTTP's 60 s connect default, and the program checks at start-up
// while the user waits. Sending the few hundred bytes of a GET fills no socket buffer, so the
// send limit only matters for a connection that dies half-way.
constexpr int kResolveTimeoutMs = 2000;
constexpr int kConnectTimeoutMs = 3000;
constexpr int kSendTimeoutMs = 3000;

// The most handed to the data handler at once.
constexpr DWORD kPieceSize = 64 * 1024;

// Where a URL points.
struct TTarget {
  std::wstring Host;
  INTERNET_PORT Port = INTERNET_DEFAULT_HTTP_PORT;
  std::wstring PathAndQuery;
  // For messages: the host, with the port when the address names one.
  std::string Server;
};

TTarget CrackHttpUrl(const std::string& AUrl) {
  const std::wstring Url = Widen(AUrl);
  URL_COMPONENTS Parts{};
  Parts.dwStructSize = sizeof(Parts);
  Parts.dwSchemeLength = static_cast<DWORD>(-1);
  Parts.dwHostNameLength = static_cast<DWORD>(-1);
  Parts.dwUrlPathLength = static_cast<DWORD>(-1);
  Parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!::WinHttpCrackUrl(Url.c_str(), static_cast<DWORD>(Url.size()), 0, &Parts) || Parts.dwHostNameLength == 0)
    throw EHttpError("The address " + AUrl + " is not a valid web address.");
  if (Parts.nScheme != INTERNET_SCHEME_HTTP)
    throw EHttpError("The address " + AUrl + " cannot be fetched: only http:// addresses can.");
  TTarget Target;
  Target.Host.assign(Parts.lpszHostName, Parts.dwHostNameLength);
  Target.Port = Parts.nPort;
  Target.PathAndQuery.assign(Parts.lpszUrlPath, Parts.dwUrlPathLength);
  Target.PathAndQuery.append(Parts.lpszExtraInfo, Parts.dwExtraInfoLength);
  if (Target.PathAndQuery.empty()) Target.PathAndQuery = L"/";
  Target.Server = Narrow(Target.Host);
  if (Target.Port != INTERNET_DEFAULT_HTTP_PORT) Target.Server += ":" + std::to_string(Target.Port);
  return Target;
}

// A response header as text; nullopt when the response has none.
std::optional<std::wstring> HeaderText(HINTERNET ARequest, DWORD AHeader) {
  DWORD Bytes = 0;
  ::WinHttpQueryHeaders(ARequest, AHeader, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER, &Bytes,
                        WINHTTP_NO_HEADER_INDEX);
  if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
  std::wstring Text(Bytes / sizeof(wchar_t) + 1, L'\0');
  if (!::WinHttpQueryHeaders(ARequest, AHeader, WINHTTP_HEADER_NAME_BY_INDEX, Text.data(), &Bytes,
                             WINHTTP_NO_HEADER_INDEX))
    return std::nullopt;
  Text.resize(Bytes / sizeof(wchar_t));
  return Text;
}

// The announced Content-Length; -1 when there is none (or it is not a number). Read as text, as
// WINHTTP_QUERY_FLAG_NUMBER stops at 32 bits and FLAG_NUMBER64 needs Windows 8.
int64_t ContentLength(HINTERNET ARequest) {
  const std::string Text = Narrow(HeaderText(ARequest, WINHTTP_QUERY_CONTENT_LENGTH).value_or(L""));
  int64_t Length = -1;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Length);
  if (Error != std::errc{} || End != Text.data() + Text.size() || Length < 0) return -1;
  return Length;
}

// Marks the client busy for the length of one request, so that a message handler that runs
// meanwhile cannot start another one on it.
class TBusyScope {
 public:
  explicit TBusyScope(bool& ABusy) : FBusy(ABusy) {
    if (FBusy) throw std::logic_error("The HTTP client is already busy with a request.");
    FBusy = true;
  }
  ~TBusyScope() { FBusy = false; }
  TBusyScope(const TBusyScope&) = delete;
  TBusyScope& operator=(const TBusyScope&) = delete;

 private:
  bool& FBusy;
};

class TWin32HttpClient final : public IHttpClient {
 public:
  explicit TWin32HttpClient(IMessagePump* APump) : FRunner(APump) {}

  void SetUserAgent(const std::string& AUserAgent) override {
    if (AUserAgent == FUserAgent) return;
    TBusyScope Busy(FBusy);
    FUserAgent = AUserAgent;
    // The session carries the agent: the next request opens one with the new agent.
    CloseSession();
  }
  void SetFollowRedirects(bool AFollow) override { FFollowRedirects = AFollow; }
  void SetReadTimeout(uint32_t AMilliseconds) override { FReadTimeoutMs = AMilliseconds; }
  void SetOnProgress(THttpProgressHandler AHandler) override { FOnProgress = std::move(AHandler); }
  void Get(const std::string& AUrl, const THttpDataHandler& AOnData) override;
  void Disconnect() override {
    TBusyScope Busy(FBusy);
    // Closing the session, not just the connection handle, drops the socket WinHTTP keeps alive.
    CloseSession();
  }

 private:
  void CloseSession() {
    FConnection.Reset();
    FSession.Reset();
  }
  HINTERNET ConnectionTo(const TTarget& ATarget);
  TInternetOwner OpenRequest(const TTarget& ATarget);
  // Runs one blocking WinHTTP step (through the runner) that reports failure with FALSE.
  template <typename TStep>
  void RunStep(const TTarget& ATarget, TStep AStep);
  void CheckStatus(HINTERNET ARequest, const TTarget& ATarget);
  void ReceiveBody(HINTERNET ARequest, const TTarget& ATarget, const THttpDataHandler& AOnData);

  TBlockingCallRunner FRunner;
  std::string FUserAgent;
  bool FFollowRedirects = false;
  uint32_t FReadTimeoutMs = 0;
  THttpProgressHandler FOnProgress;
  bool FBusy = false;
  // Declared in this order so the connection is closed before its session.
  TInternetOwner FSession;
  TInternetOwner FConnection;
  std::wstring FConnectedHost;
  INTERNET_PORT FConnectedPort = 0;
};

[[noreturn]] void FailWith(DWORD AError, const TTarget& ATarget) {
  throw EHttpError(HttpFailureText(AError, ATarget.Server));
}

HINTERNET TWin32HttpClient::ConnectionTo(const TTarget& ATarget) {
  if (FConnection && FConnectedHost == ATarget.Host && FConnectedPort == ATarget.Port) return FConnection.Get();
  FConnection.Reset();
  if (!FSession) {
    FSession.Reset(::WinHttpOpen(Widen(FUserAgent).c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                 WINHTTP_NO_PROXY_BYPASS, 0));
    if (!FSession) FailWith(::GetLastError(), ATarget);
  }
  FConnection.Reset(::WinHttpConnect(FSession.Get(), ATarget.Host.c_str(), ATarget.Port, 0));
  if (!FConnection) FailWith(::GetLastError(), ATarget);
  FConnectedHost = ATarget.Host;
  FConnectedPort = ATarget.Port;
  return FConnection.Get();
}

TInternetOwner TWin32HttpClient::OpenRequest(const TTarget& ATarget) {
  TInternetOwner Request(::WinHttpOpenRequest(ConnectionTo(ATarget), L"GET", ATarget.PathAndQuery.c_str(), nullptr,
                                              WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
  if (!Request) FailWith(::GetLastError(), ATarget);
  // No read time-out means: wait as long as the connection lives, for the headers as for the data.
  const DWORD ReadTimeout = FReadTimeoutMs == 0 ? INFINITE : FReadTimeoutMs;
  const int ReceiveTimeout = FReadTimeoutMs == 0 ? -1 : static_cast<int>(std::min<uint32_t>(FReadTimeoutMs, INT_MAX));
  DWORD RedirectPolicy =
      FFollowRedirects ? WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP : WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
  DWORD MaxRedirects = kMaxRedirects;
  const auto SetDword = [&](DWORD AOption, const DWORD& AValue) {
    return ::WinHttpSetOption(Request.Get(), AOption, const_cast<DWORD*>(&AValue), sizeof(AValue)) != FALSE;
  };
  if (!::WinHttpSetTimeouts(Request.Get(), kResolveTimeoutMs, kConnectTimeoutMs, kSendTimeoutMs, ReceiveTimeout) ||
      !SetDword(WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, ReadTimeout) ||
      !SetDword(WINHTTP_OPTION_REDIRECT_POLICY, RedirectPolicy) ||
      (FFollowRedirects && !SetDword(WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, MaxRedirects)))
    FailWith(::GetLastError(), ATarget);
  return Request;
}

template <typename TStep>
void TWin32HttpClient::RunStep(const TTarget& ATarget, TStep AStep) {
  DWORD Error = ERROR_SUCCESS;
  FRunner.Run([&] {
    if (!AStep()) Error = ::GetLastError();
  });
  if (Error != ERROR_SUCCESS) FailWith(Error, ATarget);
}

void TWin32HttpClient::CheckStatus(HINTERNET ARequest, const TTarget& ATarget) {
  DWORD Status = 0;
  DWORD Bytes = sizeof(Status);
  if (!::WinHttpQueryHeaders(ARequest, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &Status, &Bytes, WINHTTP_NO_HEADER_INDEX))
    FailWith(::GetLastError(), ATarget);
  if (Status >= 200 && Status <= 299) return;
  const std::string Reason = Narrow(HeaderText(ARequest, WINHTTP_QUERY_STATUS_TEXT).value_or(L""));
  throw EHttpError(HttpStatusText(Status, Reason, ATarget.Server));
}

void TWin32HttpClient::ReceiveBody(HINTERNET ARequest, const TTarget& ATarget, const THttpDataHandler& AOnData) {
  THttpProgress Progress;
  Progress.ContentLength = ContentLength(ARequest);
  Progress.TransferEncoding = Narrow(HeaderText(ARequest, WINHTTP_QUERY_TRANSFER_ENCODING).value_or(L""));
  std::vector<char> Piece(kPieceSize);
  for (;;) {
    DWORD Received = 0;
    // Waits for the next piece; none at the end of the body.
    RunStep(ATarget, [&] {
      DWORD Available = 0;
      if (!::WinHttpQueryDataAvailable(ARequest, &Available)) return false;
      return Available == 0 ||
             ::WinHttpReadData(ARequest, Piece.data(), std::min(Available, kPieceSize), &Received) != FALSE;
    });
    if (Received == 0) break;
    AOnData(std::string_view(Piece.data(), Received));
    Progress.BytesSoFar += Received;
    if (FOnProgress) FOnProgress(Progress);
  }
  // A connection that drops mid-way can look like the end of the body; a cut-off download must
  // not pass for a whole one. (With a Transfer-Encoding the framing decides where the body ends
  // and a Content-Length beside it means nothing.)
  if (Progress.TransferEncoding.empty() && Progress.ContentLength >= 0 && Progress.BytesSoFar != Progress.ContentLength)
    throw EHttpError(HttpTruncatedText(ATarget.Server));
}

void TWin32HttpClient::Get(const std::string& AUrl, const THttpDataHandler& AOnData) {
  TBusyScope Busy(FBusy);
  const TTarget Target = CrackHttpUrl(AUrl);
  // Closing the request handle on the way out, also when a handler throws, aborts the transfer;
  // the session and connection stay for the next request.
  const TInternetOwner Request = OpenRequest(Target);
  RunStep(Target, [&] {
    return ::WinHttpSendRequest(Request.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) &&
           ::WinHttpReceiveResponse(Request.Get(), nullptr);
  });
  CheckStatus(Request.Get(), Target);
  ReceiveBody(Request.Get(), Target, AOnData);
}

}  // namespace

std::unique_ptr<IHttpClient> TWin32HttpClientFactory::CreateClient(bool AProcessMessages) {
  return std::make_unique<TWin32HttpClient>(AProcessMessages ? &FPump : nullptr);
}

}  // namespace nevra::win32
