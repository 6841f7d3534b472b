#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nevra {

// An INI text as the Windows profile functions read and write it: section and key names match
// without regard to ASCII case, the first section of a name is the one used, a value is read
// trimmed and without one pair of surrounding quotes. Writing an entry replaces its line where it
// stands, adds a missing key after the last line of its section and a missing section at the
// end; every other line (comments, blank lines, unknown keys) stays as it was. Lines are written
// back with CR LF.
class TIniFile {
 public:
  explicit TIniFile(std::string_view AText = {});

  std::optional<std::string> ReadString(std::string_view ASection, std::string_view AKey) const;
  // A whole number in the signed 32-bit range, decimal or with a "0x" prefix hexadecimal;
  // nothing when the entry is missing or is not such a number.
  std::optional<int32_t> ReadInteger(std::string_view ASection, std::string_view AKey) const;
  void WriteString(std::string_view ASection, std::string_view AKey, std::string_view AValue);

  std::string Text() const;

 private:
  struct TRange {
    size_t Header;  // index of the section's header line
    size_t End;     // one past its last line
  };
  std::optional<TRange> FindSection(std::string_view ASection) const;
  std::optional<size_t> FindKey(const TRange& ARange, std::string_view AKey) const;

  std::vector<std::string> FLines;
  bool FUtf8Bom = false;
};

}  // namespace nevra
