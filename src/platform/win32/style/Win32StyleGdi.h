#pragma once
#include <windows.h>

#include "platform/win32/Win32Handles.h"

namespace nevra::win32 {

using TBitmapOwner = TUniqueHandle<TNullHandleTraits<HBITMAP, &::DeleteObject>>;

// A memory device context, deleted with its owner.
class TMemoryDc {
 public:
  explicit TMemoryDc(HDC ACompatibleWith) : FDc(::CreateCompatibleDC(ACompatibleWith)) {}
  ~TMemoryDc() {
    if (FDc != nullptr) ::DeleteDC(FDc);
  }
  TMemoryDc(const TMemoryDc&) = delete;
  TMemoryDc& operator=(const TMemoryDc&) = delete;
  HDC Get() const { return FDc; }

 private:
  HDC FDc;
};

// Selects a GDI object into a device context for the life of this object.
class TSelection {
 public:
  TSelection(HDC ADc, HGDIOBJ AObject) : FDc(ADc), FOld(AObject != nullptr ? ::SelectObject(ADc, AObject) : nullptr) {}
  ~TSelection() {
    if (FOld != nullptr) ::SelectObject(FDc, FOld);
  }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;

 private:
  HDC FDc;
  HGDIOBJ FOld;
};

// Fills ARect with AColour through the device context's own brush: no brush to make and delete.
inline void Fill(HDC ADc, const RECT& ARect, COLORREF AColour) {
  ::SetDCBrushColor(ADc, AColour);
  ::FillRect(ADc, &ARect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

// The height of a line of text in AFont, as controls lay out their text.
inline int FontLineHeight(HDC ADc, HFONT AFont) {
  TSelection Font(ADc, AFont);
  TEXTMETRICW Metrics{};
  ::GetTextMetricsW(ADc, &Metrics);
  return Metrics.tmHeight;
}

// An off-screen picture of ARect of ATarget: everything is painted into Dc() (whose origin is
// ARect's top-left corner) and reaches the target in one copy by Present, so a control never
// shows half its painting. Without memory for the buffer, Dc() is the target itself.
class TPaintBuffer {
 public:
  TPaintBuffer(HDC ATarget, const RECT& ARect);
  TPaintBuffer(const TPaintBuffer&) = delete;
  TPaintBuffer& operator=(const TPaintBuffer&) = delete;
  ~TPaintBuffer();

  HDC Dc() const { return FBuffered ? FMemory.Get() : FTarget; }
  // The area to paint, in Dc()'s coordinates.
  RECT Area() const;
  void Present();

 private:
  HDC FTarget;
  RECT FRect;
  TMemoryDc FMemory;
  TBitmapOwner FBitmap;
  HGDIOBJ FOldBitmap = nullptr;
  bool FBuffered = false;
};

}  // namespace nevra::win32
