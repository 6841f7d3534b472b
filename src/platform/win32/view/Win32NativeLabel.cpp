#include "platform/win32/view/Win32NativeLabel.h"

#include <string>

#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32StyleGdi.h"

namespace nevra::win32 {

namespace {

DWORD LabelStyle(const TLabel& ALabel) {
  // SS_NOPREFIX: a status text or file name with "&" shows the ampersand; a label that marks a
  // mnemonic underlines its letter instead.
  DWORD Style = ALabel.Mnemonic() ? 0 : SS_NOPREFIX;
  if (ALabel.WordWrap())
    Style |= ALabel.Alignment() == TAlignment::taRight ? SS_RIGHT : SS_LEFT;
  else
    Style |= (ALabel.Alignment() == TAlignment::taRight ? SS_RIGHT : SS_LEFTNOWORDWRAP) | SS_ENDELLIPSIS;
  // A link reports clicks and is a tab stop, so the keyboard reaches it too.
  if (ALabel.IsLink()) Style |= SS_NOTIFY | WS_TABSTOP;
  return Style;
}

// The drawing flags that match a static control's own layout of its text.
UINT LabelTextFlags(HWND AWindow) {
  const auto Style = static_cast<DWORD>(::GetWindowLongPtrW(AWindow, GWL_STYLE));
  UINT Flags = (Style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
  const DWORD Type = Style & SS_TYPEMASK;
  Flags |= Type == SS_RIGHT ? DT_RIGHT : Type == SS_CENTER ? DT_CENTER : DT_LEFT;
  if (Type == SS_LEFTNOWORDWRAP || (Style & SS_ELLIPSISMASK) != 0)
    Flags |= DT_SINGLELINE | ((Style & SS_ELLIPSISMASK) == SS_ENDELLIPSIS ? DT_END_ELLIPSIS : 0);
  else
    Flags |= DT_WORDBREAK;
  return Flags;
}

struct TLabelLook {
  bool Enabled = true;
  bool Focused = false;  // a link that has the keyboard focus
  COLORREF TextColour;
  COLORREF Surface;
  UINT DrawTextFlags = 0;  // alignment, wrapping, ellipsis
  std::wstring Text;
};

void PaintLabel(const TPaintTarget& ATarget, const TLabelLook& ALook) {
  TPaintBuffer Buffer(ATarget.Dc, ATarget.Rect);
  const HDC Dc = Buffer.Dc();
  const RECT Area = Buffer.Area();
  Fill(Dc, Area, ALook.Surface);
  COLORREF Colour = ALook.Enabled ? ALook.TextColour : palette::kTextDisabled;
  if (ALook.Focused && ALook.Enabled && !ALook.Text.empty()) {
    // A label is as high as its text, with no room for a frame: a focused link is highlighted
    // instead, dark text on the accent.
    const SIZE Caption = TextSize(Dc, ATarget.Font, ALook.Text, ALook.DrawTextFlags, RectWidth(Area));
    const int Left = (ALook.DrawTextFlags & DT_RIGHT) != 0 ? Area.right - Caption.cx : Area.left;
    Fill(Dc, RECT{Left, Area.top, Left + Caption.cx, Area.top + Caption.cy}, palette::kAccent);
    Colour = palette::kOnAccent;
  }
  PaintText(Dc, ATarget.Font, ALook.Text, Area, Colour, ALook.DrawTextFlags);
  Buffer.Present();
}

}  // namespace

// Label ------------------------------------------------------------------------------------

void TNativeLabel::Create(bool AStartsGroup) { CreateWindowOf(WC_STATICW, LabelStyle(FLabel), 0, AStartsGroup); }

void TNativeLabel::ApplyFont() {
  if (Window() != nullptr)
    ::SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(Context().Font(FLabel.Underlined())), TRUE);
}

std::optional<LRESULT> TNativeLabel::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (Style() == nullptr) return std::nullopt;
  return PaintButtonOrStatic(AWindow, AMessage, AWParam, ALParam);
}

void TNativeLabel::Paint(HWND AWindow, HDC ADc) {
  PaintLabel(PaintTargetOf(AWindow, ADc), TLabelLook{IsEnabled(AWindow), ::GetFocus() == AWindow, TextOnSurface(),
                                                     Surface(), LabelTextFlags(AWindow), WindowTextWide(AWindow)});
}

// Link -------------------------------------------------------------------------------------

void TNativeLink::Create(bool AStartsGroup) {
  TNativeLabel::Create(AStartsGroup);
  // In either look: the hand cursor, the mouse's coming and going, Space and the focus.
  Subclass(Window());
}

bool TNativeLink::HandleCommand(UINT ACode) {
  if (!Context().TakesInput() || ACode != STN_CLICKED) return false;
  Activate();
  return true;
}

bool TNativeLink::PressByEnter() {
  Activate();
  return true;
}

std::optional<HBRUSH> TNativeLink::Colours(UINT AMessage, HDC ADc, HWND AWindow) {
  if (Style() != nullptr || AMessage != WM_CTLCOLORSTATIC) return TNativeLabel::Colours(AMessage, ADc, AWindow);
  // The system's look: its surface, in the link's colour.
  ::SetTextColor(ADc, kLinkTextColour);
  ::SetBkColor(ADc, ::GetSysColor(COLOR_BTNFACE));
  return ::GetSysColorBrush(COLOR_BTNFACE);
}

void TNativeLink::Activate() {
  if (Context().Form() == nullptr) return;
  TLabel& Link = Label();
  Context().Run([&Link] {
    if (Link.OnClick) Link.OnClick();
  });
}

std::optional<LRESULT> TNativeLink::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  const bool Live = Context().Form() != nullptr;
  TLabel& Link = Label();
  switch (AMessage) {
    case WM_SETCURSOR: ::SetCursor(::LoadCursorW(nullptr, IDC_HAND)); return TRUE;
    case WM_MOUSEMOVE:
      if (Live && FMouse.Move(AWindow))
        Context().Run([&Link] {
          if (Link.OnMouseEnter) Link.OnMouseEnter();
        });
      break;
    case WM_MOUSELEAVE:
      if (Live && FMouse.Leave())
        Context().Run([&Link] {
          if (Link.OnMouseLeave) Link.OnMouseLeave();
        });
      break;
    case WM_KEYDOWN:
      // Space opens a focused link as it presses a focused button; Enter arrives as IDOK.
      if (AWParam == VK_SPACE) {
        if (Live) Activate();
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: ::InvalidateRect(AWindow, nullptr, TRUE); break;
    case WM_PAINT:
      if (Style() == nullptr && ::GetFocus() == AWindow) {
        // The system's look: its own text, then the dotted focus rectangle around it.
        const LRESULT Result = PassOn(AWindow, AMessage, AWParam, ALParam);
        const TWindowDc Dc(AWindow);
        RECT Client{};
        ::GetClientRect(AWindow, &Client);
        ::DrawFocusRect(Dc.Get(), &Client);
        return Result;
      }
      break;
    default: break;
  }
  return TNativeLabel::WindowMessage(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace nevra::win32
