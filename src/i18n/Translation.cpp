#include "i18n/Translation.h"

namespace nevra {

std::string Translate(const std::string& AText) { return AText; }

}  // namespace nevra
