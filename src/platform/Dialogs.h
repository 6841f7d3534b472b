#pragma once
#include <functional>
#include <string>

namespace nevra {

enum class TMessageKind { mkInformation, mkWarning, mkError, mkConfirmation };

enum class TMessageResult { mrOk, mrYes, mrNo, mrCancel };

// Modal message boxes centred on the screen, with the kind's standard icon. Information,
// warning and error boxes have one OK button; a confirmation box has Yes and No.
class IDialogs {
 public:
  virtual ~IDialogs() = default;
  virtual TMessageResult ShowMessage(TMessageKind AKind, const std::string& AText) = 0;
  // A modal dialog with a prompt, an edit field holding AValue, OK and Cancel (Enter and Esc).
  // True with the entered text in AValue when the user chose OK.
  virtual bool InputText(const std::string& ACaption, const std::string& APrompt, std::string& AValue) = 0;
  // How the dialogs' own buttons (OK, Cancel, Yes, No) reach the program's language: English
  // until this is set.
  virtual void SetTranslator(std::function<std::string(const std::string&)> ATranslate) = 0;
};

}  // namespace nevra
