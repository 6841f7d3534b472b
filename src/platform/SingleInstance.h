#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace nevra {

// One running copy of the program per user session. The first copy claims the session and
// receives the command lines later copies hand it; a later copy forwards its command line and
// ends with the first copy's answer (an exit code).
class ISingleInstance {
 public:
  virtual ~ISingleInstance() = default;
  // True when no other copy runs in this session: this one is the first, from now on.
  virtual bool Claim() = 0;
  // Hands the arguments to the first copy and waits for its answer; nothing when it cannot be
  // reached (it is ending, or has not made its window yet after some seconds).
  virtual std::optional<int> Forward(const std::vector<std::string>& AArguments) = 0;
  // Where the first copy receives what later copies forward, on the GUI thread through the
  // dispatcher; the handler's result is the answer. Cleared with an empty function.
  virtual void SetReceiver(std::function<int(const std::vector<std::string>&)> AReceiver) = 0;
};

}  // namespace nevra
