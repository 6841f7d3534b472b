// The language menu: a choice translates the window at once and is the language of the next
// start; without its catalogue the program speaks English. The expected texts come from the
// catalogue shipped beside the program.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CatalogueFile.h"
#include "MessageWait.h"
#include "ProcessWindows.h"
#include "ProgramTest.h"
#include "platform/win32/Win32Text.h"

namespace nevra::e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kMenuTimeout = 10s;

// The stored choice lives in the registry of the Wine prefix that every test of the run shares:
// each test starts without one and leaves none behind.
std::optional<std::string> StoredLanguage() {
  wchar_t Value[64] = {};
  DWORD Size = sizeof(Value);
  if (RegGetValueW(HKEY_CURRENT_USER, kProgramKey, kLanguageValue, RRF_RT_REG_SZ, nullptr, Value, &Size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return win32::Narrow(Value);
}

void StoreLanguage(const std::string& ACode) {
  const std::wstring Code = win32::Widen(ACode);
  RegSetKeyValueW(HKEY_CURRENT_USER, kProgramKey, kLanguageValue, REG_SZ, Code.c_str(),
                  static_cast<DWORD>((Code.size() + 1) * sizeof(wchar_t)));
}

void ForgetLanguage() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kProgramKey, kLanguageValue); }

std::string FormatTwice(std::string ATemplate, const std::string& AFirst, const std::string& ASecond) {
  for (const std::string* Value : {&AFirst, &ASecond}) ATemplate.replace(ATemplate.find("%s"), 2, *Value);
  return ATemplate;
}

// Controls whose text the menu switches, with the English text each shows.
const std::vector<std::pair<const char*, const char*>>& TranslatedCaptions() {
  static const std::vector<std::pair<const char*, const char*>> Captions = {
      {"btnStart", "Start"},
      {"btnStop", "Stop"},
      {"grpTarget", "Target"},
      {"rbMacros", "Macros:"},
      {"grpInterval", "Click Interval"},
      {"lblH", "Hours"},
      {"lblMS", "Milliseconds"},
      {"chkTopMost", "Always on top"},
      {"btnAbout", "About..."},
      {"lblStatus", "Ready"},
  };
  return Captions;
}

class Language : public TProgramTest {
 protected:
  void SetUp() override {
    ForgetLanguage();
    TProgramTest::SetUp();
  }
  void TearDown() override {
    TProgramTest::TearDown();
    ForgetLanguage();
  }

  static const tools::TCatalogueFile& Catalogue() {
    static const tools::TCatalogueFile File(CataloguePath());
    return File;
  }

  // Opens the menu with btnLang and picks the language's entry with the keyboard.
  void ChooseLanguage(const std::string& ACode) const {
    const std::optional<size_t> Position = Catalogue().LanguageIndex(ACode);
    ASSERT_TRUE(Position.has_value()) << "the catalogue has no language " << ACode;
    Window().PostClick("btnLang");
    const HWND Menu = tools::WaitForProcessWindow(ProcessId(), tools::kPopupMenuClass, std::nullopt, kMenuTimeout);
    ASSERT_NE(Menu, nullptr) << "the language menu did not open";
    const RECT Button = tools::WindowBounds(Window().Control("btnLang"));
    EXPECT_EQ(tools::WindowBounds(Menu).left, Button.left) << "the menu is not below the button";
    // The menu opens with nothing highlighted; the first Down highlights the first entry.
    for (size_t Step = 0; Step <= *Position; ++Step) PostMessageW(Menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(Menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(tools::WaitUntilClosed(Menu, kMenuTimeout)) << "the menu stayed open";
    ASSERT_TRUE(tools::WaitUntil([&] { return Window().Text("btnLang") == ACode; }, kMenuTimeout))
        << "btnLang shows " << Window().Text("btnLang");
  }

  void ExpectInterfaceIn(const std::string& ACode) const {
    const auto Text = [&](const char* AEnglish) { return Catalogue().Translation(ACode, AEnglish); };
    for (const auto& [Control, English] : TranslatedCaptions())
      EXPECT_EQ(Window().Text(Control), Text(English)) << Control;
    EXPECT_EQ(Window().ComboItemTexts("cbButton"),
              (std::vector<std::string>{Text("Left"), Text("Right"), Text("Middle"), Text("Key")}));
    EXPECT_EQ(Window().Text("lblHotkeys"),
              FormatTwice(Text("Hotkeys \xE2\x80\x94 Start: %s  |  Stop: %s"), "Shift+Ctrl+S", "Shift+Ctrl+X"));
  }
};

TEST_F(Language, AChoiceFromTheMenuTranslatesTheWindowAtOnceAndStaysForTheNextStart) {
  ASSERT_NE(Catalogue().Translation("de", "Ready"), "Ready") << "the test needs texts that differ in German";
  Window().Select("cbButton", 1);

  ChooseLanguage("de");
  ExpectInterfaceIn("de");
  EXPECT_EQ(Window().Selection("cbButton"), 1) << "the translation lost the selection";
  EXPECT_EQ(StoredLanguage(), "de");

  RestartProgram();
  EXPECT_EQ(Window().Text("btnLang"), "de");
  ExpectInterfaceIn("de");

  // The source language switches translation off again.
  ChooseLanguage("en");
  ExpectInterfaceIn("en");
  EXPECT_EQ(StoredLanguage(), "en");
}

// The program alone in a folder, without its catalogue, while German is the stored choice.
class LanguageWithoutCatalogue : public Language {
 protected:
  void SetUp() override {
    ForgetLanguage();
    StoreLanguage("de");
    std::filesystem::copy_file(ProgramPath(), FProgramCopy);
    StartProgram(FProgramCopy.string());
  }

  tools::TTempFolder FLoneFolder{L"no-catalogue"};
  std::filesystem::path FProgramCopy = FLoneFolder.Path() / std::filesystem::path(ProgramPath()).filename();
};

TEST_F(LanguageWithoutCatalogue, ShowsEveryTextInEnglish) {
  for (const auto& [Control, English] : TranslatedCaptions()) EXPECT_EQ(Window().Text(Control), English) << Control;
  EXPECT_EQ(Window().ComboItemTexts("cbButton"), (std::vector<std::string>{"Left", "Right", "Middle", "Key"}));
  // The code stays what was chosen; only the texts are missing.
  EXPECT_EQ(Window().Text("btnLang"), "de");
}

}  // namespace
}  // namespace nevra::e2e
