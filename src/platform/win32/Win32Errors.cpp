#include "platform/win32/Win32Errors.h"

#include <system_error>

#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

std::string FormatMessageText(DWORD AError, HMODULE AModule) {
  DWORD Flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  if (AModule != nullptr) Flags |= FORMAT_MESSAGE_FROM_HMODULE;
  wchar_t* Buffer = nullptr;
  const DWORD Length = ::FormatMessageW(Flags, AModule, AError, 0, reinterpret_cast<wchar_t*>(&Buffer), 0, nullptr);
  const TLocalMemoryOwner Owned(Buffer);
  std::wstring Text = Length > 0 ? std::wstring(Buffer, Length) : std::wstring();
  while (!Text.empty() && (Text.back() == L'\r' || Text.back() == L'\n' || Text.back() == L' ')) Text.pop_back();
  return Narrow(Text);
}

std::string SystemErrorText(unsigned long AError) {
  const std::string Text = FormatMessageText(AError);
  return Text.empty() ? "System error " + std::to_string(AError) + "." : Text;
}

void FailWithLastError(const char* ACall) {
  throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), ACall);
}

}  // namespace nevra::win32
