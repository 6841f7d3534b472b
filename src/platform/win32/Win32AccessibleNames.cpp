#include "platform/win32/Win32AccessibleNames.h"

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>

#include <utility>

#include "platform/win32/Win32Text.h"

namespace nevra::win32 {

namespace {

// The identifiers from oleacc.h, spelt out here so that no GUID library has to be linked.
constexpr GUID kAccPropServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr UINT_PTR kSubclassId = 0x4E41;
const auto kClientObject = static_cast<DWORD>(OBJID_CLIENT);

// "&Delay (s):" -> "Delay (s)": no mnemonic marks, no trailing colon.
std::string SpokenCaption(const std::string& ACaption) {
  std::string Spoken;
  for (size_t Index = 0; Index < ACaption.size(); ++Index) {
    if (ACaption[Index] == '&' && Index + 1 < ACaption.size()) ++Index;
    Spoken += ACaption[Index];
  }
  while (!Spoken.empty() && (Spoken.back() == ':' || Spoken.back() == ' ')) Spoken.pop_back();
  return Spoken;
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

bool CanNameSpinBox(const TControl& AControl) {
  return AControl.Kind() == TControlKind::ckLabel || AControl.Kind() == TControlKind::ckCheckBox ||
         AControl.Kind() == TControlKind::ckRadioButton;
}

std::string SpinBoxAccessibleName(const std::vector<TControl*>& AControls, size_t AIndex) {
  if (AIndex >= AControls.size()) return {};
  const TControl& Box = *AControls[AIndex];
  const TControl* Later = &Box;  // the control after the candidate in the container
  int Ordinal = 1;
  for (size_t Index = AIndex; Index-- > 0;) {
    const TControl& Candidate = *AControls[Index];
    if (Candidate.Parent() != Box.Parent()) continue;
    const TControl* Earlier = PreviousInContainer(AControls, Index);
    const TControl* After = std::exchange(Later, &Candidate);
    if (Candidate.Kind() == TControlKind::ckSpinBox) {
      ++Ordinal;
      continue;
    }
    if (!CanNameSpinBox(Candidate) || (Earlier != nullptr && SeparatesOnARow(Candidate, *Earlier, *After))) continue;
    const std::string Name = SpokenCaption(Candidate.Caption());
    return Ordinal > 1 ? Name + " (" + std::to_string(Ordinal) + ")" : Name;
  }
  return {};
}

TAccessibleNames::TAccessibleNames() {
  void* Services = nullptr;
  if (SUCCEEDED(::CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface,
                                   &Services)))
    FServices = static_cast<IAccPropServices*>(Services);
}

TAccessibleNames::~TAccessibleNames() {
  for (const auto& [Window, Name] : FNamed)
    if (::IsWindow(Window) != FALSE) {
      ::RemoveWindowSubclass(Window, &ClearOnDestroy, kSubclassId);
      if (FServices != nullptr) {
        MSAAPROPID Property = kNameProperty;
        FServices->ClearHwndProps(Window, kClientObject, CHILDID_SELF, &Property, 1);
      }
    }
  if (FServices != nullptr) FServices->Release();
}

void TAccessibleNames::SetName(HWND AWindow, const std::string& AName) {
  if (FServices == nullptr || AWindow == nullptr) return;
  const auto Named = FNamed.find(AWindow);
  if (Named != FNamed.end() && Named->second == AName) return;
  if (FAILED(FServices->SetHwndPropStr(AWindow, kClientObject, CHILDID_SELF, kNameProperty, Widen(AName).c_str())))
    return;
  if (Named != FNamed.end()) {
    Named->second = AName;
    return;
  }
  FNamed.emplace(AWindow, AName);
  ::SetWindowSubclass(AWindow, &ClearOnDestroy, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void TAccessibleNames::Clear(HWND AWindow) {
  ::RemoveWindowSubclass(AWindow, &ClearOnDestroy, kSubclassId);
  MSAAPROPID Property = kNameProperty;
  if (FServices != nullptr) FServices->ClearHwndProps(AWindow, kClientObject, CHILDID_SELF, &Property, 1);
  FNamed.erase(AWindow);
}

LRESULT CALLBACK TAccessibleNames::ClearOnDestroy(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam, UINT_PTR,
                                                  DWORD_PTR ARefData) {
  if (AMessage == WM_NCDESTROY) reinterpret_cast<TAccessibleNames*>(ARefData)->Clear(AWindow);
  return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace nevra::win32
