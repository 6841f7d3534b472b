#include "platform/controls/FormGeometry.h"

namespace nevra {

namespace {
// The containers around AControl, nearest first, up to (not including) the form.
template <typename TVisit>
bool AllContainers(const TControl& AControl, TVisit AVisit) {
  for (const TControl* Container = AControl.Parent(); Container != nullptr && Container->Kind() != TControlKind::ckForm;
       Container = Container->Parent())
    if (!AVisit(*Container)) return false;
  return true;
}
}  // namespace

TRect FormBounds(const TControl& AControl) {
  TRect Bounds = AControl.Bounds();
  AllContainers(AControl, [&Bounds](const TControl& AContainer) {
    Bounds.Left += AContainer.Bounds().Left;
    Bounds.Right += AContainer.Bounds().Left;
    Bounds.Top += AContainer.Bounds().Top;
    Bounds.Bottom += AContainer.Bounds().Top;
    return true;
  });
  return Bounds;
}

bool ShownOnForm(const TControl& AControl) {
  return AControl.Visible() && AllContainers(AControl, [](const TControl& AContainer) { return AContainer.Visible(); });
}

bool EnabledOnForm(const TControl& AControl) {
  return AControl.Enabled() && AllContainers(AControl, [](const TControl& AContainer) { return AContainer.Enabled(); });
}

bool IsWithin(const TControl& AControl, const TControl& AContainer) {
  for (const TControl* Walk = &AControl; Walk != nullptr; Walk = Walk->Parent())
    if (Walk == &AContainer) return true;
  return false;
}

bool IsContainer(const TControl& AControl) {
  return AControl.Kind() == TControlKind::ckGroupBox || AControl.Kind() == TControlKind::ckPanel;
}

bool OnPanelSurface(const TControl& AControl) {
  return AControl.Kind() == TControlKind::ckPanel ||
         (AControl.Parent() != nullptr && AControl.Parent()->Kind() == TControlKind::ckPanel);
}

}  // namespace nevra
