#pragma once
#include "platform/controls/StdControls.h"
#include "platform/win32/view/Win32NativeControl.h"

namespace nevra::win32 {

// A label: a static text, underlined while its model says so.
class TNativeLabel : public TNativeControl {
 public:
  TNativeLabel(TLabel& AModel, size_t AIndex, TNativeContext& AContext)
      : TNativeControl(AModel, AIndex, AContext), FLabel(AModel) {}
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;
  void ApplyFont() override;

 protected:
  TLabel& Label() const { return FLabel; }

 private:
  TLabel& FLabel;
};

// A label made a link (before the view is made): the link colour and a hand cursor; the mouse
// entering and leaving it, a click, and Enter or Space while it has the focus run its model's
// events. It is a tab stop, so the keyboard reaches it too.
class TNativeLink final : public TNativeLabel {
 public:
  using TNativeLabel::TNativeLabel;
  // Stops the window, should it outlive the link, from calling it.
  ~TNativeLink() override;
  void Create(bool AStartsGroup) override;
  void ApplySkin() override;
  bool HandleCommand(UINT ACode) override;
  bool PressByEnter() override;
  std::optional<HBRUSH> SystemColours(HDC ADc) override;

 private:
  void Activate();
  void MouseMove();
  void MouseLeave();
  static LRESULT CALLBACK SubclassProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam,
                                       UINT_PTR ASubclassId, DWORD_PTR ARefData);
  bool FMouseInside = false;
};

}  // namespace nevra::win32
