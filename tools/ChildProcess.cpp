#include "ChildProcess.h"

#include <cwctype>
#include <stdexcept>
#include <vector>

#include "platform/win32/Win32Text.h"

namespace nevra::tools {

namespace {

using TEnvironmentStrings = win32::TUniqueHandle<win32::TNullHandleTraits<wchar_t*, &FreeEnvironmentStringsW>>;

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
  const TEnvironmentStrings Current(GetEnvironmentStringsW());
  for (const wchar_t* Entry = Current.Get(); *Entry != L'\0'; Entry += wcslen(Entry) + 1) {
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
  for (const auto& [Name, Entry] : Pending) Append(Entry);
  Block.push_back(L'\0');
  return Block;
}

// One argument as CommandLineToArgvW reads it back: in quotes, with a quote inside escaped and
// the backslashes before a quote (its own or the closing one) doubled; other backslashes stay.
std::wstring QuoteArgument(const std::wstring& AArgument) {
  std::wstring Quoted = L"\"";
  size_t Backslashes = 0;
  for (const wchar_t Char : AArgument) {
    if (Char == L'\\') {
      ++Backslashes;
      continue;
    }
    Quoted.append(Char == L'"' ? 2 * Backslashes + 1 : Backslashes, L'\\');
    Quoted += Char;
    Backslashes = 0;
  }
  Quoted.append(2 * Backslashes, L'\\');
  return Quoted + L"\"";
}

}  // namespace

TChildProcess::TChildProcess(const std::string& AExecutable,
                             const std::map<std::wstring, std::wstring>& AEnvironmentChanges,
                             const std::vector<std::string>& AArguments) {
  std::vector<wchar_t> Environment = BuildEnvironment(AEnvironmentChanges);
  std::wstring CommandLine = L"\"" + win32::Widen(AExecutable) + L"\"";
  for (const std::string& Argument : AArguments) CommandLine += L" " + QuoteArgument(win32::Widen(Argument));
  STARTUPINFOW Startup{};
  Startup.cb = sizeof(Startup);
  PROCESS_INFORMATION Info{};
  if (!CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                      Environment.data(), nullptr, &Startup, &Info))
    throw std::runtime_error("cannot start " + AExecutable + " (error " + std::to_string(GetLastError()) + ")");
  FProcess.Reset(Info.hProcess);
  FThread.Reset(Info.hThread);
  FId = Info.dwProcessId;
}

TChildProcess::~TChildProcess() {
  if (FProcess && WaitForSingleObject(FProcess.Get(), 0) == WAIT_TIMEOUT) Terminate();
}

bool TChildProcess::WaitForExit(std::chrono::milliseconds ATimeout) {
  return WaitForSingleObject(FProcess.Get(), static_cast<DWORD>(ATimeout.count())) == WAIT_OBJECT_0;
}

DWORD TChildProcess::ExitCode() const {
  DWORD Code = STILL_ACTIVE;
  GetExitCodeProcess(FProcess.Get(), &Code);
  return Code;
}

void TChildProcess::Terminate() {
  TerminateProcess(FProcess.Get(), 1);
  WaitForSingleObject(FProcess.Get(), 5000);
}

}  // namespace nevra::tools
