#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/Dialogs.h"
#include "platform/win32/services/Win32MouseInput.h"
#include "platform/win32/view/Win32MessageDialog.h"

namespace nevra::win32 {

// Message boxes with the application title as caption and the kind's standard icon. A box is
// owned by the main window while there is one (it then blocks that window only), else it is
// task-modal. A text too big for MessageBoxW comes in a dialog of the same kind whose text
// scrolls (RunMessageDialog).
class TWin32Dialogs final : public IDialogs {
 public:
  TWin32Dialogs(TWindowSource AOwner, std::function<std::string()> ATitle);

  TMessageResult ShowMessage(TMessageKind AKind, const std::string& AText) override;
  bool InputText(const std::string& ACaption, const std::string& APrompt, std::string& AValue) override;
  // The texts of the dialogs' own buttons (OK, Cancel) in the user's language.
  void SetTranslator(std::function<std::string(const std::string&)> ATranslate) override {
    FTranslate = std::move(ATranslate);
  }

 private:
  // The scrolling dialog's icon, buttons and answer to Esc for a box of AKind.
  TMessageDialogSpec LongMessageSpec(TMessageKind AKind, const std::string& ATitle, const std::string& AText) const;

  TWindowSource FOwner;
  std::function<std::string()> FTitle;
  std::function<std::string(const std::string&)> FTranslate;
};

// MessageBoxW's style bits for a box of AKind (icon and buttons).
UINT MessageBoxStyle(TMessageKind AKind);

}  // namespace nevra::win32
