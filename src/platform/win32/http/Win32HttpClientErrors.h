#pragma once
#include <cstdint>
#include <string>

namespace nevra::win32 {

// The sentences the HTTP client's errors carry. AServer names the server as the address did
// ("example.com", "127.0.0.1:8080").

// A WinHTTP call that failed with AError (ERROR_WINHTTP_... or a system error code).
std::string HttpFailureText(unsigned long AError, const std::string& AServer);
// An answer with a status outside 200-299; AReason may be empty.
std::string HttpStatusText(uint32_t AStatus, const std::string& AReason, const std::string& AServer);
// The body ended before the announced Content-Length had arrived.
std::string HttpTruncatedText(const std::string& AServer);

}  // namespace nevra::win32
