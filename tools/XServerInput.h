#pragma once
#include <string>

namespace nevra::tools {

// Input the X server makes, as a keyboard and a mouse on the display do: xdotool, started outside
// Wine (start /unix), so the keys come through Wine's keyboard driver and layout as typed ones do,
// not as a program's SendInput. AArguments are xdotool's ("key --delay 60 h e l l o", "click 5").
// Waits until it is done, handling this thread's messages meanwhile; false when it could not run
// or failed.
bool RunXdotool(const std::wstring& AArguments);

}  // namespace nevra::tools
