#include "support/FormFixture.h"

namespace nevra::test {

namespace {
std::string Describe(const TMouseInputRecord& ARecord) {
  switch (ARecord.Flags) {
    case MouseFlags::LeftDown: return "D0";
    case MouseFlags::LeftUp: return "U0";
    case MouseFlags::RightDown: return "D1";
    case MouseFlags::RightUp: return "U1";
    case MouseFlags::MiddleDown: return "D2";
    case MouseFlags::MiddleUp: return "U2";
    case MouseFlags::Move | MouseFlags::VirtualDesk | MouseFlags::Absolute: return "M";
    default: return "?";
  }
}
}  // namespace

std::vector<std::string> FormFixture::Events() const {
  std::vector<std::string> Out;
  for (const auto& Sent : P.Input.Sent()) Out.push_back(Describe(Sent.Record));
  return Out;
}

std::vector<uint64_t> FormFixture::PressTimes() const {
  std::vector<uint64_t> Out;
  for (const auto& Sent : P.Input.Sent())
    if (Sent.Record.Flags & (MouseFlags::LeftDown | MouseFlags::RightDown | MouseFlags::MiddleDown))
      Out.push_back(Sent.AtMs);
  return Out;
}

}  // namespace nevra::test
