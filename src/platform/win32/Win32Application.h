#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/EventDispatcher.h"
#include "platform/win32/services/Win32MessagePump.h"
#include "platform/win32/style/Win32Style.h"
#include "platform/win32/view/Win32FormWindow.h"

namespace nevra::win32 {

// The GUI application: common controls, the main window and the message loop.
class TWin32Application final : public IApplication {
 public:
  TWin32Application(TEventDispatcher& ADispatcher, TWin32MessagePump& APump);
  ~TWin32Application() override;
  TWin32Application(const TWin32Application&) = delete;
  TWin32Application& operator=(const TWin32Application&) = delete;

  void Initialize() override;
  // Makes the named style the look of every window made from now on. Throws std::runtime_error
  // with a message for the user when the style is unknown or cannot be made, or when a window
  // exists already; the program then goes on in the system's look. With Windows' high contrast
  // on, the style is checked but not used: the system's look keeps the user's colours.
  void ApplyVisualStyle(const std::string& AStyleName) override;
  void SetTitle(const std::string& ATitle) override;
  std::string Title() const override;
  void CreateMainWindow(TForm& AForm) override;
  // Shows the main window and runs the loop until its close is allowed (or WM_QUIT arrives).
  void RunMessageLoop() override;
  // Call it while the form still exists; it detaches the window from the form first.
  void DestroyMainWindow() override;
  void ShowModal(TForm& AForm) override;
  void SetSessionEndHandler(std::function<void()> AHandler) override { FSessionEnd = std::move(AHandler); }

  // Null while there is no main window.
  HWND MainWindow() const;
  TWin32FormWindow* MainWindowObject() const { return FMainWindow.get(); }
  // The applied style's name; empty while the system's look is in use.
  const std::string& VisualStyle() const { return FVisualStyle; }

 private:
  TEventDispatcher& FDispatcher;
  TWin32MessagePump& FPump;
  std::string FTitle;
  std::string FVisualStyle;
  bool FComInitialized = false;
  // Declared before the window, so it outlives it.
  std::unique_ptr<TWin32Style> FStyle;
  std::unique_ptr<TWin32FormWindow> FMainWindow;
  std::function<void()> FSessionEnd;
};

}  // namespace nevra::win32
