#include "platform/win32/view/Win32MessageDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/view/Win32DialogTemplate.h"

namespace nevra::win32 {

namespace {

constexpr WORD kIconId = 100;
constexpr WORD kTextId = 101;
constexpr UINT_PTR kTextSubclassId = 0x4E4D;

// The dialog's size as designed, in dialog units: room for about fifteen lines of eighty
// characters; smaller when the screen is.
constexpr short kWidth = 330, kHeight = 190;
constexpr short kMargin = 7, kButtonWidth = 50, kButtonHeight = 14, kButtonGap = 4;

// The longest run without a blank the text box is given whole: the edit control wraps a longer
// one by trying every character (a 32,000-letter word took seconds under Wine), so such a run
// gets line breaks of its own every so many characters.
constexpr size_t kLongestRun = 100;

// The text as the box shows it, and where it has line breaks the text does not.
struct TShownText {
  std::wstring Text;
  std::vector<size_t> Added;  // positions in Text of each added "\r\n", ascending
};

TShownText BreakLongRuns(const std::wstring& AText) {
  TShownText Shown;
  size_t Run = 0;
  for (const wchar_t C : AText) {
    const bool Blank = C == L' ' || C == L'\t' || C == L'\r' || C == L'\n';
    if (!Blank && Run == kLongestRun) {
      Shown.Added.push_back(Shown.Text.size());
      Shown.Text += L"\r\n";
      Run = 0;
    }
    Shown.Text += C;
    Run = Blank ? 0 : Run + 1;
  }
  return Shown;
}

// The part of the original text that the box shows from AFrom to ATo: the added breaks left out.
std::wstring OriginalOf(const TShownText& AShown, size_t AFrom, size_t ATo) {
  std::wstring Original;
  auto Next = std::lower_bound(AShown.Added.begin(), AShown.Added.end(), AFrom);
  for (size_t At = AFrom; At < ATo && At < AShown.Text.size(); ++At) {
    while (Next != AShown.Added.end() && *Next + 2 <= At) ++Next;
    if (Next != AShown.Added.end() && At >= *Next && At < *Next + 2) continue;
    Original += AShown.Text[At];
  }
  return Original;
}

void CopyToClipboard(HWND AOwner, const std::wstring& AText) {
  // Another program (a clipboard manager, say) may hold the clipboard for a moment.
  constexpr int kTries = 50;
  constexpr DWORD kBetweenTriesMs = 10;
  int Tries = 0;
  while (!::OpenClipboard(AOwner)) {
    if (++Tries == kTries) return;
    ::Sleep(kBetweenTriesMs);
  }
  ::EmptyClipboard();
  const size_t Bytes = (AText.size() + 1) * sizeof(wchar_t);
  if (const HGLOBAL Memory = ::GlobalAlloc(GMEM_MOVEABLE, Bytes)) {
    if (void* Target = ::GlobalLock(Memory)) {
      std::copy(AText.c_str(), AText.c_str() + AText.size() + 1, static_cast<wchar_t*>(Target));
      ::GlobalUnlock(Memory);
      // The clipboard owns the memory once it has taken it.
      if (::SetClipboardData(CF_UNICODETEXT, Memory) == nullptr) ::GlobalFree(Memory);
    } else {
      ::GlobalFree(Memory);
    }
  }
  ::CloseClipboard();
}

struct TDialogState {
  const TMessageDialogSpec* Spec;
  TShownText Shown;
};

RECT WorkAreaOf(HWND AWindow) {
  MONITORINFO Info{};
  Info.cbSize = sizeof(Info);
  ::GetMonitorInfoW(::MonitorFromWindow(AWindow, MONITOR_DEFAULTTOPRIMARY), &Info);
  return Info.rcWork;
}

int Width(const RECT& ARect) { return ARect.right - ARect.left; }
int Height(const RECT& ARect) { return ARect.bottom - ARect.top; }

// Dialog units in pixels of this dialog's font and DPI.
SIZE Pixels(HWND ADialog, int AX, int AY) {
  RECT Rect{0, 0, AX, AY};
  ::MapDialogRect(ADialog, &Rect);
  return SIZE{Rect.right, Rect.bottom};
}

// Places the icon, the text and the buttons in the client area: icon top left, text beside it
// down to the buttons, buttons in a row at the bottom right (all read from the right in a
// mirrored dialog).
void Layout(HWND ADialog, const TMessageDialogSpec& ASpec) {
  RECT Client{};
  ::GetClientRect(ADialog, &Client);
  const SIZE Margin = Pixels(ADialog, kMargin, kMargin);
  const SIZE Button = Pixels(ADialog, kButtonWidth, kButtonHeight);
  const int Gap = Pixels(ADialog, kButtonGap, 0).cx;
  const int IconSize = ::GetSystemMetrics(SM_CXICON);
  const HDWP Moves = ::BeginDeferWindowPos(static_cast<int>(ASpec.Buttons.size()) + 2);
  HDWP Batch = Moves;
  const auto Place = [&Batch](HWND AWindow, int ALeft, int ATop, int AWidth, int AHeight) {
    if (Batch != nullptr && AWindow != nullptr)
      Batch = ::DeferWindowPos(Batch, AWindow, nullptr, ALeft, ATop, std::max(0, AWidth), std::max(0, AHeight),
                               SWP_NOZORDER | SWP_NOACTIVATE);
  };
  Place(::GetDlgItem(ADialog, kIconId), Margin.cx, Margin.cy, IconSize, IconSize);
  const int ButtonsTop = Client.bottom - Margin.cy - Button.cy;
  const int TextLeft = 2 * Margin.cx + IconSize;
  Place(::GetDlgItem(ADialog, kTextId), TextLeft, Margin.cy, Client.right - Margin.cx - TextLeft,
        ButtonsTop - Margin.cy - Margin.cy);
  int Left = Client.right - Margin.cx - static_cast<int>(ASpec.Buttons.size()) * (Button.cx + Gap) + Gap;
  for (const TMessageDialogButton& Each : ASpec.Buttons) {
    Place(::GetDlgItem(ADialog, Each.Id), Left, ButtonsTop, Button.cx, Button.cy);
    Left += Button.cx + Gap;
  }
  if (Batch != nullptr) ::EndDeferWindowPos(Batch);
}

// The designed size, at most nine tenths of the work area, centred on it.
void SizeAndCentre(HWND ADialog) {
  const RECT Work = WorkAreaOf(::GetWindow(ADialog, GW_OWNER) != nullptr ? ::GetWindow(ADialog, GW_OWNER) : ADialog);
  const SIZE Designed = Pixels(ADialog, kWidth, kHeight);
  RECT Frame{0, 0, Designed.cx, Designed.cy};
  ::AdjustWindowRectEx(&Frame, static_cast<DWORD>(::GetWindowLongPtrW(ADialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrW(ADialog, GWL_EXSTYLE)));
  const int FrameWidth = std::min(Width(Frame), Width(Work) * 9 / 10);
  const int FrameHeight = std::min(Height(Frame), Height(Work) * 9 / 10);
  ::SetWindowPos(ADialog, nullptr, Work.left + (Width(Work) - FrameWidth) / 2,
                 Work.top + (Height(Work) - FrameHeight) / 2, FrameWidth, FrameHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Ctrl+A selects the whole text (not every edit control of every Windows does), Ctrl+C copies the
// selection as the message has it, without the breaks the box added; the keys reach the edit box
// as the characters they type.
LRESULT CALLBACK TextProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam, UINT_PTR ASubclassId,
                          DWORD_PTR ARefData) {
  constexpr WPARAM kCtrlA = 0x01, kCtrlC = 0x03;
  switch (AMessage) {
    case WM_CHAR:
      if (AWParam == kCtrlA) {
        ::SendMessageW(AWindow, EM_SETSEL, 0, -1);
        return 0;
      }
      if (AWParam == kCtrlC) {
        DWORD From = 0, To = 0;
        ::SendMessageW(AWindow, EM_GETSEL, reinterpret_cast<WPARAM>(&From), reinterpret_cast<LPARAM>(&To));
        const auto& Shown = reinterpret_cast<const TDialogState*>(ARefData)->Shown;
        if (To > From) CopyToClipboard(AWindow, OriginalOf(Shown, From, To));
        return 0;
      }
      break;
    case WM_NCDESTROY: ::RemoveWindowSubclass(AWindow, &TextProc, ASubclassId); break;
    default: break;
  }
  return ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
}

INT_PTR CALLBACK DialogProc(HWND ADialog, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  auto* State = reinterpret_cast<TDialogState*>(::GetWindowLongPtrW(ADialog, DWLP_USER));
  switch (AMessage) {
    case WM_INITDIALOG: {
      State = reinterpret_cast<TDialogState*>(ALParam);
      ::SetWindowLongPtrW(ADialog, DWLP_USER, ALParam);
      const TMessageDialogSpec& Spec = *State->Spec;
      SetWindowTextUtf8(ADialog, Spec.Caption);
      ::SendDlgItemMessageW(ADialog, kIconId, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconW(nullptr, Spec.Icon)),
                            0);
      for (const TMessageDialogButton& Each : Spec.Buttons)
        SetWindowTextUtf8(::GetDlgItem(ADialog, Each.Id), Each.Text);
      const HWND Text = ::GetDlgItem(ADialog, kTextId);
      // No limit: the default one is for typing, and the text may be longer.
      ::SendMessageW(Text, EM_SETLIMITTEXT, 0, 0);
      State->Shown = BreakLongRuns(WithWindowsLineBreaks(Widen(Spec.Text)));
      ::SetWindowTextW(Text, State->Shown.Text.c_str());
      ::SetWindowSubclass(Text, &TextProc, kTextSubclassId, reinterpret_cast<DWORD_PTR>(State));
      SizeAndCentre(ADialog);
      Layout(ADialog, Spec);
      // The text has the keyboard, so the arrow keys scroll it at once; Enter still presses the
      // default button and Esc still closes, as an edit box in a dialog passes them on.
      ::SendMessageW(ADialog, DM_SETDEFID, static_cast<WPARAM>(Spec.Buttons.front().Id), 0);
      ::SetFocus(Text);
      ::SendMessageW(Text, EM_SETSEL, 0, 0);
      return FALSE;  // the focus is set
    }
    case WM_SIZE:
      if (State != nullptr) Layout(ADialog, *State->Spec);
      return TRUE;
    case WM_GETMINMAXINFO: {
      // Room for the buttons, the icon and a few lines of text.
      auto& Limits = *reinterpret_cast<MINMAXINFO*>(ALParam);
      const SIZE Smallest = Pixels(ADialog, kWidth / 2, kHeight / 2);
      Limits.ptMinTrackSize = POINT{Smallest.cx, Smallest.cy};
      return TRUE;
    }
    case WM_COMMAND: {
      if (State == nullptr || HIWORD(AWParam) != BN_CLICKED) break;
      const int Id = LOWORD(AWParam);
      if (Id == IDCANCEL) {
        ::EndDialog(ADialog, State->Spec->EscapeId);
        return TRUE;
      }
      for (const TMessageDialogButton& Each : State->Spec->Buttons)
        if (Each.Id == Id) {
          ::EndDialog(ADialog, Id);
          return TRUE;
        }
      break;
    }
    default: break;
  }
  return FALSE;
}

}  // namespace

bool FitsMessageBox(HWND AOwner, const std::wstring& AText) {
  const RECT Work = WorkAreaOf(AOwner);
  const int MaxWidth = Width(Work) / 2;
  const int MaxHeight = Height(Work) / 2;
  NONCLIENTMETRICSW Metrics{};
  Metrics.cbSize = sizeof(Metrics);
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0);
  const TFontOwner Font(::CreateFontIndirectW(&Metrics.lfMessageFont));
  const TWindowDc Screen(nullptr);
  const TSelection Selected(Screen.Get(), Font.Get());
  // A word longer than the line widens the measured rectangle instead of breaking.
  RECT Bounds{0, 0, MaxWidth, 0};
  ::DrawTextW(Screen.Get(), AText.c_str(), static_cast<int>(AText.size()), &Bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  return Width(Bounds) <= MaxWidth && Height(Bounds) <= MaxHeight;
}

int RunMessageDialog(HWND AOwner, const TMessageDialogSpec& ASpec) {
  using T = TDialogTemplate;
  const bool RightToLeft = IsRightToLeft(AOwner);
  // Laid out when it opens (Layout); the template only names the items.
  TDialogTemplate Template(kWidth, kHeight, static_cast<WORD>(2 + ASpec.Buttons.size()),
                           RightToLeft ? WS_EX_LAYOUTRTL : 0, WS_THICKFRAME);
  Template.Item(SS_ICON, 0, 0, 0, 0, kIconId, T::kStatic);
  Template.Item(ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, 0, 0, 0, kTextId,
                T::kEdit, RightToLeft ? WS_EX_RTLREADING : 0);
  bool Default = true;
  for (const TMessageDialogButton& Each : ASpec.Buttons) {
    Template.Item((Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, 0, 0, 0, 0, static_cast<WORD>(Each.Id),
                  T::kButton);
    Default = false;
  }
  TDialogState State{&ASpec, {}};
  const INT_PTR Result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), Template.Get(), AOwner, &DialogProc,
                                                   reinterpret_cast<LPARAM>(&State));
  return Result > 0 ? static_cast<int>(Result) : ASpec.EscapeId;
}

}  // namespace nevra::win32
