#include "platform/win32/view/Win32NativeHotkeyEdit.h"

#include <iterator>

#include "platform/InputCodes.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/view/Win32Fonts.h"

namespace nevra::win32 {

namespace {
// One modifier key in both sets of bits (they name the same keys in a different order) and by
// its key code; in the order the control names them.
struct TModifier {
  uint32_t Register;
  BYTE Control;
  UINT Vk;
};
constexpr TModifier kModifiers[] = {
    {HotkeyModifiers::Control, HOTKEYF_CONTROL, VK_CONTROL},
    {HotkeyModifiers::Shift, HOTKEYF_SHIFT, VK_SHIFT},
    {HotkeyModifiers::Alt, HOTKEYF_ALT, VK_MENU},
};

std::wstring KeyName(UINT AVk, bool AExtended) {
  LONG Parameter = static_cast<LONG>(::MapVirtualKeyW(AVk, MAPVK_VK_TO_VSC)) << 16;
  if (AExtended) Parameter |= 1L << 24;
  wchar_t Name[64] = {};
  const int Length = ::GetKeyNameTextW(Parameter, Name, static_cast<int>(std::size(Name)));
  return std::wstring(Name, static_cast<size_t>(Length > 0 ? Length : 0));
}
}  // namespace

std::wstring CombinationText(WORD AHotkey) {
  const BYTE Modifiers = HIBYTE(AHotkey);
  std::wstring Text;
  for (const TModifier& Modifier : kModifiers)
    if ((Modifiers & Modifier.Control) != 0) Text += KeyName(Modifier.Vk, false) + L" + ";
  if (LOBYTE(AHotkey) != 0) Text += KeyName(LOBYTE(AHotkey), (Modifiers & HOTKEYF_EXT) != 0);
  return Text;
}

BYTE HotkeyControlModifiers(uint32_t ARegisterModifiers) {
  BYTE Bits = 0;
  for (const TModifier& Modifier : kModifiers)
    if ((ARegisterModifiers & Modifier.Register) != 0) Bits |= Modifier.Control;
  return Bits;
}

uint32_t RegisterModifiers(BYTE AHotkeyControlModifiers) {
  uint32_t Bits = 0;
  for (const TModifier& Modifier : kModifiers)
    if ((AHotkeyControlModifiers & Modifier.Control) != 0) Bits |= Modifier.Register;
  return Bits;
}

void TNativeHotkeyEdit::Create(bool AStartsGroup) {
  CreateWindowOf(HOTKEY_CLASSW, WS_TABSTOP, WS_EX_CLIENTEDGE, AStartsGroup);
  FSubclassed = Subclass(Window());
}

std::optional<HBRUSH> TNativeHotkeyEdit::Colours(UINT AMessage, HDC ADc, HWND AWindow) {
  // Disabled, the field asks as a static does: a disabled field's colours.
  if (Style() != nullptr && AMessage == WM_CTLCOLORSTATIC)
    return StyleColours(ADc, palette::kTextDisabled, palette::kFieldDisabled);
  return TNativeControl::Colours(AMessage, ADc, AWindow);
}

std::optional<LRESULT> TNativeHotkeyEdit::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      THotkeyEdit& Edit = FEdit;
      const bool Entered = AMessage == WM_SETFOCUS;
      Context().Run([&Edit, Entered] { Entered ? Edit.Enter() : Edit.Leave(); });
      break;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      if (FShowAfterQueuedKeys) {
        const LRESULT Result = PassOn(AWindow, AMessage, AWParam, ALParam);
        FShowAfterQueuedKeys = false;
        ShowHotkey();
        return Result;
      }
      break;
    case WM_ERASEBKGND:
      if (Style() != nullptr) return 1;
      break;
    case WM_PAINT:
      if (Style() == nullptr) break;
      PaintField(AWindow);
      return 0;
    default: break;
  }
  if (Style() == nullptr) return std::nullopt;
  if (const auto Result = FFrame.WindowMessage(AWindow, AMessage, AWParam, ALParam)) return Result;
  return RefreshAfterChange(AWindow, AMessage, AWParam, ALParam);
}

