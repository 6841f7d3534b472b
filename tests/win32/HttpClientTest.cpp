// The WinHTTP client against the loopback server that run.sh starts (http_test_server.py): whole
// bodies in both framings, progress, aborting from a handler, redirects, errors, time-outs, and
// the window messages handled while a request waits.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "TestWindow.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/http/Win32HttpClient.h"
#include "platform/win32/services/Win32Environment.h"
#include "platform/win32/services/Win32MessagePump.h"

namespace nevra::win32 {
namespace {

// What the server sends for a body of ASize bytes.
std::string ServerBody(size_t ASize) {
  std::string Body(ASize, '\0');
  for (size_t I = 0; I < ASize; ++I) Body[I] = static_cast<char>((I * 7 + 3) % 256);
  return Body;
}

// Thrown from a handler to abort a transfer.
struct TStopTransfer {};

class Win32HttpClient : public ::testing::Test {
 protected:
  void SetUp() override {
    FPort = TWin32Environment().GetVariable("NEVRA_HTTP_TEST_PORT");
    FRefusedPort = TWin32Environment().GetVariable("NEVRA_HTTP_REFUSED_PORT");
    if (FPort.empty()) GTEST_SKIP() << "no test server: run the tier with tests/win32/run.sh (needs python3)";
  }
  // "$server" and "$refused" in AUrl stand for the test server and a port nothing listens on.
  std::string Url(std::string AUrl) const {
    for (const auto& [Name, Port] :
         {std::pair{std::string("$server"), FPort}, std::pair{std::string("$refused"), FRefusedPort}})
      if (const size_t At = AUrl.find(Name); At != std::string::npos)
        AUrl.replace(At, Name.size(), "127.0.0.1:" + Port);
    return AUrl;
  }
  static std::string Fetch(IHttpClient& AClient, const std::string& AUrl) {
    std::string Body;
    AClient.Get(AUrl, [&](std::string_view APiece) { Body.append(APiece); });
    return Body;
  }

  TWin32MessagePump Pump;
  TWin32HttpClientFactory Factory{Pump};

