#include "update/NewVersionCheck.h"

namespace nevra {

bool CheckNewVersion() { return false; }

}  // namespace nevra
