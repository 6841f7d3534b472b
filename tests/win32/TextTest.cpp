// UTF-8 to UTF-16 and back at the Win32 boundary.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "MainWindowCaption.h"
#include "TestWindow.h"
#include "platform/TextCase.h"
#include "platform/win32/Win32Text.h"

namespace nevra::win32 {
namespace {

struct TTextCase {
  const char* Utf8;
  const wchar_t* Utf16;
};

TEST(Win32Text, WidenAndNarrowRoundTrip) {
  for (const TTextCase& Case : {TTextCase{"", L""},
                                {"Start", L"Start"},
                                {"Grüße", L"Gr\u00fc\u00dfe"},
                                {"\xe4\xb8\xad\xe6\x96\x87", L"\u4e2d\u6587"},
                                {"\xf0\x9f\x96\xb1", L"\xd83d\xddb1"},  // beyond the BMP: a surrogate pair
                                {"a\0b", L"a"}}) {
    EXPECT_EQ(Widen(Case.Utf8), Case.Utf16) << Case.Utf8;
    EXPECT_EQ(Narrow(Case.Utf16), Case.Utf8) << Case.Utf8;
  }
}

TEST(Win32Text, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(Widen("a\xff"
                  "b"),
            L"a\ufffd"
            "b");
  EXPECT_EQ(Widen("\xc3"), L"\ufffd");                             // cut short
  EXPECT_EQ(Narrow(std::wstring(L"x\xd800y")), "x\xef\xbf\xbdy");  // a lone surrogate
}

TEST(Win32Text, EveryLineBreakBecomesTheOneAnEditBoxShows) {
  EXPECT_EQ(WithWindowsLineBreaks(L"a\nb\r\nc\rd"), L"a\r\nb\r\nc\r\nd");
  EXPECT_EQ(WithWindowsLineBreaks(L"\n\n\r\r\n"), L"\r\n\r\n\r\n\r\n");
  EXPECT_EQ(WithWindowsLineBreaks(L"no break"), L"no break");
}

TEST(Win32Text, WindowTextRoundTripsThroughTheWindow) {
  test::TTestWindow Window;
  const std::string Caption = tools::kMainWindowCaption + " \xe2\x80\x94 \xe4\xb8\xad";
  SetWindowTextUtf8(Window.Handle(), Caption);
  EXPECT_EQ(WindowTextUtf8(Window.Handle()), Caption);
  SetWindowTextUtf8(Window.Handle(), "");
  EXPECT_EQ(WindowTextUtf8(Window.Handle()), "");
}

// The portable comparison of names ignores letter case as Windows does when it compares file names
// (CompareStringOrdinal): both ways, for every character of the Basic Multilingual Plane and its
// capital.
TEST(Win32Text, NamesIgnoreLetterCaseAsWindowsDoes) {
  const auto WindowsSame = [](wchar_t A, wchar_t B) {
    return ::CompareStringOrdinal(&A, 1, &B, 1, TRUE) == CSTR_EQUAL;
  };
  std::vector<std::string> Disagreements;
  for (char32_t Char = 1; Char < 0x10000; ++Char) {
    if (Char >= 0xD800 && Char <= 0xDFFF) continue;
    const auto Wide = static_cast<wchar_t>(Char);
    wchar_t WindowsCapital = Wide;
    ::CharUpperBuffW(&WindowsCapital, 1);
    const auto OurCapital = static_cast<wchar_t>(UpperCaseOf(Char));
    const std::string Utf8 = Narrow(std::wstring(1, Wide));
    if (WindowsSame(Wide, OurCapital) != true ||
        SameTextIgnoringCase(Utf8, Narrow(std::wstring(1, WindowsCapital))) != WindowsSame(Wide, WindowsCapital)) {
      char Code[32];
      std::snprintf(Code, sizeof Code, "U+%04X/%04X/%04X", static_cast<unsigned>(Char),
                    static_cast<unsigned>(OurCapital), static_cast<unsigned>(WindowsCapital));
      Disagreements.push_back(Code);
    }
  }
  EXPECT_TRUE(Disagreements.empty()) << ::testing::PrintToString(Disagreements);
}

}  // namespace
}  // namespace nevra::win32
