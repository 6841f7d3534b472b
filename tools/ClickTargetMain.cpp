// ClickTarget.exe LOGFILE [LEFT TOP WIDTH HEIGHT]
// Shows the click target window (caption "Nevra Click Target", by default 400 x 300 pixels at
// the top-left corner of the screen) until it is asked to close; then writes every press and
// release it saw to LOGFILE, one per line, followed by a line "summary ..." with the rate and
// the spread of the intervals between presses.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ClickStats.h"
#include "ClickTargetWindow.h"
#include "platform/win32/Win32Handles.h"

namespace {

struct TArguments {
  std::wstring LogFile;
  RECT Bounds = nevra::tools::kClickTargetBounds;
};

bool ParseArguments(TArguments& AArguments) {
  int Count = 0;
  LPWSTR* Values = CommandLineToArgvW(GetCommandLineW(), &Count);
  if (Values == nullptr) return false;
  const nevra::win32::TLocalMemoryOwner Owned(Values);
  const bool Valid = Count == 2 || Count == 6;
  if (Valid) {
    AArguments.LogFile = Values[1];
    if (Count == 6) {
      const long Left = std::wcstol(Values[2], nullptr, 10);
      const long Top = std::wcstol(Values[3], nullptr, 10);
      AArguments.Bounds =
          RECT{Left, Top, Left + std::wcstol(Values[4], nullptr, 10), Top + std::wcstol(Values[5], nullptr, 10)};
    }
  }
  return Valid;
}

bool WriteLog(const std::wstring& AFileName, const nevra::tools::TClickTargetWindow& AWindow) {
  std::ofstream Out{std::filesystem::path(AFileName)};
  nevra::tools::WriteRecords(Out, AWindow.Records());
  Out << "summary ";
  nevra::tools::WriteSummary(Out, nevra::tools::Summarise(AWindow.Records()));
  Out.close();
  return static_cast<bool>(Out);
}

}  // namespace

int main() {
  TArguments Arguments;
  if (!ParseArguments(Arguments)) {
    std::fputs("usage: ClickTarget.exe LOGFILE [LEFT TOP WIDTH HEIGHT]\n", stderr);
    return 2;
  }
  try {
    nevra::tools::TClickTargetWindow Window(Arguments.Bounds, nevra::tools::kClickTargetCaption);
    bool Written = false;
    Window.OnClose = [&] {
      Written = WriteLog(Arguments.LogFile, Window);
      PostQuitMessage(0);
    };
    MSG Message;
    while (GetMessageW(&Message, nullptr, 0, 0) > 0) {
      TranslateMessage(&Message);
      DispatchMessageW(&Message);
    }
    if (!Written) {
      std::fputs("ClickTarget: cannot write the log file\n", stderr);
      return 1;
    }
    return 0;
  } catch (const std::exception& E) {
    std::fprintf(stderr, "ClickTarget: %s\n", E.what());
    return 1;
  }
}
