#include "platform/win32/view/Win32NativeLabel.h"

namespace nevra::win32 {

namespace {

constexpr UINT_PTR kLinkSubclassId = 0x4E4C;

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

}  // namespace

void TNativeLabel::Create(bool AStartsGroup) { CreateWindowOf(WC_STATICW, LabelStyle(FLabel), 0, AStartsGroup); }

void TNativeLabel::ApplySkin() { AttachSkin(TSkin::skLabel); }

void TNativeLabel::ApplyFont() {
  if (Window() != nullptr)
    ::SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(Context().Font(FLabel.Underlined())), TRUE);
}

TNativeLink::~TNativeLink() {
  if (Window() != nullptr && ::IsWindow(Window()) != FALSE)
    ::RemoveWindowSubclass(Window(), &TNativeLink::SubclassProc, kLinkSubclassId);
}

void TNativeLink::Create(bool AStartsGroup) {
  TNativeLabel::Create(AStartsGroup);
  if (Window() != nullptr)
    ::SetWindowSubclass(Window(), &TNativeLink::SubclassProc, kLinkSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void TNativeLink::ApplySkin() { AttachSkin(TSkin::skLabel, kLinkTextColour); }

bool TNativeLink::HandleCommand(UINT ACode) {
  if (!Context().TakesInput() || ACode != STN_CLICKED) return false;
  Activate();
  return true;
}

bool TNativeLink::PressByEnter() {
  Activate();
  return true;
}

std::optional<HBRUSH> TNativeLink::SystemColours(HDC ADc) {
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

void TNativeLink::MouseMove() {
  if (FMouseInside) return;
  FMouseInside = true;
  TrackLeave(Window());
  TLabel& Link = Label();
  Context().Run([&Link] {
    if (Link.OnMouseEnter) Link.OnMouseEnter();
  });
}

void TNativeLink::MouseLeave() {
  if (!FMouseInside) return;
  FMouseInside = false;
  TLabel& Link = Label();
  Context().Run([&Link] {
    if (Link.OnMouseLeave) Link.OnMouseLeave();
  });
}

LRESULT CALLBACK TNativeLink::SubclassProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam,
                                           UINT_PTR ASubclassId, DWORD_PTR ARefData) {
  auto& Self = *reinterpret_cast<TNativeLink*>(ARefData);
  const bool Live = Self.Context().Form() != nullptr;
  switch (AMessage) {
    case WM_SETCURSOR: ::SetCursor(::LoadCursorW(nullptr, IDC_HAND)); return TRUE;
    case WM_MOUSEMOVE:
      if (Live) Self.MouseMove();
      break;
    case WM_MOUSELEAVE:
      if (Live) Self.MouseLeave();
      break;
    case WM_KEYDOWN:
      // Space opens a focused link as it presses a focused button; Enter arrives as IDOK.
      if (AWParam == VK_SPACE) {
        if (Live) Self.Activate();
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: ::InvalidateRect(AWindow, nullptr, TRUE); break;
    case WM_PAINT:
      if (Self.Context().Skins() == nullptr && ::GetFocus() == AWindow) {
        // The system's look: its own text, then the dotted focus rectangle around it.
        const LRESULT Result = ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
        const TWindowDc Dc(AWindow);
        RECT Client{};
        ::GetClientRect(AWindow, &Client);
        ::DrawFocusRect(Dc.Get(), &Client);
        return Result;
      }
      break;
    case WM_NCDESTROY: ::RemoveWindowSubclass(AWindow, &TNativeLink::SubclassProc, ASubclassId); break;
    default: break;
  }
  return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace nevra::win32
