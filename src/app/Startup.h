#pragma once

namespace nevra {

struct TPlatform;

// The program's main block: from an empty process to the end of the message loop.
// Returns the process exit code.
int RunApplication(TPlatform& APlatform);

}  // namespace nevra
