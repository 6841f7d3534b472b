#pragma once

namespace nevra {

struct TPlatform;
struct TUpdateSite;

// The program's main block: from an empty process to the end of the message loop. ASite is
// where the update check looks. Returns the process exit code.
int RunApplication(TPlatform& APlatform, const TUpdateSite& ASite);

}  // namespace nevra
