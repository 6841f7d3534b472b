#pragma once

namespace nevra {

// Whether the maker's site offers a newer version. No check is made yet: never.
bool CheckNewVersion();

}  // namespace nevra
