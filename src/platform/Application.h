#pragma once
#include <functional>
#include <string>

namespace nevra {

class TForm;

// The GUI toolkit as the start-up sequence sees it.
class IApplication {
 public:
  virtual ~IApplication() = default;
  // Initialises the GUI; the main window will own the taskbar button.
  virtual void Initialize() = 0;
  // Applies a visual style to every window made from now on; throws when it cannot.
  virtual void ApplyVisualStyle(const std::string& AStyleName) = 0;
  virtual void SetTitle(const std::string& ATitle) = 0;
  virtual std::string Title() const = 0;
  // Makes the native main window and its controls for AForm, not yet shown. From here on the
  // window reflects every change of the form's controls and turns user input into their events.
  virtual void CreateMainWindow(TForm& AForm) = 0;
  // Shows the main window and runs the message loop until the window has been closed (its
  // close query allowed it).
  virtual void RunMessageLoop() = 0;
  virtual void DestroyMainWindow() = 0;
  // Makes a window for AForm (fixed size, centred on the screen), runs its FormShow, shows it
  // and handles messages until the form has closed; then the window goes.
  virtual void ShowModal(TForm& AForm) = 0;
  // Windows is ending the session (log off, shut down): the process may be ended as soon as the
  // handler returns, so it must finish the program's shutdown itself.
  virtual void SetSessionEndHandler(std::function<void()> AHandler) = 0;
};

}  // namespace nevra
