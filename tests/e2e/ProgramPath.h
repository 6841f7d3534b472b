#pragma once
#include <string>

namespace nevra::e2e {

// The program's path, from the command line (--program=PATH) or NEVRA_PROGRAM.
const std::string& ProgramPath();
void SetProgramPath(std::string APath);

}  // namespace nevra::e2e
