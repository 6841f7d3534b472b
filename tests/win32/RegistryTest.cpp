// The registry values the program keeps under HKEY_CURRENT_USER.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/services/Win32Registry.h"

namespace nevra::win32 {
namespace {

const std::string kNonAscii =
    "Gr\xc3\xbc\xc3\x9f"
    "e \xe4\xb8\xad\xe6\x96\x87 \xf0\x9f\x98\x80";

// A key of its own under HKEY_CURRENT_USER (the prefix's registry), removed afterwards.
class Win32Registry : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kRoot); }
  static TRegistryKeyOwner OpenKey(const wchar_t* APath) {
    HKEY Key = nullptr;
    return TRegistryKeyOwner(
        RegOpenKeyExW(HKEY_CURRENT_USER, APath, 0, KEY_ALL_ACCESS, &Key) == ERROR_SUCCESS ? Key : nullptr);
  }
  static void SetRaw(const wchar_t* AName, DWORD AType, const void* AData, DWORD ABytes) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKeyW, AName, AType, AData, ABytes), ERROR_SUCCESS);
  }

  static constexpr const wchar_t* kRoot = L"Software\\Nevra Win32 Tests";
  static constexpr const wchar_t* kKeyW = L"Software\\Nevra Win32 Tests\\Nested\\Key";
  const std::string kKey = "Software\\Nevra Win32 Tests\\Nested\\Key";
  TWin32Registry Registry;
};

TEST_F(Win32Registry, WriteCreatesTheKeyAndStoresAStringThatReadsBack) {
  ASSERT_FALSE(OpenKey(kKeyW));
  ASSERT_TRUE(Registry.WriteString(kKey, "Language", kNonAscii));
  const TRegistryKeyOwner Key = OpenKey(kKeyW);
  ASSERT_TRUE(Key);
  // Stored as REG_SZ in UTF-16 with its terminating zero, as other programs expect it.
  wchar_t Data[64] = {};
  DWORD Type = 0, Bytes = sizeof(Data);
  EXPECT_EQ(RegQueryValueExW(Key.Get(), L"Language", nullptr, &Type, reinterpret_cast<BYTE*>(Data), &Bytes),
            ERROR_SUCCESS);
  EXPECT_EQ(Type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(Bytes, (Widen(kNonAscii).size() + 1) * sizeof(wchar_t));
  EXPECT_EQ(Narrow(Data), kNonAscii);

  EXPECT_EQ(Registry.ReadString(kKey, "language"), kNonAscii);
  ASSERT_TRUE(Registry.WriteString(kKey, "Language", "de"));
  EXPECT_EQ(Registry.ReadString(kKey, "Language"), "de") << "a shorter value replaces the longer one whole";
}

TEST_F(Win32Registry, MissingKeyOrValueReadsAsNothing) {
  EXPECT_EQ(Registry.ReadString(kKey, "Language"), std::nullopt);
  ASSERT_TRUE(Registry.WriteString(kKey, "Other", "x"));
  EXPECT_EQ(Registry.ReadString(kKey, "Language"), std::nullopt);
}

TEST_F(Win32Registry, OnlyStringValuesAreReadAsStrings) {
  const DWORD Number = 7;
  const BYTE Binary[] = {'d', 0, 'e', 0, 0, 0};
  const std::wstring Unterminated = L"cn";
  const std::wstring Expandable = L"%APPDATA%\\x";
  SetRaw(L"Number", REG_DWORD, &Number, sizeof(Number));
  SetRaw(L"Binary", REG_BINARY, Binary, sizeof(Binary));
  SetRaw(L"Empty", REG_SZ, L"", sizeof(wchar_t));
  SetRaw(L"Unterminated", REG_SZ, Unterminated.data(), static_cast<DWORD>(Unterminated.size() * sizeof(wchar_t)));
  SetRaw(L"Expandable", REG_EXPAND_SZ, Expandable.c_str(),
         static_cast<DWORD>((Expandable.size() + 1) * sizeof(wchar_t)));
  EXPECT_EQ(Registry.ReadString(kKey, "Number"), std::nullopt);
  EXPECT_EQ(Registry.ReadString(kKey, "Binary"), std::nullopt);
  EXPECT_EQ(Registry.ReadString(kKey, "Empty"), "");
  EXPECT_EQ(Registry.ReadString(kKey, "Unterminated"), "cn") << "stored without its terminating zero";
  EXPECT_EQ(Registry.ReadString(kKey, "Expandable"), "%APPDATA%\\x") << "read as stored";
}

}  // namespace
}  // namespace nevra::win32
