#include "platform/win32/view/Win32NativeControls.h"

#include <stdexcept>

#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeButtons.h"
#include "platform/win32/view/Win32NativeComboBox.h"
#include "platform/win32/view/Win32NativeHotkeyEdit.h"
#include "platform/win32/view/Win32NativeLabel.h"
#include "platform/win32/view/Win32NativeListBox.h"
#include "platform/win32/view/Win32NativeMemo.h"
#include "platform/win32/view/Win32NativeProgressBar.h"
#include "platform/win32/view/Win32NativeSpinBox.h"
#include "platform/win32/view/Win32NativeStatics.h"
#include "platform/win32/view/Win32NativeWindowless.h"

namespace nevra::win32 {

namespace {
template <typename TNative, typename TModel>
std::unique_ptr<TNativeControl> Make(TControl& AControl, size_t AIndex, TNativeContext& AContext) {
  // The kind names the model's class: each kind is made by exactly one.
  return std::make_unique<TNative>(static_cast<TModel&>(AControl), AIndex, AContext);
}
}  // namespace

std::unique_ptr<TNativeControl> CreateNativeControl(TControl& AControl, size_t AIndex, TNativeContext& AContext) {
  switch (AControl.Kind()) {
    case TControlKind::ckButton: return Make<TNativeButton, TButton>(AControl, AIndex, AContext);
    case TControlKind::ckCheckBox: return Make<TNativeCheckBox, TCheckBox>(AControl, AIndex, AContext);
    case TControlKind::ckRadioButton: return Make<TNativeRadioButton, TRadioButton>(AControl, AIndex, AContext);
    case TControlKind::ckLabel:
      if (static_cast<TLabel&>(AControl).IsLink()) return Make<TNativeLink, TLabel>(AControl, AIndex, AContext);
      return Make<TNativeLabel, TLabel>(AControl, AIndex, AContext);
    case TControlKind::ckSpinBox: return Make<TNativeSpinBox, TSpinBox>(AControl, AIndex, AContext);
    case TControlKind::ckComboBox: return Make<TNativeComboBox, TComboBox>(AControl, AIndex, AContext);
    case TControlKind::ckListBox: return Make<TNativeListBox, TListBox>(AControl, AIndex, AContext);
    case TControlKind::ckGroupBox: return Make<TNativeGroupBox, TControl>(AControl, AIndex, AContext);
    case TControlKind::ckPanel: return Make<TNativePanel, TControl>(AControl, AIndex, AContext);
    case TControlKind::ckBevel: return Make<TNativeBevel, TControl>(AControl, AIndex, AContext);
    case TControlKind::ckImage: return Make<TNativeImage, TImage>(AControl, AIndex, AContext);
    case TControlKind::ckProgressBar: return Make<TNativeProgressBar, TProgressBar>(AControl, AIndex, AContext);
    case TControlKind::ckHotkeyEdit: return Make<TNativeHotkeyEdit, THotkeyEdit>(AControl, AIndex, AContext);
    case TControlKind::ckMemo: return Make<TNativeMemo, TMemo>(AControl, AIndex, AContext);
    case TControlKind::ckTrayIcon: return Make<TNativeTrayIcon, TTrayIcon>(AControl, AIndex, AContext);
    case TControlKind::ckPopupMenu: return Make<TNativePopupMenu, TPopupMenu>(AControl, AIndex, AContext);
    case TControlKind::ckForm: break;
  }
  throw std::logic_error("A form cannot be a control of another form: " + AControl.Name());
}

}  // namespace nevra::win32
