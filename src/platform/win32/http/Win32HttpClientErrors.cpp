#include "platform/win32/http/Win32HttpClientErrors.h"

#include <windows.h>
#include <winhttp.h>

#include "platform/win32/Win32Errors.h"

namespace nevra::win32 {

std::string HttpFailureText(unsigned long AError, const std::string& AServer) {
  // The failures a user meets most get a sentence of our own that names the server; the
  // system's texts for them are terse ("The operation timed out") or misleading (the redirect
  // text speaks of five attempts). Wine passes some socket errors on as they are.
  switch (AError) {
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
      return "The server " + AServer + " could not be found. Please check the connection to the Internet.";
    case ERROR_WINHTTP_CANNOT_CONNECT:
    case WSAECONNREFUSED:
    case WSAENETUNREACH:
    case WSAEHOSTUNREACH:
      return "Could not connect to the server " + AServer + ". Please check the connection to the Internet.";
    case ERROR_WINHTTP_TIMEOUT:
    case WSAETIMEDOUT: return "The server " + AServer + " did not answer in time.";
    case ERROR_WINHTTP_CONNECTION_ERROR:
    case WSAECONNRESET:
    case WSAECONNABORTED: return "The connection to the server " + AServer + " was broken off.";
    case ERROR_WINHTTP_REDIRECT_FAILED:
      return "The server " + AServer +
             " redirected the request too many times or to an address that cannot be followed.";
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE:
      return "The server " + AServer + " sent an answer that could not be understood.";
    default: break;
  }
  // WinHTTP's own texts live in winhttp.dll's message table.
  const std::string SystemText = FormatMessageText(AError, ::GetModuleHandleW(L"winhttp.dll"));
  if (SystemText.empty())
    return "The transfer from the server " + AServer + " failed (error " + std::to_string(AError) + ").";
  return "The transfer from the server " + AServer + " failed: " + SystemText;
}

std::string HttpStatusText(uint32_t AStatus, const std::string& AReason, const std::string& AServer) {
  std::string Text = "The server " + AServer + " answered " + std::to_string(AStatus);
  if (!AReason.empty()) Text += " " + AReason;
  return Text + ".";
}

std::string HttpTruncatedText(const std::string& AServer) {
  return "The connection to the server " + AServer + " ended before the whole file had arrived.";
}

}  // namespace nevra::win32
