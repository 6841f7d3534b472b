#pragma once
#include <memory>

#include "platform/Http.h"
#include "platform/Timers.h"

namespace nevra::win32 {

// HTTP clients on WinHTTP (synchronous calls, the system's proxy settings as set with netsh).
// Each client has a WinHTTP session of its own and keeps the connection to the last server for
// the next request; Disconnect and the destructor close them.
//
// A client made with message processing runs each blocking WinHTTP call on a threadpool thread
// and meanwhile handles the GUI thread's messages through the pump; data and progress handlers
// still run on the calling thread. A handler that runs during a Get must not start another
// request on the same client, nor release it.
class TWin32HttpClientFactory final : public IHttpClientFactory {
 public:
  // APump must outlive the clients; it is used by those made with message processing.
  explicit TWin32HttpClientFactory(IMessagePump& APump) : FPump(APump) {}

  std::unique_ptr<IHttpClient> CreateClient(bool AProcessMessages) override;

 private:
  IMessagePump& FPump;
};

}  // namespace nevra::win32
