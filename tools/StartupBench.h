#pragma once
#include <iosfwd>
#include <string>

namespace nevra::tools {

// How long the program takes to start with a macro folder users reach: empty, 5,000 macro files
// and one 200 MB macro. Each start runs from process creation until the main window shows and
// its thread answers a message; the median of three starts is printed. Throws on failure.
void RunStartupBench(const std::string& AProgram, std::ostream& AOut);

}  // namespace nevra::tools
