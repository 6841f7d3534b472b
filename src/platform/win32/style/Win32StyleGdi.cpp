#include "platform/win32/style/Win32StyleGdi.h"

namespace nevra::win32 {

TPaintBuffer::TPaintBuffer(HDC ATarget, const RECT& ARect) : FTarget(ATarget), FRect(ARect), FMemory(ATarget) {
  const int Width = FRect.right - FRect.left;
  const int Height = FRect.bottom - FRect.top;
  if (FMemory.Get() == nullptr || Width <= 0 || Height <= 0) return;
  FBitmap.Reset(::CreateCompatibleBitmap(FTarget, Width, Height));
  if (!FBitmap) return;
  FOldBitmap = ::SelectObject(FMemory.Get(), FBitmap.Get());
  // Painted as mirrored as the window it is shown in, so that a control of a right-to-left
  // window is laid out from the right and its text still reads the right way.
  ::SetLayout(FMemory.Get(), ::GetLayout(FTarget));
  FBuffered = true;
}

TPaintBuffer::~TPaintBuffer() {
  if (FOldBitmap != nullptr) ::SelectObject(FMemory.Get(), FOldBitmap);
}

RECT TPaintBuffer::Area() const {
  if (!FBuffered) return FRect;
  return RECT{0, 0, FRect.right - FRect.left, FRect.bottom - FRect.top};
}

void TPaintBuffer::Present() {
  if (!FBuffered) return;
  ::BitBlt(FTarget, FRect.left, FRect.top, FRect.right - FRect.left, FRect.bottom - FRect.top, FMemory.Get(), 0, 0,
           SRCCOPY);
}

}  // namespace nevra::win32