 private:
  std::string FPort;
  std::string FRefusedPort;
};

struct TBodyCase {
  const char* Name;
  const char* Url;
  size_t Size;
  bool FollowRedirects;
  bool ProcessMessages;
  bool LengthAnnounced;
  const char* TransferEncoding;
  // The body comes in pieces as they arrive (at most 64 KiB each), each one reported.
  size_t MinReports;
};
void PrintTo(const TBodyCase& ACase, std::ostream* AOut) { *AOut << ACase.Url; }

class Win32HttpClientBody : public Win32HttpClient, public ::testing::WithParamInterface<TBodyCase> {};

TEST_P(Win32HttpClientBody, ArrivesWholeAndInOrderWithProgressAfterEachPiece) {
  const TBodyCase& Case = GetParam();
  auto Client = Factory.CreateClient(Case.ProcessMessages);
  Client->SetFollowRedirects(Case.FollowRedirects);
  const DWORD CallingThread = ::GetCurrentThreadId();
  std::string Body;
  std::vector<THttpProgress> Reports;
  std::vector<size_t> ReceivedAtReport;
  bool AllOnCallingThread = true;
  Client->SetOnProgress([&](const THttpProgress& AProgress) {
    AllOnCallingThread &= ::GetCurrentThreadId() == CallingThread;
    Reports.push_back(AProgress);
    ReceivedAtReport.push_back(Body.size());
  });
  Client->Get(Url(Case.Url), [&](std::string_view APiece) {
    AllOnCallingThread &= ::GetCurrentThreadId() == CallingThread;
    Body.append(APiece);
  });

  EXPECT_TRUE(Body == ServerBody(Case.Size)) << "got " << Body.size() << " bytes, not the " << Case.Size << " sent";
  EXPECT_TRUE(AllOnCallingThread);
  ASSERT_FALSE(Reports.empty());
  for (size_t I = 0; I < Reports.size(); ++I) {
    SCOPED_TRACE("report " + std::to_string(I));
    EXPECT_EQ(Reports[I].BytesSoFar, static_cast<int64_t>(ReceivedAtReport[I]));
    if (I > 0) {
      EXPECT_GT(Reports[I].BytesSoFar, Reports[I - 1].BytesSoFar);
    }
    if (Case.LengthAnnounced) {
      EXPECT_EQ(Reports[I].ContentLength, static_cast<int64_t>(Case.Size));
    } else {
      EXPECT_LE(Reports[I].ContentLength, 0);
    }
    EXPECT_EQ(Reports[I].TransferEncoding, Case.TransferEncoding);
  }
  EXPECT_EQ(Reports.back().BytesSoFar, static_cast<int64_t>(Case.Size));
  EXPECT_GE(Reports.size(), Case.MinReports);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Win32HttpClientBody,
    ::testing::Values(
        TBodyCase{"Sized", "http://$server/sized/300000", 300000, false, false, true, "", 5},
        TBodyCase{"SizedWhileHandlingMessages", "http://$server/sized/300000", 300000, false, true, true, "", 5},
        TBodyCase{"Chunked", "http://$server/chunked/150000", 150000, false, true, false, "chunked", 3},
        TBodyCase{"SlowPieces", "http://$server/slow/5/3000/100", 15000, false, true, true, "", 5},
        TBodyCase{"OneRedirectFollowed", "http://$server/redirect/1", 100, true, false, true, "", 1},
        TBodyCase{"TheMostRedirectsFollowed", "http://$server/redirect/10", 100, true, true, true, "", 1}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

struct TFailureCase {
  const char* Name;
  const char* Url;
  bool FollowRedirects;
  uint32_t ReadTimeoutMs;
  bool ProcessMessages;
  // How the message starts after "The server 127.0.0.1:PORT " or what it holds.
  const char* Message;
  // An error status fails the request before any of its body is handed on.
  bool NoData;
};
void PrintTo(const TFailureCase& ACase, std::ostream* AOut) { *AOut << ACase.Url; }

class Win32HttpClientFailure : public Win32HttpClient, public ::testing::WithParamInterface<TFailureCase> {};

TEST_P(Win32HttpClientFailure, ThrowsAReadableMessageThatNamesTheServer) {
  const TFailureCase& Case = GetParam();
  auto Client = Factory.CreateClient(Case.ProcessMessages);
  Client->SetFollowRedirects(Case.FollowRedirects);
  Client->SetReadTimeout(Case.ReadTimeoutMs);
  const std::string TheUrl = Url(Case.Url);
  size_t BytesHandedOn = 0;
  try {
    Client->Get(TheUrl, [&](std::string_view APiece) { BytesHandedOn += APiece.size(); });
    FAIL() << "no error";
  } catch (const EHttpError& AError) {
    const std::string Message = AError.what();
    EXPECT_NE(Message.find(Case.Message), std::string::npos) << Message;
    const size_t ServerAt = TheUrl.find("://") + 3;
    const std::string Server = TheUrl.substr(ServerAt, TheUrl.find('/', ServerAt) - ServerAt);
    EXPECT_NE(Message.find(Server), std::string::npos) << Message;
  }
  if (Case.NoData) {
    EXPECT_EQ(BytesHandedOn, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Win32HttpClientFailure,
    ::testing::Values(
        TFailureCase{"NotFound", "http://$server/status/404", false, 0, false, "answered 404 Not Found.", true},
        TFailureCase{"ServerError", "http://$server/status/500", true, 0, true, "answered 500 Internal Server Error.",
                     true},
        TFailureCase{"RedirectNotFollowed", "http://$server/redirect/1", false, 0, false, "answered 302 Found.", true},
        TFailureCase{"OneRedirectTooMany", "http://$server/redirect/11", true, 0, true,
                     "redirected the request too many times", true},
        TFailureCase{"NoAnswer", "http://$server/never", false, 500, false, "did not answer in time", true},
        TFailureCase{"NoAnswerWhileHandlingMessages", "http://$server/never", false, 500, true,
                     "did not answer in time", true},
        TFailureCase{"CutOff", "http://$server/truncated/100000", false, 0, true,
                     "ended before the whole file had arrived", false},
        TFailureCase{"Refused", "http://$refused/sized/10", false, 0, false, "Could not connect to the server", true},
        TFailureCase{"RefusedWhileHandlingMessages", "http://$refused/sized/10", false, 0, true,
                     "Could not connect to the server", true},
        TFailureCase{"NotHttp", "https://$server/sized/10", false, 0, false, "only http:// addresses", true}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST_F(Win32HttpClient, AnErrorFromAHandlerAbortsTheTransferAndComesOutUnchanged) {
  for (const bool FromProgress : {false, true}) {
    SCOPED_TRACE(FromProgress ? "thrown by the progress handler" : "thrown by the data handler");
    auto Client = Factory.CreateClient(true);
    int Pieces = 0;
    Client->SetOnProgress([&](const THttpProgress&) {
      if (FromProgress) throw TStopTransfer{};
    });
    // Twenty pieces, 100 ms apart: the transfer would run for two seconds.
    EXPECT_THROW(Client->Get(Url("http://$server/slow/20/1000/100"),
                             [&](std::string_view) {
                               ++Pieces;
                               if (!FromProgress) throw TStopTransfer{};
                             }),
                 TStopTransfer);
    EXPECT_EQ(Pieces, 1) << "nothing is handed on after the abort";
    Client->SetOnProgress(nullptr);
    EXPECT_TRUE(Fetch(*Client, Url("http://$server/sized/5000")) == ServerBody(5000)) << "the client stays usable";
  }
}

TEST_F(Win32HttpClient, SendsTheUserAgentItWasGivenLastAndReconnectsAfterDisconnect) {
  auto Client = Factory.CreateClient(false);
  Client->SetUserAgent("Mozilla/4.0 (compatible; MyApp)");
  EXPECT_EQ(Fetch(*Client, Url("http://$server/agent")), "Mozilla/4.0 (compatible; MyApp)");
  Client->SetUserAgent("Second Agent/2.0");
  EXPECT_EQ(Fetch(*Client, Url("http://$server/agent")), "Second Agent/2.0");
  Client->Disconnect();
  Client->Disconnect();
  EXPECT_EQ(Fetch(*Client, Url("http://$server/agent")), "Second Agent/2.0");
}

TEST_F(Win32HttpClient, HandlesWindowMessagesWhileWaitingOnlyWhenAskedTo) {
  for (const bool ProcessMessages : {true, false}) {
    SCOPED_TRACE(ProcessMessages ? "with message processing" : "without");
    test::TTestWindow Window;
    int Pieces = 0;
    int PiecesWhenHandled = -1;
    Window.OnMessage = [&](UINT AMessage, WPARAM, LPARAM) {
      if (AMessage != WM_APP) return false;
      PiecesWhenHandled = Pieces;
      return true;
    };
    ASSERT_TRUE(::PostMessageW(Window.Handle(), WM_APP, 0, 0));
    auto Client = Factory.CreateClient(ProcessMessages);
    // Three pieces, 200 ms apart.
    Client->Get(Url("http://$server/slow/3/100/200"), [&](std::string_view) { ++Pieces; });
    if (ProcessMessages) {
      EXPECT_GE(PiecesWhenHandled, 0) << "the message was not handled during the request";
      EXPECT_LT(PiecesWhenHandled, 3) << "the message was handled only once all had arrived";
    } else {
      EXPECT_EQ(PiecesWhenHandled, -1) << "a message was handled during the request";
      Pump.ProcessMessages();
      EXPECT_EQ(PiecesWhenHandled, 3);
    }
  }
}

}  // namespace
}  // namespace nevra::win32
