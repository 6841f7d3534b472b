#pragma once
#include <windows.h>

namespace nevra::win32 {

// The colours the native view paints with, in one place. The link colour belongs to the window
// in every look; the rest is the "Midnight Express Green" style: charcoal surfaces, light text,
// green accents. Disabled text stays near 4:1 against its surface, so it reads as greyed out
// yet stays legible.
inline constexpr COLORREF kLinkTextColour = RGB(107, 212, 51);

namespace palette {

// Surfaces.
inline constexpr COLORREF kWindow = RGB(27, 31, 30);
inline constexpr COLORREF kStatusPanel = RGB(19, 22, 21);
inline constexpr COLORREF kField = RGB(38, 44, 42);
inline constexpr COLORREF kFieldDisabled = RGB(31, 35, 34);
inline constexpr COLORREF kSelection = RGB(44, 92, 34);

// Text.
inline constexpr COLORREF kText = RGB(228, 234, 231);
inline constexpr COLORREF kTextDisabled = RGB(122, 132, 128);
inline constexpr COLORREF kSelectionText = RGB(255, 255, 255);

// Accents: the link green doubles as the colour of focus, captions and checked marks.
inline constexpr COLORREF kAccent = kLinkTextColour;
inline constexpr COLORREF kAccentPressed = RGB(38, 78, 30);
inline constexpr COLORREF kOnAccent = RGB(14, 20, 12);

// Lines and frames.
inline constexpr COLORREF kFrame = RGB(80, 91, 87);
inline constexpr COLORREF kFrameHot = RGB(120, 134, 128);
inline constexpr COLORREF kFrameDisabled = RGB(54, 61, 58);
inline constexpr COLORREF kGroupFrame = RGB(62, 71, 68);

// Push buttons and the arrows of a spin box.
inline constexpr COLORREF kButtonFace = RGB(48, 56, 53);
inline constexpr COLORREF kButtonFaceHot = RGB(60, 70, 66);
inline constexpr COLORREF kButtonFaceDisabled = RGB(33, 38, 36);

// The images of the Start and Stop buttons; disabled, both turn grey.
inline constexpr COLORREF kPlayImage = kAccent;
inline constexpr COLORREF kStopImage = RGB(232, 96, 84);
inline constexpr COLORREF kImageDisabled = RGB(92, 101, 97);

}  // namespace palette

}  // namespace nevra::win32
