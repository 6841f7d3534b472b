#include "platform/win32/Win32CommandLine.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Win32Errors.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

std::vector<std::string> CommandLineArguments() {
  int Count = 0;
  LPWSTR* Values = ::CommandLineToArgvW(::GetCommandLineW(), &Count);
  if (Values == nullptr) FailWithLastError("CommandLineToArgvW");
  const TLocalMemoryOwner Owned(Values);
  std::vector<std::string> Arguments;
  for (int I = 1; I < Count; ++I) Arguments.push_back(Narrow(Values[I]));
  return Arguments;
}

}  // namespace nevra::win32
