#include "platform/Format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace nevra {

namespace {

[[noreturn]] void Fail(std::string_view ATemplate) {
  throw EFormatError("Format '" + std::string(ATemplate) + "' invalid or incompatible with argument");
}

// Rounds half away from zero on the decimal value, the same on every compiler and C runtime
// (their printf functions disagree on ties such as 2.25 to one decimal).
std::string FixedPoint(double AValue, int APrecision, std::string_view ADecimalSeparator) {
  const double Scale = std::pow(10.0, APrecision);
  const double Scaled = std::round(std::fabs(AValue) * Scale);
  if (!std::isfinite(Scaled) || Scaled >= 9.0e15) {
    char Buffer[512];
    const int Length = std::snprintf(Buffer, sizeof Buffer, "%.*f", APrecision, AValue);
    std::string Text(Buffer, Length > 0 ? static_cast<size_t>(Length) : 0);
    if (const auto Dot = Text.find('.'); Dot != std::string::npos) Text.replace(Dot, 1, ADecimalSeparator);
    return Text;
  }
  const auto Units = static_cast<uint64_t>(Scaled);
  const auto Divisor = static_cast<uint64_t>(Scale);
  std::string Text = (AValue < 0 && Units != 0 ? "-" : "") + std::to_string(Units / Divisor);
  if (APrecision > 0) {
    std::string Fraction = std::to_string(Units % Divisor);
    Text +=
        std::string(ADecimalSeparator) + std::string(static_cast<size_t>(APrecision) - Fraction.size(), '0') + Fraction;
  }
  return Text;
}

}  // namespace

std::string Format(std::string_view ATemplate, std::initializer_list<TFormatArg> AArgs,
                   std::string_view ADecimalSeparator) {
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
      default: Fail(ATemplate);
    }
  }
  return Out;
}

}  // namespace nevra
