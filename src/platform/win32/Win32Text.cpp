#include "platform/win32/Win32Text.h"

#include <limits>
#include <stdexcept>

namespace nevra::win32 {

namespace {
int CheckedLength(size_t ASize) {
  if (ASize > static_cast<size_t>(std::numeric_limits<int>::max())) throw std::length_error("text too long");
  return static_cast<int>(ASize);
}
}  // namespace

std::wstring Widen(std::string_view AText) {
  if (AText.empty()) return {};
  const int Length = CheckedLength(AText.size());
  const int Needed = ::MultiByteToWideChar(CP_UTF8, 0, AText.data(), Length, nullptr, 0);
  std::wstring Result(static_cast<size_t>(Needed), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, AText.data(), Length, Result.data(), Needed);
  return Result;
}

std::string Narrow(std::wstring_view AText) {
  if (AText.empty()) return {};
  const int Length = CheckedLength(AText.size());
  const int Needed = ::WideCharToMultiByte(CP_UTF8, 0, AText.data(), Length, nullptr, 0, nullptr, nullptr);
  std::string Result(static_cast<size_t>(Needed), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, AText.data(), Length, Result.data(), Needed, nullptr, nullptr);
  return Result;
}

std::wstring WindowTextWide(HWND AWindow) {
  const int Length = ::GetWindowTextLengthW(AWindow);
  if (Length <= 0) return {};
  std::wstring Buffer(static_cast<size_t>(Length) + 1, L'\0');
  const int Copied = ::GetWindowTextW(AWindow, Buffer.data(), Length + 1);
  Buffer.resize(static_cast<size_t>(Copied > 0 ? Copied : 0));
  return Buffer;
}

std::string WindowTextUtf8(HWND AWindow) { return Narrow(WindowTextWide(AWindow)); }

void SetWindowTextUtf8(HWND AWindow, std::string_view AText) { ::SetWindowTextW(AWindow, Widen(AText).c_str()); }

std::wstring WithWindowsLineBreaks(std::wstring_view AText) {
  std::wstring Result;
  Result.reserve(AText.size());
  for (size_t At = 0; At < AText.size(); ++At) {
    const wchar_t Char = AText[At];
    if (Char == L'\r' || Char == L'\n') {
      Result += L"\r\n";
      // "\r\n" is one break already.
      if (Char == L'\r' && At + 1 < AText.size() && AText[At + 1] == L'\n') ++At;
    } else {
      Result += Char;
    }
  }
  return Result;
}

}  // namespace nevra::win32
