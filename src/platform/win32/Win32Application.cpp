#include "platform/win32/Win32Application.h"

#include <commctrl.h>
#include <objbase.h>

#include <stdexcept>

#include "platform/win32/services/Win32TimerResolution.h"

namespace nevra::win32 {

TWin32Application::TWin32Application(TEventDispatcher& ADispatcher, TWin32MessagePump& APump)
    : FDispatcher(ADispatcher), FPump(APump) {}

TWin32Application::~TWin32Application() {
  // Without a DestroyMainWindow first the form may already be gone (start-up failed half way):
  // the window goes without touching it.
  if (FMainWindow) FMainWindow->Abandon();
  FMainWindow.reset();
  if (FComInitialized) ::CoUninitialize();
}

void TWin32Application::Initialize() {
  INITCOMMONCONTROLSEX Controls{};
  Controls.dwSize = sizeof(Controls);
  Controls.dwICC = ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&Controls);
  // ShellExecuteW may hand the web address to a shell extension, which wants COM on this thread.
  const HRESULT Com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  FComInitialized = SUCCEEDED(Com);
  OptOutOfTimerResolutionThrottling();
}

void TWin32Application::ApplyVisualStyle(const std::string& AStyleName) {
  if (FMainWindow)
    throw std::runtime_error("The visual style \"" + AStyleName + "\" can only be applied before the first window.");
  auto Style = std::make_unique<TWin32Style>(AStyleName);
  // Someone who has asked Windows for high contrast needs its colours, not the style's.
  if (TWin32Style::HighContrastIsOn()) return;
  FStyle = std::move(Style);
  FVisualStyle = AStyleName;
}

void TWin32Application::SetTitle(const std::string& ATitle) { FTitle = ATitle; }

std::string TWin32Application::Title() const { return FTitle; }

void TWin32Application::CreateMainWindow(TForm& AForm) {
  if (FMainWindow) throw std::logic_error("the main window exists already");
  FMainWindow = std::make_unique<TWin32FormWindow>(AForm, FDispatcher, FStyle.get());
  FMainWindow->OnCloseAllowed = [] { ::PostQuitMessage(0); };
  FMainWindow->OnSessionEnd = [this] {
    if (FSessionEnd) FDispatcher.Run(FSessionEnd);
  };
}

void TWin32Application::RunMessageLoop() {
  if (!FMainWindow) throw std::logic_error("message loop without a main window");
  FPump.SetDialogWindow(FMainWindow->Handle());
  FMainWindow->ShowFirstTime();
  FPump.RunUntilQuit();
}

void TWin32Application::DestroyMainWindow() {
  FPump.SetDialogWindow(nullptr);
  if (!FMainWindow) return;
  FMainWindow->Detach();
  FMainWindow.reset();
}

void TWin32Application::ShowModal(TForm& AForm) {
  TWin32FormWindow Window(AForm, FDispatcher, FStyle.get(), TWin32FormWindow::kDialogClassName);
  Window.OnCloseAllowed = [&AForm] { AForm.CloseAllowed(); };
  Window.CloseOnEscape = true;
  // Tab and the arrow keys move through the dialog; the main window, if any, waits.
  const HWND Owner = MainWindow();
  if (Owner != nullptr) ::EnableWindow(Owner, FALSE);
  FPump.SetDialogWindow(Window.Handle());
  FDispatcher.Run([&AForm] { AForm.Show(); });
  Window.ShowFirstTime();
  // Someone asked the whole program to quit: the main loop must see it too.
  if (const auto QuitCode = FPump.RunUntil([&AForm] { return AForm.Closed(); })) ::PostQuitMessage(*QuitCode);
  if (Owner != nullptr) ::EnableWindow(Owner, TRUE);
  FPump.SetDialogWindow(Owner);
  Window.Detach();
}

HWND TWin32Application::MainWindow() const { return FMainWindow ? FMainWindow->Handle() : nullptr; }

}  // namespace nevra::win32
