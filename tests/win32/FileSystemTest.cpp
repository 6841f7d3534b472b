// Files and folders of settings and macros: atomic replacement, listing, removal and their errors.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "FileBytes.h"
#include "TempFolder.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/services/Win32FileSystem.h"

namespace nevra::win32 {
namespace {

using tools::TTempFolder;

class Win32FileSystem : public ::testing::Test {
 protected:
  std::string PathOf(const std::wstring& AName) const { return Narrow((Folder / AName).wstring()); }
  std::vector<std::wstring> SortedEntries() const {
    std::vector<std::wstring> Names = Folder.Entries();
    std::sort(Names.begin(), Names.end());
    return Names;
  }

  TTempFolder Folder;
  TWin32FileSystem Files;
};

TEST_F(Win32FileSystem, WriteCreatesAndReplacesTheWholeFileLeavingNothingElse) {
  const std::wstring Name = L"Einstellungen \u00fc\u4e2d.ini";
  const std::string Path = PathOf(Name);
  const std::string First("[A]\r\na=1\r\n\0binary\xff", 18);
  Files.WriteFileAtomically(Path, First);
  EXPECT_EQ(tools::ReadFileBytes(Folder / Name), First);
  EXPECT_EQ(Files.ReadFile(Path), First);

  Files.WriteFileAtomically(Path, "short");
  EXPECT_EQ(tools::ReadFileBytes(Folder / Name), "short");
  Files.WriteFileAtomically(Path, "");
  EXPECT_EQ(Files.ReadFile(Path), "");
  const std::string Large(3 << 20, 'm');
  Files.WriteFileAtomically(Path, Large);
  EXPECT_EQ(Files.ReadFile(Path), Large);
  EXPECT_EQ(Folder.Entries(), std::vector<std::wstring>{Name}) << "a temporary file was left behind";
}

TEST_F(Win32FileSystem, FailedWriteThrowsAndLeavesTheFolderAsItWas) {
  std::filesystem::create_directory(Folder / L"taken.ini");
  tools::WriteFileBytes(Folder / L"taken.ini" / L"inside.txt", "kept");
  for (const std::wstring& Name : {std::wstring(L"missing\\settings.ini"), std::wstring(L"taken.ini")}) {
    const std::string Path = PathOf(Name);
    try {
      Files.WriteFileAtomically(Path, "new");
      ADD_FAILURE() << "no error for " << Path;
    } catch (const EFileError& Error) {
      EXPECT_NE(std::string(Error.what()).find("\"" + Path + "\". "), std::string::npos) << Error.what();
    }
  }
  EXPECT_EQ(SortedEntries(), std::vector<std::wstring>{L"taken.ini"});
  EXPECT_EQ(tools::ReadFileBytes(Folder / L"taken.ini" / L"inside.txt"), "kept");
}

// A file another program holds open without FILE_SHARE_DELETE cannot be replaced; its content
// must survive the attempt.
TEST_F(Win32FileSystem, FileThatCannotBeReplacedKeepsItsOldContent) {
  const std::string Path = PathOf(L"settings.ini");
  Files.WriteFileAtomically(Path, "old");
  THandleOwner Held(CreateFileW((Folder / L"settings.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(Held);
  EXPECT_THROW(Files.WriteFileAtomically(Path, "new"), EFileError);
  Held.Reset();
  EXPECT_EQ(tools::ReadFileBytes(Folder / L"settings.ini"), "old");
  EXPECT_EQ(Folder.Entries(), std::vector<std::wstring>{L"settings.ini"});
}

TEST_F(Win32FileSystem, ExistenceAndReadingTellFilesFromFoldersAndMissingPaths) {
  tools::WriteFileBytes(Folder / L"file.txt", "x");
  std::filesystem::create_directory(Folder / L"dir");
  EXPECT_TRUE(Files.FileExists(PathOf(L"file.txt")));
  EXPECT_FALSE(Files.FileExists(PathOf(L"dir")));
  EXPECT_FALSE(Files.FileExists(PathOf(L"missing.txt")));
  EXPECT_EQ(Files.ReadFile(PathOf(L"missing.txt")), std::nullopt);
  EXPECT_EQ(Files.ReadFile(PathOf(L"dir")), std::nullopt);
  EXPECT_EQ(Files.ReadFile(PathOf(L"missing\\file.txt")), std::nullopt);
}

TEST_F(Win32FileSystem, CreateDirectoriesMakesEveryMissingLevel) {
  const std::wstring Nested = L"Program Data\\Macros\\\u041c\u0430\u043a\u0440\u043e\u0441\u044b";
  EXPECT_TRUE(Files.CreateDirectories(PathOf(Nested)));
  EXPECT_TRUE(std::filesystem::is_directory(Folder / Nested));
  EXPECT_TRUE(Files.CreateDirectories(PathOf(Nested))) << "an existing folder";
  EXPECT_TRUE(Files.CreateDirectories(PathOf(L"trailing\\slash\\"))) << "a trailing backslash";
  EXPECT_TRUE(std::filesystem::is_directory(Folder / L"trailing" / L"slash"));

  tools::WriteFileBytes(Folder / L"file.txt", "x");
  EXPECT_FALSE(Files.CreateDirectories(PathOf(L"file.txt"))) << "a file is in the way";
  EXPECT_FALSE(Files.CreateDirectories(PathOf(L"file.txt\\sub")));
}

TEST_F(Win32FileSystem, ListFilesGivesTheNamesOfFilesWithTheExtensionInAnyCase) {
  for (const wchar_t* Name : {L"one.nevramac", L"TWO.NEVRAMAC", L"Makro \u00fc\u4e2d.NevraMac", L"x.nevramacx",
                              L"nevramac", L"three.txt", L"one.nevramac.bak"})
    tools::WriteFileBytes(Folder / Name, "x");
  std::filesystem::create_directory(Folder / L"folder.nevramac");
  std::vector<std::string> Names = Files.ListFiles(Narrow(Folder.Path().wstring()), ".nevramac");
  std::sort(Names.begin(), Names.end());
  EXPECT_EQ(Names, (std::vector<std::string>{"Makro \xc3\xbc\xe4\xb8\xad.NevraMac", "TWO.NEVRAMAC", "one.nevramac"}));
}

TEST_F(Win32FileSystem, ListingAnEmptyFolderGivesNothingAndAMissingOneThrows) {
  EXPECT_TRUE(Files.ListFiles(Narrow(Folder.Path().wstring()), ".nevramac").empty());
  EXPECT_THROW(Files.ListFiles(PathOf(L"missing"), ".nevramac"), EFileError);
}

TEST_F(Win32FileSystem, RemoveFileDeletesOrThrowsWithTheSystemsReason) {
  tools::WriteFileBytes(Folder / L"macro.nevramac", "x");
  Files.RemoveFile(PathOf(L"macro.nevramac"));
  EXPECT_TRUE(Folder.Entries().empty());

  const std::string Missing = PathOf(L"macro.nevramac");
  const std::string Reason = SystemErrorText(ERROR_FILE_NOT_FOUND);
  try {
    Files.RemoveFile(Missing);
    ADD_FAILURE() << "no error for a missing file";
  } catch (const EFileError& Error) {
    EXPECT_EQ(std::string(Error.what()), "Cannot delete file \"" + Missing + "\". " + Reason);
  }
}

// A rename is one step, and never puts a file over another one.
TEST_F(Win32FileSystem, RenameFileMovesTheNameOrThrowsLeavingBothFiles) {
  tools::WriteFileBytes(Folder / L"old.nevramac", "old");
  Files.RenameFile(PathOf(L"old.nevramac"), PathOf(L"N\u00e9w.nevramac"));
  EXPECT_EQ(SortedEntries(), std::vector<std::wstring>{L"N\u00e9w.nevramac"});
  EXPECT_EQ(tools::ReadFileBytes(Folder / L"N\u00e9w.nevramac"), "old");

  tools::WriteFileBytes(Folder / L"taken.nevramac", "taken");
  EXPECT_THROW(Files.RenameFile(PathOf(L"N\u00e9w.nevramac"), PathOf(L"taken.nevramac")), EFileError);
  EXPECT_EQ(tools::ReadFileBytes(Folder / L"taken.nevramac"), "taken");
  EXPECT_EQ(tools::ReadFileBytes(Folder / L"N\u00e9w.nevramac"), "old");
}

TEST(Win32SystemErrorText, IsTheSystemsSentenceWithoutTrailingLineBreak) {
  for (DWORD Code : {DWORD{ERROR_FILE_NOT_FOUND}, DWORD{ERROR_ACCESS_DENIED}, DWORD{ERROR_DISK_FULL}}) {
    const std::string Text = SystemErrorText(Code);
    ASSERT_FALSE(Text.empty());
    EXPECT_NE(Text.back(), '\n');
    EXPECT_NE(Text.back(), ' ');
    EXPECT_EQ(Text.find("System error"), std::string::npos) << "no system text for " << Code;
  }
  EXPECT_EQ(SystemErrorText(0x2FFFFFFF), "System error 805306367.") << "an unknown code";
}

}  // namespace
}  // namespace nevra::win32