void TNativeHotkeyEdit::PaintField(HWND AWindow) {
  PAINTSTRUCT PaintInfo{};
  const HDC Dc = ::BeginPaint(AWindow, &PaintInfo);
  if (Dc == nullptr) return;
  RECT Client{};
  ::GetClientRect(AWindow, &Client);
  // The colours of an edit box, enabled or not.
  const bool Enabled = IsEnabled(AWindow);
  const auto Field = Colours(Enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC, Dc, AWindow);
  if (Field) ::FillRect(Dc, &Client, *Field);
  const HFONT Font = FontOf(AWindow);
  const HGDIOBJ OldFont = Font != nullptr ? ::SelectObject(Dc, Font) : nullptr;
  ::SetBkMode(Dc, TRANSPARENT);
  const std::wstring Text = CombinationText(static_cast<WORD>(::SendMessageW(AWindow, HKM_GETHOTKEY, 0, 0)));
  RECT TextArea = Client;
  TextArea.left += ::GetSystemMetrics(SM_CXBORDER);
  ::DrawTextW(Dc, Text.c_str(), static_cast<int>(Text.size()), &TextArea,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  if (::GetFocus() == AWindow) {
    // The caret follows the combination, as the control places it.
    SIZE Extent{};
    ::GetTextExtentPoint32W(Dc, Text.c_str(), static_cast<int>(Text.size()), &Extent);
    TEXTMETRICW Metrics{};
    ::GetTextMetricsW(Dc, &Metrics);
    ::SetCaretPos(TextArea.left + Extent.cx, (Client.bottom - Metrics.tmHeight) / 2);
  }
  if (OldFont != nullptr) ::SelectObject(Dc, OldFont);
  ::EndPaint(AWindow, &PaintInfo);
}

void TNativeHotkeyEdit::Sync(TControlProperty AProperty) {
  if (AProperty != TControlProperty::cpHotkey) {
    TNativeControl::Sync(AProperty);
    return;
  }
  if (Window() != nullptr) ShowHotkey();
}

void TNativeHotkeyEdit::SyncAll() {
  TNativeControl::SyncAll();
  Sync(TControlProperty::cpHotkey);
}

void TNativeHotkeyEdit::ShowHotkey() {
  TNativeContext::TMirroring Mirroring(Context());
  const auto Key = static_cast<BYTE>(FEdit.Vk());
  ::SendMessageW(Window(), HKM_SETHOTKEY, MAKEWORD(Key, HotkeyControlModifiers(FEdit.Modifiers())), 0);
  // A combination typed in one burst can be set (by the dialog's keyboard hook, which sees its
  // last key first) while its modifier keys still wait in the queue; each of them clears the
  // control as it arrives, so the combination is shown again after each, until none waits.
  FShowAfterQueuedKeys = FSubclassed && HIWORD(::GetQueueStatus(QS_KEY)) != 0;
}

bool TNativeHotkeyEdit::HandleCommand(UINT ACode) {
  if (ACode != EN_CHANGE) return false;
  if (!Context().TakesInput()) return true;
  const auto Hotkey = static_cast<WORD>(::SendMessageW(Window(), HKM_GETHOTKEY, 0, 0));
  const uint32_t Vk = LOBYTE(Hotkey);
  // Modifier keys alone are a combination still being typed, not one to take.
  if (Vk == 0) return true;
  const uint32_t Modifiers = RegisterModifiers(HIBYTE(Hotkey));
  THotkeyEdit& Edit = FEdit;
  Context().Run([&Edit, Vk, Modifiers] { Edit.Press(Vk, Modifiers); });
  return true;
}

}  // namespace nevra::win32
