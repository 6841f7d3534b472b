#include "platform/Format.h"

#include <cstdio>

namespace nevra {

namespace {

[[noreturn]] void Fail(std::string_view ATemplate) {
  throw EFormatError("Format '" + std::string(ATemplate) + "' invalid or incompatible with argument");
}

std::string FixedPoint(double AValue, int APrecision, char ADecimalSeparator) {
  char Buffer[512];
  const int Length = std::snprintf(Buffer, sizeof Buffer, "%.*f", APrecision, AValue);
  std::string Text(Buffer, Length > 0 ? static_cast<size_t>(Length) : 0);
  if (const auto Dot = Text.find('.'); Dot != std::string::npos) Text[Dot] = ADecimalSeparator;
  return Text;
}

}  // namespace

std::string Format(std::string_view ATemplate, std::initializer_list<TFormatArg> AArgs, char ADecimalSeparator) {
  std::string Out;
  const TFormatArg* Next = AArgs.begin();
  for (size_t I = 0; I < ATemplate.size(); ++I) {
    const char C = ATemplate[I];
    if (C != '%') {
      Out += C;
      continue;
    }
    if (++I >= ATemplate.size()) Fail(ATemplate);
    if (ATemplate[I] == '%') {
      Out += '%';
      continue;
    }
    // Width and precision: digits, optionally a dot and more digits. The width is accepted and
    // ignored, as the program's templates only use it as %0.1f.
    while (I < ATemplate.size() && ATemplate[I] >= '0' && ATemplate[I] <= '9') ++I;
    int Precision = -1;
    if (I < ATemplate.size() && ATemplate[I] == '.') {
      Precision = 0;
      ++I;
      while (I < ATemplate.size() && ATemplate[I] >= '0' && ATemplate[I] <= '9') {
        Precision = Precision * 10 + (ATemplate[I] - '0');
        if (Precision > 18) Fail(ATemplate);
        ++I;
      }
    }
    if (I >= ATemplate.size() || Next == AArgs.end()) Fail(ATemplate);
    const TFormatArg& Arg = *Next++;
    switch (ATemplate[I]) {
      case 's':
        if (!std::holds_alternative<std::string>(Arg)) Fail(ATemplate);
        Out += std::get<std::string>(Arg);
        break;
      case 'd':
        if (!std::holds_alternative<int64_t>(Arg)) Fail(ATemplate);
        Out += std::to_string(std::get<int64_t>(Arg));
        break;
      case 'f':
        if (!std::holds_alternative<double>(Arg)) Fail(ATemplate);
        Out += FixedPoint(std::get<double>(Arg), Precision < 0 ? 2 : Precision, ADecimalSeparator);
        break;
      default:
        Fail(ATemplate);
    }
  }
  return Out;
}

}  // namespace nevra
