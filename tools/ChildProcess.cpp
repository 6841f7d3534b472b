#include "ChildProcess.h"

#include <cwctype>
#include <stdexcept>
#include <vector>

#include "platform/win32/Win32Text.h"

namespace nevra::tools {

namespace {

std::wstring Upper(std::wstring AText) {
  for (wchar_t& Char : AText) Char = static_cast<wchar_t>(std::towupper(Char));
  return AText;
}

// Our environment with the given variables replaced or added, as the double-NUL-terminated
// block CreateProcessW takes. Names compare without case, as Windows does.
std::vector<wchar_t> BuildEnvironment(const std::map<std::wstring, std::wstring>& AChanges) {
  std::map<std::wstring, std::wstring> Pending;
  for (const auto& [Name, Value] : AChanges) Pending.emplace(Upper(Name), Name + L"=" + Value);
  std::vector<wchar_t> Block;
  auto Append = [&](const std::wstring& AEntry) {
    Block.insert(Block.end(), AEntry.begin(), AEntry.end());
    Block.push_back(L'\0');
  };
  wchar_t* Current = GetEnvironmentStringsW();
  for (const wchar_t* Entry = Current; *Entry != L'\0'; Entry += wcslen(Entry) + 1) {
    const std::wstring Text = Entry;
    // Entries such as "=C:=C:\\" start with '=': keep them, they name no variable of ours.
    const size_t Equals = Text.find(L'=', 1);
    const auto Replaced = Pending.find(Upper(Text.substr(0, Equals)));
    if (Replaced == Pending.end()) {
      Append(Text);
    } else {
      Append(Replaced->second);
      Pending.erase(Replaced);
    }
  }
  FreeEnvironmentStringsW(Current);
  for (const auto& [Name, Entry] : Pending) Append(Entry);
  Block.push_back(L'\0');
  return Block;
}

}  // namespace

TChildProcess::TChildProcess(const std::string& AExecutable,
                             const std::map<std::wstring, std::wstring>& AEnvironmentChanges) {
  std::vector<wchar_t> Environment = BuildEnvironment(AEnvironmentChanges);
  std::wstring CommandLine = L"\"" + win32::Widen(AExecutable) + L"\"";
  STARTUPINFOW Startup{};
  Startup.cb = sizeof(Startup);
  if (!CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                      Environment.data(), nullptr, &Startup, &FInfo))
    throw std::runtime_error("cannot start " + AExecutable + " (error " + std::to_string(GetLastError()) + ")");
}

TChildProcess::~TChildProcess() {
  if (FInfo.hProcess == nullptr) return;
  if (WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT) Terminate();
  CloseHandle(FInfo.hThread);
  CloseHandle(FInfo.hProcess);
}

bool TChildProcess::WaitForExit(std::chrono::milliseconds ATimeout) {
  return WaitForSingleObject(FInfo.hProcess, static_cast<DWORD>(ATimeout.count())) == WAIT_OBJECT_0;
}

DWORD TChildProcess::ExitCode() const {
  DWORD Code = STILL_ACTIVE;
  GetExitCodeProcess(FInfo.hProcess, &Code);
  return Code;
}

void TChildProcess::Terminate() {
  TerminateProcess(FInfo.hProcess, 1);
  WaitForSingleObject(FInfo.hProcess, 5000);
}

}  // namespace nevra::tools
