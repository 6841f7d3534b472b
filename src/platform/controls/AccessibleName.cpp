#include "platform/controls/AccessibleName.h"

#include <string_view>
#include <utility>

namespace nevra {

namespace {

// "&Delay (s):" -> "Delay (s)", "速度(&P)：" -> "速度": no mnemonic marks (nor the bracketed letter
// that carries one in Chinese, Japanese and Korean), no trailing colon, full-width or not.
std::string SpokenCaption(const std::string& ACaption) {
  std::string Spoken;
  for (size_t Index = 0; Index < ACaption.size(); ++Index) {
    if (ACaption.compare(Index, 2, "(&") == 0 && Index + 3 < ACaption.size() && ACaption[Index + 3] == ')') {
      Index += 3;
      continue;
    }
    if (ACaption[Index] == '&' && Index + 1 < ACaption.size()) ++Index;
    Spoken += ACaption[Index];
  }
  constexpr std::string_view kFullWidthColon = "\xEF\xBC\x9A";
  for (;;) {
    if (!Spoken.empty() && (Spoken.back() == ':' || Spoken.back() == ' '))
      Spoken.pop_back();
    else if (Spoken.ends_with(kFullWidthColon))
      Spoken.resize(Spoken.size() - kFullWidthColon.size());
    else
      return Spoken;
  }
}

const TControl* PreviousInContainer(const std::vector<TControl*>& AControls, size_t AIndex) {
  for (size_t Index = AIndex; Index-- > 0;)
    if (AControls[Index]->Parent() == AControls[AIndex]->Parent()) return AControls[Index];
  return nullptr;
}

bool OnTheSameRow(const TRect& AFirst, const TRect& ASecond) {
  return AFirst.Top < ASecond.Bottom && ASecond.Top < AFirst.Bottom;
}

// A label between two spin boxes on one row, such as the "X" in "[x] X [y]".
bool SeparatesOnARow(const TControl& ALabel, const TControl& ALeft, const TControl& ARight) {
  if (ALabel.Kind() != TControlKind::ckLabel || ALeft.Kind() != TControlKind::ckSpinBox ||
      ARight.Kind() != TControlKind::ckSpinBox)
    return false;
  const TRect& Label = ALabel.Bounds();
  return OnTheSameRow(Label, ALeft.Bounds()) && OnTheSameRow(Label, ARight.Bounds()) &&
         ALeft.Bounds().Right <= Label.Left && Label.Right <= ARight.Bounds().Left;
}

}  // namespace

bool CanNameField(const TControl& AControl) {
  return AControl.Kind() == TControlKind::ckLabel || AControl.Kind() == TControlKind::ckCheckBox ||
         AControl.Kind() == TControlKind::ckRadioButton;
}

std::string FieldAccessibleName(const std::vector<TControl*>& AControls, size_t AIndex) {
  if (AIndex >= AControls.size()) return {};
  const TControl& Box = *AControls[AIndex];
  const TControl* Later = &Box;  // the control after the candidate in the container
  int Ordinal = 1;
  for (size_t Index = AIndex; Index-- > 0;) {
    const TControl& Candidate = *AControls[Index];
    if (Candidate.Parent() != Box.Parent()) continue;
    const TControl* Earlier = PreviousInContainer(AControls, Index);
    const TControl* After = std::exchange(Later, &Candidate);
    if (Candidate.Kind() == Box.Kind()) {
      ++Ordinal;
      continue;
    }
    if (!CanNameField(Candidate) || (Earlier != nullptr && SeparatesOnARow(Candidate, *Earlier, *After))) continue;
    const std::string Name = SpokenCaption(Candidate.Caption());
    return Ordinal > 1 ? Name + " (" + std::to_string(Ordinal) + ")" : Name;
  }
  return {};
}

}  // namespace nevra
