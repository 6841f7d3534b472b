// UTF-8 to UTF-16 and back at the Win32 boundary.
#include <gtest/gtest.h>

#include <string>

#include "MainWindowCaption.h"
#include "TestWindow.h"
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

}  // namespace
}  // namespace nevra::win32
