#include "platform/win32/view/Win32FormView.h"

#include <uxtheme.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "platform/controls/AccessibleName.h"
#include "platform/controls/ControlIds.h"
#include "platform/controls/FormGeometry.h"
#include "platform/controls/StdControls.h"
#include "platform/controls/TabOrder.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/style/Win32Palette.h"
#include "platform/win32/style/Win32Pictures.h"
#include "platform/win32/view/Win32Fonts.h"
#include "platform/win32/view/Win32PopupMenu.h"

namespace nevra::win32 {

namespace {

// Room below a drop-down list's field for the list it opens.
constexpr int kDropDownListHeight = 200;
// The up-down arrows' width at 96 DPI (a scroll bar's).
constexpr int kUpDownWidth = 17;

struct TRecipe {
  const wchar_t* ClassName;
  DWORD Style;
  DWORD ExStyle;
};

DWORD LabelStyle(const TLabel& ALabel) {
  // SS_NOPREFIX: a status text or file name with "&" shows the ampersand.
  DWORD Style = SS_NOPREFIX;
  if (ALabel.WordWrap())
    Style |= ALabel.Alignment() == TAlignment::taRight ? SS_RIGHT : SS_LEFT;
  else
    Style |= (ALabel.Alignment() == TAlignment::taRight ? SS_RIGHT : SS_LEFTNOWORDWRAP) | SS_ENDELLIPSIS;
  // A link reports clicks and is a tab stop, so the keyboard reaches it too.
  if (ALabel.IsLink()) Style |= SS_NOTIFY | WS_TABSTOP;
  return Style;
}

// AStyled: the visual style draws the entries of lists, with the texts kept in the control.
TRecipe RecipeFor(const TControl& AControl, bool AStyled) {
  switch (AControl.Kind()) {
    case TControlKind::ckButton: return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    // Check boxes and radio buttons are not "auto": the model owns their state and the view
    // shows it, so a click only asks the model.
    case TControlKind::ckCheckBox: return {WC_BUTTONW, BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, 0};
    case TControlKind::ckRadioButton: return {WC_BUTTONW, BS_RADIOBUTTON, 0};
    case TControlKind::ckGroupBox: return {WC_BUTTONW, BS_GROUPBOX, 0};
    case TControlKind::ckLabel: return {WC_STATICW, LabelStyle(static_cast<const TLabel&>(AControl)), 0};
    case TControlKind::ckPanel: return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case TControlKind::ckBevel: return {WC_STATICW, SS_ETCHEDHORZ, 0};
    case TControlKind::ckSpinBox:
      return {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case TControlKind::ckComboBox:
      return {WC_COMBOBOXW,
              CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP |
                  (AStyled ? DWORD{CBS_OWNERDRAWFIXED | CBS_HASSTRINGS} : DWORD{0}),
              0};
    case TControlKind::ckListBox:
      return {WC_LISTBOXW,
              LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP |
                  (AStyled ? DWORD{LBS_OWNERDRAWFIXED | LBS_HASSTRINGS} : DWORD{0}),
              WS_EX_CLIENTEDGE};
    case TControlKind::ckProgressBar: return {PROGRESS_CLASSW, 0, 0};
    case TControlKind::ckImage: return {WC_STATICW, SS_OWNERDRAW, 0};
    case TControlKind::ckForm:
    case TControlKind::ckTrayIcon:   // not a child window: see SyncTrayIcon
    case TControlKind::ckPopupMenu:  // made each time it pops up
      break;
  }
  return {nullptr, 0, 0};
}

bool IsLinkLabel(const TControl& AControl) {
  return AControl.Kind() == TControlKind::ckLabel && static_cast<const TLabel&>(AControl).IsLink();
}

// What lies behind a control: the status panel's colour inside a panel, the window's elsewhere.
COLORREF SurfaceBehind(const TControl& AControl) {
  return OnPanelSurface(AControl) ? palette::kStatusPanel : palette::kWindow;
}

TSkin SkinOf(const TControl& AControl) {
  switch (AControl.Kind()) {
    case TControlKind::ckCheckBox: return TSkin::skCheckBox;
    case TControlKind::ckRadioButton: return TSkin::skRadioButton;
    case TControlKind::ckGroupBox: return TSkin::skGroupBox;
    case TControlKind::ckLabel: return TSkin::skLabel;
    case TControlKind::ckPanel: return TSkin::skPanel;
    case TControlKind::ckBevel: return TSkin::skBevel;
    case TControlKind::ckSpinBox: return TSkin::skEdit;
    case TControlKind::ckComboBox: return TSkin::skComboBox;
    case TControlKind::ckListBox: return TSkin::skListBox;
    default: return TSkin::skPushButton;
  }
}

RECT ScaledFormBounds(const TControl& AControl, UINT ADpi) {
  const TRect Bounds = FormBounds(AControl);
  return RECT{ScaleForDpi(Bounds.Left, ADpi), ScaleForDpi(Bounds.Top, ADpi), ScaleForDpi(Bounds.Right, ADpi),
              ScaleForDpi(Bounds.Bottom, ADpi)};
}

void MoveTo(HWND AWindow, const RECT& ARect) {
  ::SetWindowPos(AWindow, nullptr, ARect.left, ARect.top, ARect.right - ARect.left, ARect.bottom - ARect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetStyleBit(HWND AWindow, DWORD ABit, bool AOn) {
  const LONG_PTR Style = ::GetWindowLongPtrW(AWindow, GWL_STYLE);
  const LONG_PTR Wanted = AOn ? (Style | static_cast<LONG_PTR>(ABit)) : (Style & ~static_cast<LONG_PTR>(ABit));
  if (Wanted != Style) ::SetWindowLongPtrW(AWindow, GWL_STYLE, Wanted);
}

void SetShownAndEnabled(HWND AWindow, bool AShown, bool AEnabled) {
  if (AWindow == nullptr) return;
  ::EnableWindow(AWindow, AEnabled ? TRUE : FALSE);
  ::ShowWindow(AWindow, AShown ? SW_SHOWNA : SW_HIDE);
}

}  // namespace

TWin32FormView::TWin32FormView(TForm& AForm, HWND AWindow, TEventDispatcher& ADispatcher, UINT ADpi,
                               const TWin32Style* AStyle)
    : FForm(&AForm), FWindow(AWindow), FDispatcher(ADispatcher), FDpi(ADpi), FStyle(AStyle) {
  if (FStyle != nullptr) FSkins = std::make_unique<TWin32StyledControls>(*FStyle, FDpi);
  FFont = CreateUiFont(FDpi);
  FUnderlinedFont = CreateUiFont(FDpi, true);
  CreateControls();
}

TWin32FormView::~TWin32FormView() {
  Detach();
  // Controls that outlive the view (their window goes later) stop calling it.
  for (size_t Index = 0; Index < FNatives.size(); ++Index)
    if (FNatives[Index].Window != nullptr && IsLinkLabel(*FNatives[Index].Model) &&
        ::IsWindow(FNatives[Index].Window) != FALSE)
      ::RemoveWindowSubclass(FNatives[Index].Window, &TWin32FormView::LinkLabelProc, Index);
}

void TWin32FormView::Detach() {
  if (FForm == nullptr) return;
  for (TNative& Native : FNatives) Native.Model->SetView(nullptr);
  FForm->SetView(nullptr);
  FForm = nullptr;
}

void TWin32FormView::CreateControls() {
  const std::vector<TControl*>& Controls = FForm->Controls();
  FNatives.reserve(Controls.size());
  for (size_t Index = 0; Index < Controls.size(); ++Index) {
    FNatives.push_back(TNative{Controls[Index]});
    FIndexOf.emplace(Controls[Index], Index);
  }
  const std::vector<size_t> Order = TabOrder(Controls);
  const TControl* Previous = nullptr;
  for (size_t Index : Order) {
    CreateWindowFor(Index, Previous);
    Previous = Controls[Index];
  }
  for (size_t Index = 0; Index < FNatives.size(); ++Index) ApplySkin(Index);
  ArrangeZOrder(Order);
  ApplyFonts();
  Layout();
  for (size_t Index = 0; Index < FNatives.size(); ++Index) {
    FNatives[Index].Model->SetView(this);
    SyncAll(Index);
  }
  FForm->SetView(this);
  SetWindowTextUtf8(FWindow, FForm->Caption());
  // Once, now that every caption is in place.
  NameSpinBoxes();
}

void TWin32FormView::CreateWindowFor(size_t AIndex, const TControl* APreviousInTabOrder) {
  TNative& Native = FNatives[AIndex];
  const TControl& Model = *Native.Model;
  if (Model.Kind() == TControlKind::ckTrayIcon) {
    FTrayModel = static_cast<TTrayIcon*>(Native.Model);
    FTray = std::make_unique<TWin32TrayIcon>(FWindow, kTrayCallbackMessage, FDpi);
    return;
  }
  const TRecipe Recipe = RecipeFor(Model, FSkins != nullptr);
  if (Recipe.ClassName == nullptr) return;
  const DWORD Style =
      WS_CHILD | WS_CLIPSIBLINGS | (StartsKeyboardGroup(Model, APreviousInTabOrder) ? WS_GROUP : 0) | Recipe.Style;
  const HINSTANCE Instance = ::GetModuleHandleW(nullptr);
  const int Id = ControlIdAt(AIndex);
  Native.Window = ::CreateWindowExW(Recipe.ExStyle, Recipe.ClassName, L"", Style, 0, 0, 0, 0, FWindow,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), Instance, nullptr);
  if (Native.Window == nullptr) return;
  if (Model.Kind() == TControlKind::ckSpinBox) {
    const auto& Spin = static_cast<const TSpinBox&>(Model);
    // No UDS_SETBUDDYINT: the arrows never write the edit box themselves, they ask the model.
    Native.UpDown = ::CreateWindowExW(
        0, UPDOWN_CLASSW, L"",
        WS_CHILD | WS_CLIPSIBLINGS | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_HOTTRACK | UDS_NOTHOUSANDS, 0, 0, 0, 0,
        FWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id + kUpDownIdOffset)), Instance, nullptr);
    ::SendMessageW(Native.UpDown, UDM_SETRANGE32, static_cast<WPARAM>(Spin.MinValue()),
                   static_cast<LPARAM>(Spin.MaxValue()));
  }
  if (Model.Kind() == TControlKind::ckProgressBar) PrepareProgressBar(Native.Window);
  if (IsLinkLabel(Model))
    ::SetWindowSubclass(Native.Window, &TWin32FormView::LinkLabelProc, AIndex, reinterpret_cast<DWORD_PTR>(this));
}

void TWin32FormView::PrepareProgressBar(HWND ABar) {
  ::SendMessageW(ABar, PBM_SETRANGE32, 0, TProgressBar::kMax);
  if (!FSkins) return;
  // The themed bar ignores colours; without a theme it takes the style's.
  ::SetWindowTheme(ABar, L"", L"");
  ::SendMessageW(ABar, PBM_SETBARCOLOR, 0, static_cast<LPARAM>(palette::kAccent));
  ::SendMessageW(ABar, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(palette::kField));
}

void TWin32FormView::ApplySkin(size_t AIndex) {
  const TNative& Native = FNatives[AIndex];
  if (!FSkins || Native.Window == nullptr) return;
  const TControl& Model = *Native.Model;
  // These paint themselves in the style's colours.
  if (Model.Kind() == TControlKind::ckProgressBar || Model.Kind() == TControlKind::ckImage) return;
  TSkinnedControl Skin{SkinOf(Model), SurfaceBehind(Model), IsLinkLabel(Model) ? kLinkTextColour : palette::kText};
  if (Model.Kind() == TControlKind::ckButton) Skin.Image = TWin32Style::ImageFor(Model.Name());
  Skin.Partner = Native.UpDown;
  FSkins->Attach(Native.Window, Skin);
  if (Native.UpDown != nullptr)
    FSkins->Attach(Native.UpDown, TSkinnedControl{TSkin::skUpDown, Skin.Surface, Skin.TextColour, TButtonImage::biNone,
                                                  Native.Window});
}

void TWin32FormView::NameSpinBoxes() {
  if (FForm == nullptr) return;
  for (size_t Index = 0; Index < FNatives.size(); ++Index)
    if (FNatives[Index].Model->Kind() == TControlKind::ckSpinBox && FNatives[Index].Window != nullptr)
      FAccessibleNames.SetName(FNatives[Index].Window, SpinBoxAccessibleName(FForm->Controls(), Index));
}

void TWin32FormView::ArrangeZOrder(const std::vector<size_t>& ATabOrder) {
  // Tab order is z-order, each spin box's arrows right after its edit box.
  HWND Previous = HWND_TOP;
  for (size_t Index : ATabOrder) {
    const TNative& Native = FNatives[Index];
    for (HWND Window : {Native.Window, Native.UpDown}) {
      if (Window == nullptr) continue;
      ::SetWindowPos(Window, Previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      Previous = Window;
    }
  }
  // Group boxes and the panel lie below their contents, so they are painted first and never
  // over a control inside them.
  for (const TNative& Native : FNatives)
    if (Native.Window != nullptr && IsContainer(*Native.Model))
      ::SetWindowPos(Native.Window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWin32FormView::Layout() {
  for (size_t Index = 0; Index < FNatives.size(); ++Index) {
    const TNative& Native = FNatives[Index];
    if (Native.Window == nullptr) continue;
    RECT Rect = ScaledFormBounds(*Native.Model, FDpi);
    if (Native.Model->Kind() == TControlKind::ckComboBox) Rect.bottom += ScaleForDpi(kDropDownListHeight, FDpi);
    MoveTo(Native.Window, Rect);
    SizeListEntries(Index);
    if (Native.UpDown != nullptr) {
      // The buddy link makes the arrows part of the box (they take over its border on the right)
      // but gives them a fixed width; the arrows then get their width for this DPI, taken from
      // the edit box's right end, overlapping its border as the link placed them.
      ::SendMessageW(Native.UpDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Native.Window), 0);
      RECT Edit{};
      ::GetWindowRect(Native.Window, &Edit);
      RECT Arrows{};
      ::GetWindowRect(Native.UpDown, &Arrows);
      const int Overlap = std::max<int>(0, Edit.right - Arrows.left);
      const int ArrowsWidth = std::min<int>(ScaleForDpi(kUpDownWidth, FDpi), (Rect.right - Rect.left) / 2);
      MoveTo(Native.Window, RECT{Rect.left, Rect.top, Rect.right - ArrowsWidth + Overlap, Rect.bottom});
      MoveTo(Native.UpDown, RECT{Rect.right - ArrowsWidth, Rect.top, Rect.right, Rect.bottom});
    }
  }
}

void TWin32FormView::SizeListEntries(size_t AIndex) {
  const TNative& Native = FNatives[AIndex];
  if (!FSkins || Native.Window == nullptr) return;
  const TControlKind Kind = Native.Model->Kind();
  if (Kind != TControlKind::ckComboBox && Kind != TControlKind::ckListBox) return;
  const RECT Rect = ScaledFormBounds(*Native.Model, FDpi);
  FSkins->SizeItems(Native.Window, Rect.bottom - Rect.top);
}

void TWin32FormView::ApplyFonts() {
  for (size_t Index = 0; Index < FNatives.size(); ++Index) SyncFont(Index);
}

void TWin32FormView::SetDpi(UINT ADpi) {
  FDpi = ADpi;
  TFontOwner Font = CreateUiFont(FDpi);
  TFontOwner Underlined = CreateUiFont(FDpi, true);
  // The controls switch to the new fonts before the old ones are deleted.
  std::swap(FFont, Font);
  std::swap(FUnderlinedFont, Underlined);
  if (FSkins) FSkins->SetDpi(FDpi);
  ApplyFonts();
  Layout();
}

// Model -> window ---------------------------------------------------------------------------

void TWin32FormView::ControlChanged(TControl& AControl, TControlProperty AProperty) {
  if (&AControl == FForm) {
    if (AProperty == TControlProperty::cpCaption) SetWindowTextUtf8(FWindow, AControl.Caption());
    return;
  }
  const auto Found = FIndexOf.find(&AControl);
  if (Found != FIndexOf.end()) SyncProperty(Found->second, AProperty);
}

// The fonts are set already (ApplyFonts) and the spin boxes are named once all captions are in.
void TWin32FormView::SyncAll(size_t AIndex) {
  if (FNatives[AIndex].Model == FTrayModel) {
    SyncTrayIcon();
    return;
  }
  SyncCaption(AIndex);
  for (TControlProperty Property :
       {TControlProperty::cpItems, TControlProperty::cpText, TControlProperty::cpChecked, TControlProperty::cpPosition})
    SyncProperty(AIndex, Property);
  ShowAndEnable(FNatives[AIndex]);
}

void TWin32FormView::SyncProperty(size_t AIndex, TControlProperty AProperty) {
  TNative& Native = FNatives[AIndex];
  if (Native.Model == FTrayModel) {
    SyncTrayIcon();
    return;
  }
  if (Native.Model->Kind() == TControlKind::ckPopupMenu) {
    if (AProperty == TControlProperty::cpPopup) ShowPopupMenu(static_cast<TPopupMenu&>(*Native.Model));
    return;
  }
  if (Native.Window == nullptr) return;
  switch (AProperty) {
    case TControlProperty::cpCaption:
      SyncCaption(AIndex);
      // The spin boxes are named after the captions before them.
      if (CanNameSpinBox(*Native.Model)) NameSpinBoxes();
      break;
    case TControlProperty::cpEnabled:
    case TControlProperty::cpVisible: SyncShownAndEnabled(*Native.Model); break;
    case TControlProperty::cpChecked: SyncCheckedState(AIndex); break;
    case TControlProperty::cpText: SyncText(AIndex); break;
    case TControlProperty::cpItems: SyncItems(AIndex); break;
    case TControlProperty::cpItemIndex: SyncItemIndex(AIndex); break;
    case TControlProperty::cpFont: SyncFont(AIndex); break;
    case TControlProperty::cpPosition:
      if (Native.Model->Kind() == TControlKind::ckProgressBar)
        ::SendMessageW(Native.Window, PBM_SETPOS,
                       static_cast<WPARAM>(static_cast<const TProgressBar&>(*Native.Model).Position()), 0);
      break;
    case TControlProperty::cpPopup: break;
  }
}

void TWin32FormView::SyncTrayIcon() {
  if (!FTray || FTrayModel == nullptr) return;
  FTray->SetTip(FTrayModel->Caption());
  FTray->SetShown(FTrayModel->Visible());
}

void TWin32FormView::HandleTrayMessage(LPARAM ALParam) {
  if (FForm == nullptr || FTrayModel == nullptr || LOWORD(ALParam) != WM_LBUTTONUP) return;
  TTrayIcon& Icon = *FTrayModel;
  FDispatcher.Run([&Icon] { Icon.Click(); });
}

void TWin32FormView::ReaddTrayIcon() {
  if (FTray) FTray->Readd();
}

void TWin32FormView::ShowPopupMenu(TPopupMenu& AMenu) {
  // Directly below the anchor, flush with its left edge.
  POINT At{0, 0};
  if (const auto Found = FIndexOf.find(AMenu.Anchor()); Found != FIndexOf.end() && FNatives[Found->second].Window) {
    RECT Anchor{};
    ::GetWindowRect(FNatives[Found->second].Window, &Anchor);
    At = POINT{Anchor.left, Anchor.bottom};
  } else {
    ::GetCursorPos(&At);
  }
  // The model's handler runs inside the event that asked for the menu, so it reaches the same
  // dispatcher.
  if (const auto Chosen = TrackMenu(FWindow, AMenu.Items(), At)) AMenu.Click(*Chosen);
}

void TWin32FormView::SyncShownAndEnabled(const TControl& AContainer) {
  for (const TNative& Native : FNatives)
    if (IsWithin(*Native.Model, AContainer)) ShowAndEnable(Native);
}

void TWin32FormView::ShowAndEnable(const TNative& ANative) {
  if (ANative.Window == nullptr) return;
  const bool Shown = ShownOnForm(*ANative.Model);
  const bool Enabled = EnabledOnForm(*ANative.Model);
  if (!Shown || !Enabled) {
    MoveFocusAwayFrom(ANative.Window);
    if (ANative.UpDown != nullptr) MoveFocusAwayFrom(ANative.UpDown);
  }
  SetShownAndEnabled(ANative.Window, Shown, Enabled);
  SetShownAndEnabled(ANative.UpDown, Shown, Enabled);
}

void TWin32FormView::SyncCaption(size_t AIndex) {
  const TNative& Native = FNatives[AIndex];
  // A spin box shows its number, not a caption.
  if (Native.Window != nullptr && Native.Model->Kind() != TControlKind::ckSpinBox)
    SetWindowTextUtf8(Native.Window, Native.Model->Caption());
}

void TWin32FormView::MoveFocusAwayFrom(HWND AWindow) {
  if (::GetFocus() != AWindow) return;
  const HWND Next = ::GetNextDlgTabItem(FWindow, AWindow, FALSE);
  ::SetFocus(Next != nullptr && Next != AWindow ? Next : FWindow);
}

void TWin32FormView::SyncCheckedState(size_t AIndex) {
  const TNative& Native = FNatives[AIndex];
  bool Checked = false;
  if (Native.Model->Kind() == TControlKind::ckCheckBox)
    Checked = static_cast<const TCheckBox&>(*Native.Model).Checked();
  else if (Native.Model->Kind() == TControlKind::ckRadioButton)
    Checked = static_cast<const TRadioButton&>(*Native.Model).Checked();
  else
    return;
  ::SendMessageW(Native.Window, BM_SETCHECK, Checked ? BST_CHECKED : BST_UNCHECKED, 0);
  // Tab enters a radio group at its checked button, as in a dialog; the arrows move within it.
  if (Native.Model->Kind() == TControlKind::ckRadioButton) SetStyleBit(Native.Window, WS_TABSTOP, Checked);
}

void TWin32FormView::SyncText(size_t AIndex) {
  const TNative& Native = FNatives[AIndex];
  if (Native.Model->Kind() != TControlKind::ckSpinBox) return;
  const auto& Spin = static_cast<const TSpinBox&>(*Native.Model);
  // The user's own typing comes back here through the model: leave the box (and its caret) alone.
  if (WindowTextUtf8(Native.Window) != Spin.Text()) {
    FMirroring = true;
    SetWindowTextUtf8(Native.Window, Spin.Text());
    FMirroring = false;
  }
  if (Native.UpDown != nullptr) ::SendMessageW(Native.UpDown, UDM_SETPOS32, 0, static_cast<LPARAM>(Spin.Value()));
}

void TWin32FormView::SyncItems(size_t AIndex) {
  const TNative& Native = FNatives[AIndex];
  const std::vector<std::string>* Items = nullptr;
  UINT ResetMessage = 0;
  UINT AddMessage = 0;
  if (Native.Model->Kind() == TControlKind::ckComboBox) {
    Items = &static_cast<const TComboBox&>(*Native.Model).Items();
    ResetMessage = CB_RESETCONTENT;
    AddMessage = CB_ADDSTRING;
  } else if (Native.Model->Kind() == TControlKind::ckListBox) {
    Items = &static_cast<const TListBox&>(*Native.Model).Items();
    ResetMessage = LB_RESETCONTENT;
    AddMessage = LB_ADDSTRING;
  } else {
    return;
  }
  FMirroring = true;
  ::SendMessageW(Native.Window, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(Native.Window, ResetMessage, 0, 0);
  for (const std::string& Item : *Items)
    ::SendMessageW(Native.Window, AddMessage, 0, reinterpret_cast<LPARAM>(Widen(Item).c_str()));
  ::SendMessageW(Native.Window, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(Native.Window, nullptr, TRUE);
  FMirroring = false;
  SyncItemIndex(AIndex);
}

void TWin32FormView::SyncItemIndex(size_t AIndex) {
  const TNative& Native = FNatives[AIndex];
  // Neither message raises a selection notification: setting the index from code runs no handler.
  if (Native.Model->Kind() == TControlKind::ckComboBox)
    ::SendMessageW(Native.Window, CB_SETCURSEL,
                   static_cast<WPARAM>(static_cast<const TComboBox&>(*Native.Model).ItemIndex()), 0);
  else if (Native.Model->Kind() == TControlKind::ckListBox)
    ::SendMessageW(Native.Window, LB_SETCURSEL,
                   static_cast<WPARAM>(static_cast<const TListBox&>(*Native.Model).ItemIndex()), 0);
}

void TWin32FormView::SyncFont(size_t AIndex) {
  const TNative& Native = FNatives[AIndex];
  if (Native.Window == nullptr) return;
  const bool Underlined =
      Native.Model->Kind() == TControlKind::ckLabel && static_cast<const TLabel&>(*Native.Model).Underlined();
  const HFONT Font = Underlined ? FUnderlinedFont.Get() : FFont.Get();
  // A new font recomputes a list's entry heights: Layout, which runs after every ApplyFonts,
  // puts the style's heights back on (a link's underline is the only change of font later on).
  ::SendMessageW(Native.Window, WM_SETFONT, reinterpret_cast<WPARAM>(Font), TRUE);
}

// Window -> model ---------------------------------------------------------------------------

bool TWin32FormView::HandleCommand(WPARAM AWParam, LPARAM ALParam) {
  const int Id = LOWORD(AWParam);
  const UINT Code = HIWORD(AWParam);
  const auto Sender = reinterpret_cast<HWND>(ALParam);
  // A styled drop-down list shows whether its list is open.
  if (FSkins && (Code == CBN_DROPDOWN || Code == CBN_CLOSEUP)) {
    const TNative* Combo = FindByWindow(Sender);
    if (Combo != nullptr && Combo->Model->Kind() == TControlKind::ckComboBox) ::InvalidateRect(Sender, nullptr, FALSE);
  }
  if (FForm == nullptr || FMirroring) return false;
  if (Id == IDOK && Sender == nullptr) {
    // Enter, as the dialog manager reports it: press the focused push button or open the
    // focused link.
    TNative* Focused = FindByWindow(::GetFocus());
    if (Focused == nullptr) return false;
    if (IsLinkLabel(*Focused->Model)) {
      ActivateLink(*Focused);
      return true;
    }
    if (Focused->Model->Kind() != TControlKind::ckButton) return false;
    auto& Button = static_cast<TButton&>(*Focused->Model);
    FDispatcher.Run([&Button] { Button.Click(); });
    return true;
  }
  if (Id < kFirstControlId) return false;
  const auto Index = static_cast<size_t>(Id - kFirstControlId);
  if (Index >= FNatives.size() || FNatives[Index].Window != Sender || Sender == nullptr) return false;
  TControl& Model = *FNatives[Index].Model;
  switch (Model.Kind()) {
    case TControlKind::ckButton:
      if (Code != BN_CLICKED) return false;
      FDispatcher.Run([&Model] { static_cast<TButton&>(Model).Click(); });
      return true;
    case TControlKind::ckCheckBox:
      if (Code != BN_CLICKED) return false;
      FDispatcher.Run([&Model] { static_cast<TCheckBox&>(Model).Click(); });
      SyncCheckedState(Index);
      return true;
    case TControlKind::ckRadioButton:
      if (Code != BN_CLICKED) return false;
      FDispatcher.Run([&Model] { static_cast<TRadioButton&>(Model).Click(); });
      SyncCheckedState(Index);
      return true;
    case TControlKind::ckLabel:
      if (Code != STN_CLICKED || !IsLinkLabel(Model)) return false;
      ActivateLink(FNatives[Index]);
      return true;
    case TControlKind::ckSpinBox: {
      if (Code != EN_CHANGE) return false;
      const std::string Text = WindowTextUtf8(Sender);
      FDispatcher.Run([&Model, &Text] { static_cast<TSpinBox&>(Model).SetText(Text); });
      return true;
    }
    case TControlKind::ckComboBox: {
      if (Code != CBN_SELCHANGE) return false;
      const auto Selected = static_cast<int32_t>(::SendMessageW(Sender, CB_GETCURSEL, 0, 0));
      FDispatcher.Run([&Model, Selected] { static_cast<TComboBox&>(Model).Select(Selected); });
      SyncItemIndex(Index);
      return true;
    }
    case TControlKind::ckListBox: {
      if (Code != LBN_SELCHANGE) return false;
      const auto Selected = static_cast<int32_t>(::SendMessageW(Sender, LB_GETCURSEL, 0, 0));
      FDispatcher.Run([&Model, Selected] { static_cast<TListBox&>(Model).Select(Selected); });
      SyncItemIndex(Index);
      return true;
    }
    default: return false;
  }
}

bool TWin32FormView::HandleNotify(const NMHDR& AHeader, LRESULT& AResult) {
  if (AHeader.code == NM_CUSTOMDRAW && FSkins) {
    // Painting goes on while the window exists, attached to the form or not.
    const auto Result = FSkins->CustomDraw(reinterpret_cast<const NMCUSTOMDRAW&>(AHeader));
    if (Result) AResult = *Result;
    return Result.has_value();
  }
  if (FForm == nullptr || AHeader.code != UDN_DELTAPOS) return false;
  TNative* Native = FindByUpDown(AHeader.hwndFrom);
  if (Native == nullptr) return false;
  const auto& Change = reinterpret_cast<const NMUPDOWN&>(AHeader);
  const int Step = Change.iDelta > 0 ? 1 : -1;
  auto& Spin = static_cast<TSpinBox&>(*Native->Model);
  FDispatcher.Run([&Spin, Step] { Spin.SetValue(static_cast<int64_t>(Spin.Value()) + Step); });
  // Non-zero keeps the arrows from moving their own position; the model's value set it already.
  AResult = 1;
  return true;
}

std::optional<HBRUSH> TWin32FormView::ControlColours(UINT AMessage, HDC ADc, HWND AControl) {
  if (FSkins) return FSkins->Colours(AMessage, ADc, AControl);
  if (AMessage != WM_CTLCOLORSTATIC) return std::nullopt;
  const TNative* Native = FindByWindow(AControl);
  if (Native == nullptr || !IsLinkLabel(*Native->Model)) return std::nullopt;
  ::SetTextColor(ADc, kLinkTextColour);
  ::SetBkColor(ADc, ::GetSysColor(COLOR_BTNFACE));
  return ::GetSysColorBrush(COLOR_BTNFACE);
}

bool TWin32FormView::DrawItem(const DRAWITEMSTRUCT& AItem) {
  if (AItem.CtlType == ODT_STATIC) {
    const TNative* Native = FindByWindow(AItem.hwndItem);
    if (Native == nullptr || Native->Model->Kind() != TControlKind::ckImage) return false;
    const COLORREF Background = FSkins ? SurfaceBehind(*Native->Model) : ::GetSysColor(COLOR_BTNFACE);
    PaintPicture(AItem.hDC, AItem.rcItem, static_cast<const TImage&>(*Native->Model).Picture(), Background);
    return true;
  }
  return FSkins && FSkins->DrawItem(AItem);
}

bool TWin32FormView::PaintBackground(HDC ADc) {
  if (!FSkins) return false;
  FSkins->PaintBackground(FWindow, ADc);
  return true;
}

TWin32FormView::TNative* TWin32FormView::FindByWindow(HWND AWindow) {
  if (AWindow == nullptr) return nullptr;
  for (TNative& Native : FNatives)
    if (Native.Window == AWindow) return &Native;
  return nullptr;
}

TWin32FormView::TNative* TWin32FormView::FindByUpDown(HWND AUpDown) {
  if (AUpDown == nullptr) return nullptr;
  for (TNative& Native : FNatives)
    if (Native.UpDown == AUpDown) return &Native;
  return nullptr;
}

void TWin32FormView::ActivateLink(TNative& ANative) {
  if (FForm == nullptr) return;
  auto& Label = static_cast<TLabel&>(*ANative.Model);
  FDispatcher.Run([&Label] {
    if (Label.OnClick) Label.OnClick();
  });
}

void TWin32FormView::LinkMouseMove(TNative& ANative) {
  if (ANative.MouseInside) return;
  ANative.MouseInside = true;
  TrackLeave(ANative.Window);
  auto& Label = static_cast<TLabel&>(*ANative.Model);
  FDispatcher.Run([&Label] {
    if (Label.OnMouseEnter) Label.OnMouseEnter();
  });
}

void TWin32FormView::LinkMouseLeave(TNative& ANative) {
  if (!ANative.MouseInside) return;
  ANative.MouseInside = false;
  auto& Label = static_cast<TLabel&>(*ANative.Model);
  FDispatcher.Run([&Label] {
    if (Label.OnMouseLeave) Label.OnMouseLeave();
  });
}

LRESULT CALLBACK TWin32FormView::LinkLabelProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam,
                                               UINT_PTR ASubclassId, DWORD_PTR ARefData) {
  auto* View = reinterpret_cast<TWin32FormView*>(ARefData);
  const auto Index = static_cast<size_t>(ASubclassId);
  const bool Live = View->FForm != nullptr && Index < View->FNatives.size();
  switch (AMessage) {
    case WM_SETCURSOR: ::SetCursor(::LoadCursorW(nullptr, IDC_HAND)); return TRUE;
    case WM_MOUSEMOVE:
      if (Live) View->LinkMouseMove(View->FNatives[Index]);
      break;
    case WM_MOUSELEAVE:
      if (Live) View->LinkMouseLeave(View->FNatives[Index]);
      break;
    case WM_KEYDOWN:
      // Space opens a focused link as it presses a focused button; Enter arrives as IDOK.
      if (AWParam == VK_SPACE) {
        if (Live) View->ActivateLink(View->FNatives[Index]);
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: ::InvalidateRect(AWindow, nullptr, TRUE); break;
    case WM_PAINT:
      if (!View->FSkins && ::GetFocus() == AWindow) {
        // The system's look: its own text, then the dotted focus rectangle around it.
        const LRESULT Result = ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
        const HDC Dc = ::GetDC(AWindow);
        RECT Client{};
        ::GetClientRect(AWindow, &Client);
        ::DrawFocusRect(Dc, &Client);
        ::ReleaseDC(AWindow, Dc);
        return Result;
      }
      break;
    case WM_NCDESTROY: ::RemoveWindowSubclass(AWindow, &TWin32FormView::LinkLabelProc, ASubclassId); break;
    default: break;
  }
  return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace nevra::win32
