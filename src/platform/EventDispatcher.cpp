#include "platform/EventDispatcher.h"

#include <exception>

#include "platform/Dialogs.h"

namespace nevra {

void TEventDispatcher::Run(const std::function<void()>& AHandler) noexcept {
  try {
    AHandler();
  } catch (const std::exception& E) {
    try {
      FDialogs.ShowMessage(TMessageKind::mkError, E.what());
    } catch (...) {
      // An error box that cannot be shown leaves nothing more to try.
    }
  } catch (...) {
    try {
      FDialogs.ShowMessage(TMessageKind::mkError, "Unknown error");
    } catch (...) {
    }
  }
}

}  // namespace nevra
