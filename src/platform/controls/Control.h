#pragma once
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace nevra {

class TForm;

enum class TControlKind {
  ckForm,
  ckButton,
  ckLabel,
  ckGroupBox,
  ckPanel,
  ckBevel,
  ckCheckBox,
  ckRadioButton,
  ckSpinBox,
  ckComboBox,
  ckListBox,
  ckTrayIcon,
  ckPopupMenu,
  ckProgressBar,
  ckImage,
  ckHotkeyEdit,
  ckMemo,
};

enum class TControlProperty {
  cpCaption,
  cpEnabled,
  cpVisible,
  cpChecked,
  cpText,
  cpItems,
  cpItemIndex,
  cpFont,
  cpPopup,
  cpPosition,
  cpHint,
  cpHotkey,
  cpReadingOrder
};

class TControl;

// The native view listens to the model through this; the model never knows which toolkit shows it.
class IControlView {
 public:
  virtual ~IControlView() = default;
  virtual void ControlChanged(TControl& AControl, TControlProperty AProperty) = 0;
};

// A control as the program's logic sees it: state plus events, no toolkit. Bounds are in 96-DPI
// units relative to the client area of the parent (the form for top-level controls).
class TControl {
 public:
  TControl(TControlKind AKind, TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds);
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;
  virtual ~TControl() = default;

  TControlKind Kind() const { return FKind; }
  const std::string& Name() const { return FName; }
  TControl* Parent() const { return FParent; }
  const TRect& Bounds() const { return FBounds; }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& ACaption);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool AEnabled);
  bool Visible() const { return FVisible; }
  void SetVisible(bool AVisible);
  // A short description shown when the pointer rests on the control; screen readers take it as
  // the name of a control that shows no text (a button with only an image).
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& AHint);

  void SetView(IControlView* AView) { FView = AView; }

 protected:
  void Changed(TControlProperty AProperty);
  TForm* Owner() const { return FOwner; }

 private:
  TControlKind FKind;
  TForm* FOwner;
  TControl* FParent;
  std::string FName;
  TRect FBounds;
  std::string FCaption;
  std::string FHint;
  bool FEnabled = true;
  bool FVisible = true;
  IControlView* FView = nullptr;
};

// A top-level window: owns the list of its controls, in creation order (parents first).
class TForm : public TControl {
 public:
  TForm(std::string AName, int32_t AClientWidth, int32_t AClientHeight);
  const std::vector<TControl*>& Controls() const { return FControls; }
  // The window id the native view gives a control of this form (see ControlIds.h).
  int32_t ControlId(const TControl& AControl) const;
  void Register(TControl* AControl) { FControls.push_back(AControl); }
  int32_t ClientWidth() const { return Bounds().Width(); }
  int32_t ClientHeight() const { return Bounds().Height(); }
  // Right to left: the window is mirrored and its texts read from the right, as Windows shows
  // programs in Arabic.
  bool RightToLeft() const { return FRightToLeft; }
  void SetRightToLeft(bool ARightToLeft);
  // The user asks to close the window; true allows it.
  bool CloseQuery();
  // A number the form's owner reads back once it has closed (a dialog's outcome).
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t ATag) { FTag = ATag; }
  // The window is about to appear: FormShow runs.
  void Show();
  // Closes the window when the close query allows it: FormClose runs and Closed() turns true.
  // A modal window's loop ends when the handler that closed it has returned.
  void Close();
  // The same after the close query has already allowed it (the close box).
  void CloseAllowed();
  bool Closed() const { return FClosed; }

 protected:
  virtual void FormCloseQuery(bool& ACanClose) { ACanClose = true; }
  virtual void FormShow() {}
  virtual void FormClose() {}

 private:
  std::vector<TControl*> FControls;
  int32_t FTag = 0;
  bool FClosed = false;
  bool FRightToLeft = false;
};

}  // namespace nevra
