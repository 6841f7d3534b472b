#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/controls/Control.h"

namespace nevra {

using TNotifyEvent = std::function<void()>;

class TButton : public TControl {
 public:
  TButton(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckButton, AOwner, AParent, std::move(AName), ABounds) {}
  TNotifyEvent OnClick;
  // A user's click: does nothing while the button is disabled.
  void Click();
};

enum class TAlignment { taLeft, taRight };

class TLabel : public TControl {
 public:
  TLabel(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds, TAlignment AAlignment = TAlignment::taLeft,
         bool AWordWrap = false)
      : TControl(TControlKind::ckLabel, AOwner, AParent, std::move(AName), ABounds),
        FAlignment(AAlignment),
        FWordWrap(AWordWrap) {}
  TAlignment Alignment() const { return FAlignment; }
  bool WordWrap() const { return FWordWrap; }
  bool Underlined() const { return FUnderlined; }
  void SetUnderlined(bool AUnderlined);
  // A label that acts as a link: hand cursor, link colour, and these events.
  bool IsLink() const { return FIsLink; }
  void MakeLink() { FIsLink = true; }
  // A label whose caption marks a mnemonic with "&" (before the view is made): Alt and that
  // letter move the focus to the control after it, as the dialog manager does for static texts.
  // Other labels show an "&" as it is (a file name, a status text).
  bool Mnemonic() const { return FMnemonic; }
  void MakeMnemonic() { FMnemonic = true; }
  TNotifyEvent OnClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 private:
  TAlignment FAlignment;
  bool FWordWrap;
  bool FUnderlined = false;
  bool FIsLink = false;
  bool FMnemonic = false;
};

class TGroupBox : public TControl {
 public:
  TGroupBox(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckGroupBox, AOwner, AParent, std::move(AName), ABounds) {}
};

class TPanel : public TControl {
 public:
  TPanel(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckPanel, AOwner, AParent, std::move(AName), ABounds) {}
};

// A sunken line (the top edge of a panel).
class TBevel : public TControl {
 public:
  TBevel(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckBevel, AOwner, AParent, std::move(AName), ABounds) {}
};

// Setting Checked from code acts like a click: the handler runs whenever the state changes.
class TCheckBox : public TControl {
 public:
  TCheckBox(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckCheckBox, AOwner, AParent, std::move(AName), ABounds) {}
  bool Checked() const { return FChecked; }
  void SetChecked(bool AChecked);
  // A user's click toggles the box.
  void Click();
  TNotifyEvent OnClick;

 private:
  bool FChecked = false;
};

// Radio buttons with the same parent form one group. Checking one (from code or by the user)
// unchecks the others and runs its handler; unchecking runs no handler.
class TRadioButton : public TControl {
 public:
  TRadioButton(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckRadioButton, AOwner, AParent, std::move(AName), ABounds) {}
  bool Checked() const { return FChecked; }
  void SetChecked(bool AChecked);
  void Click() { SetChecked(true); }
  TNotifyEvent OnClick;

 private:
  void SetCheckedState(bool AChecked);
  bool FChecked = false;
};

// A spin box holds its text as typed; Value reads it as a whole number, a text that is not one
// as 0, and clamps to the range (so a box from 1 up reads such a text as 1). Setting a value
// clamps it.
class TSpinBox : public TControl {
 public:
  TSpinBox(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds, int32_t AMin, int32_t AMax);
  int32_t MinValue() const { return FMin; }
  int32_t MaxValue() const { return FMax; }
  const std::string& Text() const { return FText; }
  void SetText(const std::string& AText);
  int32_t Value() const;
  void SetValue(int64_t AValue);
  // Runs whenever the text changes, whether the user typed or code set it.
  TNotifyEvent OnChange;
  // The user leaves the box: a whole number beyond the range shows as the end of the range, the
  // value it stands for; text that is no number stays for the form to judge.
  void Leave();

 private:
  int32_t FMin;
  int32_t FMax;
  std::string FText;
};

// A drop-down list that takes no typed text. Setting the index from code runs no handler; an
// index outside the items leaves no selection (-1).
class TComboBox : public TControl {
 public:
  TComboBox(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckComboBox, AOwner, AParent, std::move(AName), ABounds) {}
  const std::vector<std::string>& Items() const { return FItems; }
  void SetItems(std::vector<std::string> AItems);
  size_t ItemCount() const { return FItems.size(); }
  const std::string& ItemText(size_t AIndex) const { return FItems[AIndex]; }
  // Every change of the entries replaces them all.
  size_t FirstChangedItem() const { return 0; }
  int32_t ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int64_t AIndex);
  // The user picks an entry: the index changes and OnChange runs.
  void Select(int32_t AIndex);
  TNotifyEvent OnChange;

 private:
  std::vector<std::string> FItems;
  int32_t FItemIndex = -1;
};

// A list of entries to choose from. It shows the entries of a list kept elsewhere (ShowItemsOf),
// asking for them when it shows them, so that list stays the one source; or a list of its own
// (SetItems) where there is no other.
class TListBox : public TControl {
 public:
  using TItemCount = std::function<size_t()>;
  using TItemText = std::function<std::string(size_t)>;

