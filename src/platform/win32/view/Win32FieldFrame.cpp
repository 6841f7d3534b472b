#include "platform/win32/view/Win32FieldFrame.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/style/Win32Palette.h"
#include "platform/win32/style/Win32StyleDrawing.h"
#include "platform/win32/style/Win32StyleGdi.h"
#include "platform/win32/view/Win32Fonts.h"

namespace nevra::win32 {

namespace {

struct TFieldFrameLook {
  bool Enabled = true;
  bool Focused = false;
  // The right edge is left open for the arrows of a spin box, which close the frame.
  bool OpenRight = false;
  // Everything outside the client area is border (an edit box whose text is centred by a
  // wider border); otherwise only the band as wide as the left border, leaving a scroll bar be.
  bool FillToClient = false;
};

// The frame in the non-client border: ARect is the whole window, AClient the client area inside
// it (both in window coordinates).
void PaintFieldFrame(HDC ADc, const RECT& ARect, const RECT& AClient, const TFieldFrameLook& ALook) {
  // Only the border band: the client area and a scroll bar inside the border keep their own
  // painting.
  const int Band = std::max(1, static_cast<int>(AClient.left - ARect.left));
  const RECT Inner{ARect.left + Band, ARect.top + Band, ARect.right - Band, ARect.bottom - Band};
  const int Saved = ::SaveDC(ADc);
  const COLORREF Field = FieldColour(ALook.Enabled);
  if (ALook.FillToClient) {
    ::ExcludeClipRect(ADc, AClient.left, AClient.top, AClient.right, AClient.bottom);
    Fill(ADc, Inner, Field);
  }
  ::ExcludeClipRect(ADc, Inner.left, Inner.top, Inner.right, Inner.bottom);
  // Focused: the whole band turns green, a frame as wide as the border itself.
  Fill(ADc, ARect, ALook.Focused && ALook.Enabled ? palette::kAccent : Field);
  Frame(ADc, ARect, 1, FrameColour(TInteraction{ALook.Enabled, false, false, ALook.Focused}),
        ALook.OpenRight ? TOpenSide::osRight : TOpenSide::osNone);
  // The field runs on into the arrows: no frame between them.
  if (ALook.OpenRight) Fill(ADc, RECT{ARect.right - Band, ARect.top + Band, ARect.right, ARect.bottom - Band}, Field);
  ::RestoreDC(ADc, Saved);
}

}  // namespace

void TFieldFrame::Refresh(HWND AWindow) { ::RedrawWindow(AWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME); }

void TFieldFrame::Paint(HWND AWindow) const {
  const TWindowDc Dc(AWindow, true);
  if (!Dc) return;
  RECT Window{};
  ::GetWindowRect(AWindow, &Window);
  RECT Client{};
  ::GetClientRect(AWindow, &Client);
  ::MapWindowPoints(AWindow, nullptr, reinterpret_cast<POINT*>(&Client), 2);
  ::OffsetRect(&Client, -Window.left, -Window.top);
  ::OffsetRect(&Window, -Window.left, -Window.top);
  PaintFieldFrame(Dc.Get(), Window, Client,
                  TFieldFrameLook{IsEnabled(AWindow), ::GetFocus() == AWindow, FOpenRight, FOneLine});
}

std::optional<LRESULT> TFieldFrame::WindowMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_NCPAINT: {
      // The system's border and scroll bar first, then the style's frame over the border.
      const LRESULT Result = ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
      Paint(AWindow);
      return Result;
    }
    case WM_NCCALCSIZE: {
      if (!FOneLine) return std::nullopt;
      // A one-line edit box writes at the top of its client area: a client area as high as the
      // text, in the middle of the box, centres it.
      const LRESULT Result = ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
      RECT& Client =
          AWParam != FALSE ? reinterpret_cast<NCCALCSIZE_PARAMS*>(ALParam)->rgrc[0] : *reinterpret_cast<RECT*>(ALParam);
      if (FTextHeight == 0) FTextHeight = LineHeightOf(AWindow);
      const int Spare = (Client.bottom - Client.top) - FTextHeight;
      if (Spare > 1) {
        Client.top += Spare / 2;
        Client.bottom -= Spare - Spare / 2;
      }
      return Result;
    }
    case WM_SETFONT: {
      if (!FOneLine) return std::nullopt;
      const LRESULT Result = ::DefSubclassProc(AWindow, AMessage, AWParam, ALParam);
      FTextHeight = 0;  // measured again in the new font
      ::SetWindowPos(AWindow, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return Result;
    }
    default: return std::nullopt;
  }
}

}  // namespace nevra::win32
