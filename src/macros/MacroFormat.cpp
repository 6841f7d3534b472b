// The ".nevramac" text: a name line, a duration line and one "E=" line per event.
#include <algorithm>
#include <charconv>
#include <cstring>
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

// The five fields of an "E=" line in the shape the program writes them, in one pass: each an
// optional minus and one to nine digits, with "|" between them and nothing after the last. False
// for any other shape, which the general reading takes. A large macro has millions of lines.
bool ReadPlainFields(std::string_view AText, int32_t (&AFields)[5]) {
  const char* At = AText.data();
  const char* const End = At + AText.size();
  for (int32_t& Field : AFields) {
    if (&Field != &AFields[0]) {
      if (At == End || *At != '|') return false;
      ++At;
    }
    const bool Negative = At != End && *At == '-';
    if (Negative) ++At;
    const char* const Digits = At;
    int32_t Value = 0;
    for (; At != End && static_cast<unsigned>(*At - '0') <= 9; ++At) {
      if (At - Digits == 9) return false;  // ten digits may not fit
      Value = Value * 10 + (*At - '0');
    }
    if (At == Digits) return false;
    Field = Negative ? -Value : Value;
  }
  return At == End;
}

// Bytes that are not valid UTF-8 become U+FFFD, so a damaged name still shows and saves as text.
std::string ValidUtf8(std::string_view AText) {
  std::string Out;
  Out.reserve(AText.size());
  size_t I = 0;
  while (I < AText.size()) {
    if (const size_t Length = Utf8CharLength(AText, I); Length > 0) {
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

std::optional<std::string> MacroNameFromStart(std::string_view AStart, bool AWholeFile) {
  std::string_view Text = SkipUtf8Bom(AStart);
  if (!AWholeFile) {
    // The last line may go on past what was read.
    const size_t LastBreak = Text.find_last_of("\r\n");
    Text = LastBreak == std::string_view::npos ? std::string_view() : Text.substr(0, LastBreak + 1);
  }
  TLineReader Lines(Text);
  for (std::string_view Line; Lines.Next(Line);) {
    const bool Event = Line.size() >= 2 && Line[0] == 'E' && Line[1] == '=';
    if (!Event && StartsWithKey(Line, "Name")) return ValidUtf8(Line.substr(5));
  }
  if (AWholeFile) return std::string();
  return std::nullopt;
}

void MacroFromText(std::string_view AText, TRecordedMacro& AMacro) {
  bool HaveName = false, HaveDuration = false;
  std::string Name;
  uint32_t Duration = 0;
  auto& Events = AMacro.MutableEvents();
  // One event a line at most: room for them all at once, so millions of events are never copied
  // to a larger block.
  Events.reserve(Events.size() + static_cast<size_t>(std::count(AText.begin(), AText.end(), '\n')) + 1);
  TLineReader Lines(SkipUtf8Bom(AText));
  for (std::string_view Line; Lines.Next(Line);) {
    if (Line.size() >= 2 && Line[0] == 'E' && Line[1] == '=') {
      std::string_view Rest = Line.substr(2);
      if (Rest.empty()) continue;
      if (int32_t Plain[5]; ReadPlainFields(Rest, Plain)) {
        Events.push_back({static_cast<uint32_t>(Plain[0]), static_cast<TMacroEventKind>(Plain[1] & 0xFF), Plain[2],
                          Plain[3], Plain[4]});
        continue;
      }
      std::string_view Fields[5];
      size_t Count = 0;
      while (Count < 5) {
        const auto* Bar = static_cast<const char*>(std::memchr(Rest.data(), '|', Rest.size()));
        if (Bar == nullptr) {
          Fields[Count++] = Rest;
          break;
        }
        Fields[Count++] = Rest.substr(0, static_cast<size_t>(Bar - Rest.data()));
        Rest.remove_prefix(static_cast<size_t>(Bar - Rest.data()) + 1);
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
