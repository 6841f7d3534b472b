// The user's regional settings.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/Win32Text.h"
#include "platform/win32/services/Win32Locale.h"

namespace nevra::win32 {
namespace {

// The recorder writes durations with the user's separator, including one the user chose in
// the regional settings.
TEST(Win32Locale, DecimalSeparatorFollowsTheUsersSetting) {
  TWin32Locale Locale;
  wchar_t System[8] = {};
  ASSERT_GT(GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, System, 8), 0);
  EXPECT_EQ(Locale.DecimalSeparator(), Narrow(System));
  EXPECT_EQ(Locale.DecimalSeparator(), ".") << "Wine's default locale";

  ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L","));
  const std::string Changed = Locale.DecimalSeparator();
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, System);
  EXPECT_EQ(Changed, ",");
}

}  // namespace
}  // namespace nevra::win32
