// Environment variables and the executable's folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/win32/Win32Text.h"
#include "platform/win32/services/Win32Environment.h"

namespace nevra::win32 {
namespace {

const std::string kNonAscii =
    "Gr\xc3\xbc\xc3\x9f"
    "e \xe4\xb8\xad\xe6\x96\x87 \xf0\x9f\x98\x80";

TEST(Win32Environment, ExecutableFolderIsTheFolderOfTheRunningProgram) {
  const std::string Folder = TWin32Environment().ExecutableFolder();
  ASSERT_FALSE(Folder.empty());
  EXPECT_NE(Folder.back(), '\\');
  wchar_t Module[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, Module, MAX_PATH * 4);
  EXPECT_EQ(Folder + "\\NevraWin32Tests.exe", Narrow(Module));
}

TEST(Win32Environment, VariablesAreReadInFullAndMissingOnesAreEmpty) {
  TWin32Environment Environment;
  const std::string Long(5000, 'x');  // beyond any fixed path-sized buffer
  for (const std::string& Value : {kNonAscii, Long}) {
    ASSERT_TRUE(SetEnvironmentVariableW(L"NEVRA_TEST_VARIABLE", Widen(Value).c_str()));
    EXPECT_EQ(Environment.GetVariable("NEVRA_TEST_VARIABLE"), Value);
    EXPECT_EQ(Environment.GetVariable("nevra_test_variable"), Value) << "names ignore case on Windows";
  }
  SetEnvironmentVariableW(L"NEVRA_TEST_VARIABLE", nullptr);
  EXPECT_EQ(Environment.GetVariable("NEVRA_TEST_VARIABLE"), "");
  EXPECT_FALSE(Environment.GetVariable("APPDATA").empty()) << "the prefix sets APPDATA";
}

}  // namespace
}  // namespace nevra::win32