  TListBox(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckListBox, AOwner, AParent, std::move(AName), ABounds) {}
  void ShowItemsOf(TItemCount ACount, TItemText AText);
  void SetItems(std::vector<std::string> AItems);
  // The source changed somehow: every entry is shown anew and nothing stays selected.
  void ItemsChanged() { ItemsChangedFrom(0); }
  // Entries joined the end of the source since the box was last told; those before are as they were.
  void ItemsAdded() { ItemsChangedFrom(FCountTold); }
  // The first entry that may differ from what the box was last told (for the view, which then
  // keeps the entries before it).
  size_t FirstChangedItem() const { return FFirstChanged; }
  size_t ItemCount() const { return FCount ? FCount() : 0; }
  std::string ItemText(size_t AIndex) const { return FText(AIndex); }
  std::vector<std::string> Items() const;
  int32_t ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int64_t AIndex);
  void Select(int32_t AIndex);
  TNotifyEvent OnClick;

 private:
  void ItemsChangedFrom(size_t AFirst);

  TItemCount FCount;
  TItemText FText;
  std::vector<std::string> FOwnItems;  // what SetItems gave
  size_t FCountTold = 0;
  size_t FFirstChanged = 0;
  int32_t FItemIndex = -1;
};

// The notification-area icon: the application icon with its caption as the tooltip. Not a
// window of its own; it lives while its form lives.
class TTrayIcon : public TControl {
 public:
  TTrayIcon(TForm* AOwner, std::string AName)
      : TControl(TControlKind::ckTrayIcon, AOwner, AOwner, std::move(AName), {}) {}
  // A single click on the icon.
  void Click() {
    if (OnClick) OnClick();
  }
  TNotifyEvent OnClick;
};

struct TMenuItem {
  std::string Caption;
  int32_t Tag = 0;
  bool Checked = false;
};

// A pop-up menu of plain items, shown by Popup below its anchor control. Item captions are shown
// as they are, with no accelerator letters added.
class TPopupMenu : public TControl {
 public:
  TPopupMenu(TForm* AOwner, std::string AName)
      : TControl(TControlKind::ckPopupMenu, AOwner, AOwner, std::move(AName), {}) {}
  const std::vector<TMenuItem>& Items() const { return FItems; }
  void Add(TMenuItem AItem);
  void SetChecked(size_t AIndex, bool AChecked);
  // Shows the menu with its top-left corner at the bottom-left corner of AAnchor.
  void Popup(const TControl& AAnchor);
  const TControl* Anchor() const { return FAnchor; }
  // The user picks an item.
  void Click(size_t AIndex) {
    if (AIndex < FItems.size() && OnItemClick) OnItemClick(FItems[AIndex]);
  }
  std::function<void(const TMenuItem&)> OnItemClick;

 private:
  std::vector<TMenuItem> FItems;
  const TControl* FAnchor = nullptr;
};

// A horizontal bar that shows how far a task has come, 0 to 100.
class TProgressBar : public TControl {
 public:
  TProgressBar(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckProgressBar, AOwner, AParent, std::move(AName), ABounds) {}
  static constexpr int32_t kMax = 100;
  int32_t Position() const { return FPosition; }
  // Clamped to 0..kMax.
  void SetPosition(int32_t APosition);

 private:
  int32_t FPosition = 0;
};

// A picture the program draws itself, named by what it shows ("update-icon").
class TImage : public TControl {
 public:
  TImage(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds, std::string APicture)
      : TControl(TControlKind::ckImage, AOwner, AParent, std::move(AName), ABounds), FPicture(std::move(APicture)) {}
  const std::string& Picture() const { return FPicture; }

 private:
  std::string FPicture;
};

// A text of several lines the user reads but does not edit: it wraps at the control's width,
// scrolls when it is longer than the control is high, and can be selected and copied.
class TMemo : public TControl {
 public:
  TMemo(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckMemo, AOwner, AParent, std::move(AName), ABounds) {}
  const std::string& Text() const { return FText; }
  void SetText(const std::string& AText);

 private:
  std::string FText;
};

// A field that takes the next key combination the user presses (the common controls' hotkey
// control): a key and RegisterHotKey's modifier bits, both 0 when the field is empty.
class THotkeyEdit : public TControl {
 public:
  THotkeyEdit(TForm* AOwner, TControl* AParent, std::string AName, TRect ABounds)
      : TControl(TControlKind::ckHotkeyEdit, AOwner, AParent, std::move(AName), ABounds) {}
  uint32_t Vk() const { return FVk; }
  uint32_t Modifiers() const { return FModifiers; }
  // From code: runs no handler.
  void SetHotkey(uint32_t AVk, uint32_t AModifiers);
  // The user pressed a combination in the field.
  void Press(uint32_t AVk, uint32_t AModifiers);
  // The field has the keyboard focus: keys typed now are meant for it.
  bool Focused() const { return FFocused; }
  void Enter() { FFocused = true; }
  void Leave() { FFocused = false; }

 private:
  uint32_t FVk = 0;
  uint32_t FModifiers = 0;
  bool FFocused = false;
};

}  // namespace nevra
