// Any bytes as settings.ini, saved over with the entries the program writes (values chosen by
// the fuzzer). What a save promises the user who edits the file by hand:
// - every line the program does not own stays, byte for byte and in its order; an owned line is
//   replaced where it stands, and only new entries and section headers are added;
// - the byte-order mark stays as it was;
// - every entry written reads back as written.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/IniFile.h"
#include "app/MainForm.h"
#include "platform/Text.h"
#include "platform/fake/FakePlatform.h"
#include "product/AppInfo.h"

namespace {

// The entries a save writes, from the window's own table of settings.
const std::vector<std::pair<std::string_view, std::string_view>>& SavedEntries() {
  static const auto Entries = [] {
    nevra::fake::TFakePlatform Platform;
    Platform.App.SetTitle(nevra::kApplicationTitle);
    nevra::TFrmMain Form(Platform.Platform);
    std::vector<std::pair<std::string_view, std::string_view>> Names;
    for (const nevra::TSettingsField& Field : Form.SettingsFields()) Names.emplace_back(Field.Section, Field.Key);
    return Names;
  }();
  return Entries;
}

struct TWritten {
  std::string_view Section;
  std::string_view Key;
  std::string Value;
};

std::string_view Trim(std::string_view AText) {
  while (!AText.empty() && (AText.front() == ' ' || AText.front() == '\t')) AText.remove_prefix(1);
  while (!AText.empty() && (AText.back() == ' ' || AText.back() == '\t')) AText.remove_suffix(1);
  return AText;
}

std::string_view KeyOf(std::string_view ALine) { return Trim(ALine.substr(0, ALine.find('='))); }

// True when AOut may stand where AIn stood: the same entry with a value the save wrote.
bool IsReplacement(std::string_view AIn, std::string_view AOut, const std::vector<TWritten>& AWritten) {
  const size_t Equals = AOut.find('=');
  if (Equals == std::string_view::npos || AOut.substr(0, Equals) != KeyOf(AIn)) return false;
  for (const TWritten& W : AWritten)
    if (nevra::SameTextAscii(W.Key, KeyOf(AIn)) && AOut.substr(Equals + 1) == W.Value) return true;
  return false;
}

// True when AOut is a line a save may add: a written entry or a section header.
bool IsAddition(std::string_view AOut, const std::vector<TWritten>& AWritten) {
  for (const TWritten& W : AWritten) {
    if (AOut == std::string(W.Key) + "=" + W.Value || AOut == "[" + std::string(W.Section) + "]") return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  FuzzedDataProvider Data(AData, ASize);
  std::vector<TWritten> Written;
  for (const auto& [Section, Key] : SavedEntries())
    Written.push_back({Section, Key, std::to_string(Data.ConsumeIntegral<int32_t>())});
  const std::string Original = Data.ConsumeRemainingBytesAsString();

  nevra::TIniFile Ini(Original);
  for (const TWritten& W : Written) Ini.WriteString(W.Section, W.Key, W.Value);
  const std::string Saved = Ini.Text();

  const std::string_view OriginalBody = nevra::SkipUtf8Bom(Original), SavedBody = nevra::SkipUtf8Bom(Saved);
  if ((OriginalBody.size() != Original.size()) != (SavedBody.size() != Saved.size())) __builtin_trap();

  const std::vector<std::string_view> In = nevra::SplitLines(OriginalBody), Out = nevra::SplitLines(SavedBody);
  size_t I = 0, Changed = 0;
  for (const std::string_view Line : Out) {
    if (I < In.size() && Line == In[I]) {
      ++I;
    } else if (I < In.size() && IsReplacement(In[I], Line, Written)) {
      ++I;
      ++Changed;
    } else if (IsAddition(Line, Written)) {
      ++Changed;
    } else {
      __builtin_trap();  // a line of the user's was lost or altered
    }
  }
  if (I != In.size() || Changed > 2 * Written.size()) __builtin_trap();

  const nevra::TIniFile Again(Saved);
  for (const TWritten& W : Written)
    if (Again.ReadString(W.Section, W.Key) != W.Value) __builtin_trap();
  return 0;
}
