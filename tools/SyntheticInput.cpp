#include "SyntheticInput.h"

#include <stdexcept>
#include <vector>

namespace nevra::tools {

namespace {

void Send(std::vector<INPUT>& AInputs) {
  const UINT Sent = SendInput(static_cast<UINT>(AInputs.size()), AInputs.data(), sizeof(INPUT));
  if (Sent != AInputs.size()) throw std::runtime_error("SendInput took " + std::to_string(Sent) + " of the events");
}

INPUT KeyInput(WORD AKey, bool AReleased) {
  INPUT Input{};
  Input.type = INPUT_KEYBOARD;
  Input.ki.wVk = AKey;
  Input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(AKey, MAPVK_VK_TO_VSC));
  Input.ki.dwFlags = AReleased ? KEYEVENTF_KEYUP : 0;
  return Input;
}

// The absolute input range maps a value v to the pixel v * size / 65536, rounded down: rounding
// up here makes that the very pixel asked for.
LONG ToAbsolute(LONG APixel, int ASize) {
  return static_cast<LONG>((static_cast<int64_t>(APixel) * 65536 + ASize - 1) / ASize);
}

DWORD ButtonFlags(TClickButton AButton, bool APressed) {
  switch (AButton) {
    case TClickButton::cbLeft: return APressed ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    case TClickButton::cbRight: return APressed ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    case TClickButton::cbMiddle: return APressed ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
  }
  return 0;
}

}  // namespace

void PressKeys(std::initializer_list<WORD> AKeys) {
  std::vector<INPUT> Inputs;
  for (const WORD Key : AKeys) Inputs.push_back(KeyInput(Key, false));
  for (auto Key = std::rbegin(AKeys); Key != std::rend(AKeys); ++Key) Inputs.push_back(KeyInput(*Key, true));
  Send(Inputs);
}

void SendKeys(std::initializer_list<WORD> AKeys, bool AUp) {
  std::vector<INPUT> Inputs;
  if (AUp) {
    for (auto Key = std::rbegin(AKeys); Key != std::rend(AKeys); ++Key) Inputs.push_back(KeyInput(*Key, true));
  } else {
    for (const WORD Key : AKeys) Inputs.push_back(KeyInput(Key, false));
  }
  Send(Inputs);
}

void TypeKeys(std::initializer_list<WORD> AKeys) {
  for (const WORD Key : AKeys) PressKeys({Key});
}

void MoveCursorTo(POINT APoint) {
  std::vector<INPUT> Inputs(1);
  Inputs[0].type = INPUT_MOUSE;
  Inputs[0].mi.dx = ToAbsolute(APoint.x, GetSystemMetrics(SM_CXSCREEN));
  Inputs[0].mi.dy = ToAbsolute(APoint.y, GetSystemMetrics(SM_CYSCREEN));
  Inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  Send(Inputs);
}

void SendButton(TClickButton AButton, bool APressed) {
  std::vector<INPUT> Inputs(1);
  Inputs[0].type = INPUT_MOUSE;
  Inputs[0].mi.dwFlags = ButtonFlags(AButton, APressed);
  Send(Inputs);
}

void SendWheel(int ADelta, bool AHorizontal) {
  std::vector<INPUT> Inputs(1);
  Inputs[0].type = INPUT_MOUSE;
  Inputs[0].mi.mouseData = static_cast<DWORD>(ADelta);
  Inputs[0].mi.dwFlags = AHorizontal ? MOUSEEVENTF_HWHEEL : MOUSEEVENTF_WHEEL;
  Send(Inputs);
}

void ClickAt(POINT APoint, TClickButton AButton) {
  MoveCursorTo(APoint);
  SendButton(AButton, true);
  SendButton(AButton, false);
}

}  // namespace nevra::tools
