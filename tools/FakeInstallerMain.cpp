// Stands in for the real installer in the update tests: when started, it leaves a note beside
// itself ("installer-ran.txt" with its own path) and ends.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  std::wstring Path(MAX_PATH, L'\0');
  const DWORD Length = ::GetModuleFileNameW(nullptr, Path.data(), static_cast<DWORD>(Path.size()));
  if (Length == 0 || Length >= Path.size()) return 1;
  Path.resize(Length);
  const std::wstring Folder = Path.substr(0, Path.find_last_of(L'\\'));
  std::ofstream Note(std::filesystem::path(Folder + L"\\installer-ran.txt"), std::ios::binary);
  const int Bytes =
      ::WideCharToMultiByte(CP_UTF8, 0, Path.c_str(), static_cast<int>(Path.size()), nullptr, 0, nullptr, nullptr);
  std::string Utf8(static_cast<size_t>(Bytes), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, Path.c_str(), static_cast<int>(Path.size()), Utf8.data(), Bytes, nullptr, nullptr);
  Note << Utf8;
  return Note ? 0 : 1;
}
