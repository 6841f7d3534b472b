#pragma once
#include <windows.h>

#include <functional>
#include <utility>

#include "platform/EventDispatcher.h"
#include "platform/controls/Control.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/style/Win32Style.h"
#include "platform/win32/view/Win32AccessibleNames.h"
#include "platform/win32/view/Win32NativeTooltips.h"

namespace nevra::win32 {

// What the native controls of one form share: the form (while it listens), its window (every
// control's parent), the dispatcher their events go through, the visual style, the fonts and the
// DPI. The form view owns it and keeps it current.
class TNativeContext {
 public:
  // AStyle, which must outlive the context: the controls wear its look; null for the system's.
  TNativeContext(TForm& AForm, HWND AWindow, TEventDispatcher& ADispatcher, UINT ADpi, const TWin32Style* AStyle);
  TNativeContext(const TNativeContext&) = delete;
  TNativeContext& operator=(const TNativeContext&) = delete;

  // Null once the form has stopped listening: nothing the user does reaches it any more.
  TForm* Form() const { return FForm; }
  void Detach() { FForm = nullptr; }
  HWND Window() const { return FWindow; }
  UINT Dpi() const { return FDpi; }
  // The style the controls paint themselves in; null in the system's look.
  const TWin32Style* Style() const { return FStyle; }
  HFONT Font(bool AUnderlined) const { return AUnderlined ? FUnderlinedFont.Get() : FFont.Get(); }
  TAccessibleNames& AccessibleNames() { return FAccessibleNames; }
  TNativeTooltips& Tooltips() { return FTooltips; }

  // The fonts for ADpi. The old ones come back: the controls still use them until they are
  // given the new ones, so the caller keeps them until then.
  std::pair<TFontOwner, TFontOwner> SetDpi(UINT ADpi);

  // Whether the user's input on a control becomes a model event: the form listens, and the view
  // is not writing to a control itself (SetWindowText raises EN_CHANGE as typing does).
  bool TakesInput() const { return FForm != nullptr && !FMirroring; }
  // Marks what the controls report while it lives as the view's own writing.
  class TMirroring {
   public:
    explicit TMirroring(TNativeContext& AContext) : FContext(AContext) { FContext.FMirroring = true; }
    ~TMirroring() { FContext.FMirroring = false; }
    TMirroring(const TMirroring&) = delete;
    TMirroring& operator=(const TMirroring&) = delete;

   private:
    TNativeContext& FContext;
  };

  // Runs a model event; the dispatcher shows what it throws.
  void Run(const std::function<void()>& AEvent) { FDispatcher.Run(AEvent); }
  // Moves the keyboard focus on before AWindow is disabled or hidden, so the keyboard still works.
  void MoveFocusAwayFrom(HWND AWindow) const;
  // The window of another control of the form (the anchor of a pop-up menu); set by the view.
  std::function<HWND(const TControl&)> WindowOf;

 private:
  TForm* FForm;
  HWND FWindow;
  TEventDispatcher& FDispatcher;
  UINT FDpi;
  const TWin32Style* FStyle;
  TAccessibleNames FAccessibleNames;
  TNativeTooltips FTooltips;
  TFontOwner FFont;
  TFontOwner FUnderlinedFont;
  bool FMirroring = false;
};

}  // namespace nevra::win32
