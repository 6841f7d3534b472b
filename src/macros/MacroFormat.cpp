// The ".nevramac" text: a name line, a duration line and one "E=" line per event.
#include <charconv>
#include <optional>

#include "macros/MacroModel.h"
#include "platform/Text.h"

namespace nevra {

namespace {

// "Key=" at the start of the line, the key in any letter case.
bool StartsWithKey(std::string_view ALine, std::string_view AKey) {
  return ALine.size() > AKey.size() && ALine[AKey.size()] == '=' && SameTextAscii(ALine.substr(0, AKey.size()), AKey);
}

// A 32-bit field: optional leading spaces and sign, then decimal digits in the signed range, or
// after a "$", "x" or "0x" prefix up to eight hexadecimal digits taken as 32 bits.
std::optional<int32_t> ReadField(std::string_view AText) {
  while (!AText.empty() && AText.front() == ' ') AText.remove_prefix(1);
  bool Negative = false;
  if (!AText.empty() && (AText.front() == '-' || AText.front() == '+')) {
    Negative = AText.front() == '-';
    AText.remove_prefix(1);
  }
  size_t Prefix = 0;
  if (!AText.empty() && (AText[0] == '$' || AText[0] == 'x' || AText[0] == 'X'))
    Prefix = 1;
  else if (AText.size() >= 2 && AText[0] == '0' && (AText[1] == 'x' || AText[1] == 'X'))
    Prefix = 2;
  const char* End = AText.data() + AText.size();
  if (Prefix > 0) {
    AText.remove_prefix(Prefix);
    if (AText.empty() || AText.size() > 8) return std::nullopt;
    uint32_t Bits = 0;
    const auto [Ptr, Error] = std::from_chars(AText.data(), End, Bits, 16);
    if (Error != std::errc() || Ptr != End) return std::nullopt;
    if (Negative) Bits = 0u - Bits;
    return static_cast<int32_t>(Bits);
  }
  if (AText.empty() || AText.front() == '+' || AText.front() == '-') return std::nullopt;
  int64_t Value = 0;
  const auto [Ptr, Error] = std::from_chars(AText.data(), End, Value, 10);
  if (Error != std::errc() || Ptr != End) return std::nullopt;
  if (Negative) Value = -Value;
  if (Value < INT32_MIN || Value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(Value);
}

// Bytes that are not valid UTF-8 become U+FFFD, so a damaged name still shows and saves as text.
std::string ValidUtf8(std::string_view AText) {
  std::string Out;
  Out.reserve(AText.size());
  size_t I = 0;
  while (I < AText.size()) {
    const auto C = static_cast<unsigned char>(AText[I]);
    size_t Length = C < 0x80                   ? 1
                    : (C >= 0xC2 && C <= 0xDF) ? 2
                    : (C >= 0xE0 && C <= 0xEF) ? 3
                    : (C >= 0xF0 && C <= 0xF4) ? 4
                                               : 0;
    bool Valid = Length > 0 && I + Length <= AText.size();
    for (size_t K = 1; Valid && K < Length; ++K) Valid = (static_cast<unsigned char>(AText[I + K]) & 0xC0) == 0x80;
    if (Valid && Length >= 3) {
      // Reject overlong forms, surrogates and code points above U+10FFFF.
      const auto Next = static_cast<unsigned char>(AText[I + 1]);
      if ((C == 0xE0 && Next < 0xA0) || (C == 0xED && Next > 0x9F) || (C == 0xF0 && Next < 0x90) ||
          (C == 0xF4 && Next > 0x8F))
        Valid = false;
    }
    if (Valid) {
      Out.append(AText.substr(I, Length));
      I += Length;
    } else {
      Out += "\xEF\xBF\xBD";
      ++I;
    }
  }
  return Out;
}

void AppendNumber(std::string& AOut, int64_t AValue) {
  char Buffer[24];
  const auto [Ptr, Error] = std::to_chars(Buffer, Buffer + sizeof Buffer, AValue);
  (void)Error;
  AOut.append(Buffer, Ptr);
}

}  // namespace

std::string MacroToText(const TRecordedMacro& AMacro) {
  std::string Out(kUtf8Bom);
  Out.reserve(64 + AMacro.Events().size() * 28);
  if (!AMacro.Name().empty()) Out += "Name=" + AMacro.Name() + "\r\n";
  // Every field is written as the signed 32-bit number the reader takes, so what is written reads
  // back the same (a duration read from "-5" is kept as its 32 bits and written as "-5" again).
  Out += "DurationMs=";
  AppendNumber(Out, static_cast<int32_t>(AMacro.DurationMs()));
  Out += "\r\n";
  for (const TMacroMouseEvent& E : AMacro.Events()) {
    Out += "E=";
    AppendNumber(Out, static_cast<int32_t>(E.DeltaMs));
    Out += '|';
    AppendNumber(Out, static_cast<int32_t>(E.Kind));
    Out += '|';
    AppendNumber(Out, E.X);
    Out += '|';
    AppendNumber(Out, E.Y);
    Out += '|';
    AppendNumber(Out, E.Button);
    Out += "\r\n";
  }
  return Out;
}

void MacroFromText(std::string_view AText, TRecordedMacro& AMacro) {
  bool HaveName = false, HaveDuration = false;
  std::string Name;
  uint32_t Duration = 0;
  auto& Events = AMacro.MutableEvents();
  for (const std::string_view Line : SplitLines(SkipUtf8Bom(AText))) {
    if (Line.size() >= 2 && Line[0] == 'E' && Line[1] == '=') {
      std::string_view Rest = Line.substr(2);
      if (Rest.empty()) continue;
      std::string_view Fields[5];
      size_t Count = 0;
      while (Count < 5) {
        const size_t Bar = Rest.find('|');
        Fields[Count++] = Rest.substr(0, Bar);
        if (Bar == std::string_view::npos) break;
        Rest.remove_prefix(Bar + 1);
      }
      if (Count < 5) continue;
      TMacroMouseEvent Event;
      Event.DeltaMs = static_cast<uint32_t>(ReadField(Fields[0]).value_or(0));
      Event.Kind = static_cast<TMacroEventKind>(static_cast<uint32_t>(ReadField(Fields[1]).value_or(0)) & 0xFF);
      Event.X = ReadField(Fields[2]).value_or(0);
      Event.Y = ReadField(Fields[3]).value_or(0);
      Event.Button = ReadField(Fields[4]).value_or(-1);
      Events.push_back(Event);
    } else if (!HaveName && StartsWithKey(Line, "Name")) {
      HaveName = true;
      Name = ValidUtf8(Line.substr(5));
    } else if (!HaveDuration && StartsWithKey(Line, "DurationMs")) {
      HaveDuration = true;
      Duration = static_cast<uint32_t>(ReadField(Line.substr(11)).value_or(0));
    }
  }
  AMacro.SetName(std::move(Name));
  AMacro.SetDurationMs(Duration);
}

}  // namespace nevra
