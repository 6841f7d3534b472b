// Starting a file the way Explorer would, with a path that needs UTF-16 to survive.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <system_error>

#include "FileBytes.h"
#include "MessageWait.h"
#include "TempFolder.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/services/Win32Shell.h"

namespace nevra::win32 {
namespace {

using namespace std::chrono_literals;

TEST(Win32Shell, OpenStartsAFileWhosePathIsNotAscii) {
  const tools::TTempFolder Folder(
      Widen("\xc3\x9c"
            "ber-\xe4\xb8\xad"));
  const std::filesystem::path Script = Folder / "start.cmd";
  const std::filesystem::path Marker = Folder / "started.txt";
  tools::WriteFileBytes(Script, "@echo started> \"%~dp0started.txt\"\r\n");
  TWin32Shell().Open(Narrow(Script.wstring()));
  EXPECT_TRUE(tools::WaitUntil([&] { return std::filesystem::exists(Marker); }, 20s)) << "the file was not started";
  // The started command may still hold the folder for a moment, and the folder's own removal
  // tries only once.
  std::error_code Ignored;
  tools::WaitUntil([&] { return std::filesystem::remove_all(Folder.Path(), Ignored) > 0; }, 5s);
}

}  // namespace
}  // namespace nevra::win32
