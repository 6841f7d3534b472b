#include "platform/win32/services/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/InterruptedSaves.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

namespace {

[[noreturn]] void Fail(const std::string& AWhat, const std::string& APath, DWORD AError) {
  throw EFileError(AWhat + " \"" + APath + "\". " + SystemErrorText(AError));
}

bool EndsWithNoCase(const std::wstring& AName, const std::wstring& ASuffix) {
  if (AName.size() < ASuffix.size()) return false;
  return ::CompareStringOrdinal(AName.c_str() + AName.size() - ASuffix.size(), static_cast<int>(ASuffix.size()),
                                ASuffix.c_str(), static_cast<int>(ASuffix.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

bool TWin32FileSystem::FileExists(const std::string& APath) {
  const DWORD Attributes = ::GetFileAttributesW(Widen(APath).c_str());
  return Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> TWin32FileSystem::ReadFile(const std::string& APath) {
  return ReadFileStart(APath, 0x7FFFFFFF);
}

std::optional<std::string> TWin32FileSystem::ReadFileStart(const std::string& APath, size_t AMaxBytes) {
  THandleOwner File(::CreateFileW(Widen(APath).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!File) return std::nullopt;
  LARGE_INTEGER Size{};
  if (!::GetFileSizeEx(File.Get(), &Size) || Size.QuadPart > 0x7FFFFFFF) return std::nullopt;
  std::string Content(std::min(static_cast<size_t>(Size.QuadPart), AMaxBytes), '\0');
  size_t Done = 0;
  while (Done < Content.size()) {
    DWORD Read = 0;
    if (!::ReadFile(File.Get(), Content.data() + Done, static_cast<DWORD>(Content.size() - Done), &Read, nullptr))
      return std::nullopt;
    if (Read == 0) break;
    Done += Read;
  }
  Content.resize(Done);
  return Content;
}

bool TWin32FileSystem::CreateDirectories(const std::string& APath) {
  std::wstring Path = Widen(APath);
  while (!Path.empty() && (Path.back() == L'\\' || Path.back() == L'/')) Path.pop_back();
  const DWORD Attributes = ::GetFileAttributesW(Path.c_str());
  if (Attributes != INVALID_FILE_ATTRIBUTES) return (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const size_t Slash = Path.find_last_of(L"\\/");
  if (Slash != std::wstring::npos && Slash > 0 && Path[Slash - 1] != L':' && Path[Slash - 1] != L'\\')
    CreateDirectories(Narrow(Path.substr(0, Slash)));
  return ::CreateDirectoryW(Path.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS;
}

void TWin32FileSystem::WriteFileAtomically(const std::string& APath, const std::string& AContent) {
  const std::wstring Target = Widen(APath);
  // The temporary file lives beside the target, on the same volume, so the rename is atomic.
  const std::wstring Temporary = Widen(TemporarySavePath(APath, ::GetCurrentProcessId(), ::GetTickCount()));
  THandleOwner File(
      ::CreateFileW(Temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!File) Fail("Cannot create file", APath, ::GetLastError());
  // Whatever fails from here on leaves the target as it was and no temporary file behind.
  const auto Abandon = [&](DWORD AError) {
    File.Reset();
    ::DeleteFileW(Temporary.c_str());
    Fail("Cannot write file", APath, AError);
  };
  size_t Done = 0;
  while (Done < AContent.size()) {
    DWORD Written = 0;
    const auto Chunk = static_cast<DWORD>(std::min<size_t>(AContent.size() - Done, 1u << 30));
    if (!::WriteFile(File.Get(), AContent.data() + Done, Chunk, &Written, nullptr) || Written == 0)
      Abandon(::GetLastError());
    Done += Written;
  }
  // On disk before the rename makes it the real file.
  if (!::FlushFileBuffers(File.Get())) Abandon(::GetLastError());
  File.Reset();
  if (!::MoveFileExW(Temporary.c_str(), Target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    Abandon(::GetLastError());
}

std::vector<std::string> TWin32FileSystem::ListFiles(const std::string& AFolder, const std::string& AExtension) {
  const std::wstring Extension = Widen(AExtension);
  WIN32_FIND_DATAW Found{};
  TFindOwner Search(
      ::FindFirstFileExW(Widen(AFolder + "\\*").c_str(), FindExInfoBasic, &Found, FindExSearchNameMatch, nullptr, 0));
  std::vector<std::string> Names;
  if (!Search) {
    const DWORD Error = ::GetLastError();
    if (Error == ERROR_FILE_NOT_FOUND) return Names;
    Fail("Cannot list folder", AFolder, Error);
  }
  do {
    // The pattern *.ext also matches short 8.3 names, so test the long name ourselves.
    if ((Found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && EndsWithNoCase(Found.cFileName, Extension))
      Names.push_back(Narrow(Found.cFileName));
  } while (::FindNextFileW(Search.Get(), &Found));
  return Names;
}

void TWin32FileSystem::RemoveFile(const std::string& APath) {
  if (!::DeleteFileW(Widen(APath).c_str())) Fail("Cannot delete file", APath, ::GetLastError());
}

void TWin32FileSystem::RenameFile(const std::string& AFrom, const std::string& ATo) {
  // Without MOVEFILE_REPLACE_EXISTING: another file of that name stays as it is.
  if (!::MoveFileExW(Widen(AFrom).c_str(), Widen(ATo).c_str(), MOVEFILE_WRITE_THROUGH))
    Fail("Cannot rename file", AFrom, ::GetLastError());
}

namespace {

class TWin32OutputFile final : public IOutputFile {
 public:
  TWin32OutputFile(HANDLE AFile, std::string APath) : FFile(AFile), FPath(std::move(APath)) {}

  void Write(std::string_view ABytes) override {
    while (!ABytes.empty()) {
      const auto Piece = static_cast<DWORD>(std::min<size_t>(ABytes.size(), 1u << 20));
      DWORD Written = 0;
      if (!FFile || !::WriteFile(FFile.Get(), ABytes.data(), Piece, &Written, nullptr) || Written == 0)
        Fail("Cannot write", FPath, ::GetLastError());
      ABytes.remove_prefix(Written);
    }
  }

  void Close() override {
    if (!FFile) return;
    const HANDLE File = FFile.Release();
    if (!::CloseHandle(File)) Fail("Cannot close", FPath, ::GetLastError());
  }

 private:
  THandleOwner FFile;
  std::string FPath;
};

}  // namespace

std::unique_ptr<IOutputFile> TWin32FileSystem::CreateOutputFile(const std::string& APath) {
  const HANDLE File = ::CreateFileW(Widen(APath).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (File == INVALID_HANDLE_VALUE) Fail("Cannot create", APath, ::GetLastError());
  return std::make_unique<TWin32OutputFile>(File, APath);
}

}  // namespace nevra::win32
