#pragma once
#include <string>
#include <vector>

namespace nevra {

struct TPlatform;
struct TUpdateSite;

// The program's main block: from an empty process to the end of the message loop. AArguments is
// the command line without the program's path; ASite is where the update check looks. A copy
// started while another runs in the session hands its command line over and ends. Returns the
// process exit code (kExitDone, kExitBadArguments, kExitNoSuchMacro, kExitBusy).
int RunApplication(TPlatform& APlatform, const TUpdateSite& ASite, const std::vector<std::string>& AArguments = {});

}  // namespace nevra
