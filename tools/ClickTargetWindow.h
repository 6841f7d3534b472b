#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nevra::tools {

// Where the tiers and the benchmark put the target, unless told otherwise: 400 x 300 pixels at
// the top-left corner of the screen, under a caption bench/run.sh also finds it by.
inline constexpr const wchar_t* kClickTargetCaption = L"Nevra Click Target";
inline constexpr RECT kClickTargetBounds{0, 0, 400, 300};

enum class TClickButton { cbLeft, cbRight, cbMiddle };

// One press or release as the target window saw it.
struct TClickRecord {
  TClickButton Button = TClickButton::cbLeft;
  bool Pressed = false;      // false: a release
  bool DoubleClick = false;  // the press came as WM_xBUTTONDBLCLK
  POINT Client{};
  POINT Screen{};
  int64_t Counter = 0;           // QueryPerformanceCounter when the message was handled
  uint32_t MessageTime = 0;      // GetMessageTime: when the input system took the event (ms ticks)
  bool WithCtrlOrShift = false;  // the message's MK_CONTROL or MK_SHIFT: keys held with the button
};

// One step of a mouse wheel as the target window saw it.
struct TWheelRecord {
  bool Horizontal = false;  // WM_MOUSEHWHEEL rather than WM_MOUSEWHEEL
  int Delta = 0;            // 120 a notch; negative: towards the user (down) or to the left
  friend bool operator==(const TWheelRecord&, const TWheelRecord&) = default;
};

// A borderless, always-on-top window that records every press and release of the left, right
// and middle buttons, the wheels' steps and the characters typed into it. Its class has CS_DBLCLKS, as most real
// targets do, so every second press of a fast series arrives as a double-click message; that is counted as a press all
// the same. The records fill only while the creating thread handles messages.
class TClickTargetWindow {
 public:
  TClickTargetWindow(const RECT& AScreenBounds, const std::wstring& ACaption);
  TClickTargetWindow(const TClickTargetWindow&) = delete;
  TClickTargetWindow& operator=(const TClickTargetWindow&) = delete;
  ~TClickTargetWindow();

  // Null once the window has been destroyed (after WM_CLOSE).
  HWND Handle() const { return FHandle; }
  const std::vector<TClickRecord>& Records() const { return FRecords; }
  size_t Count(TClickButton AButton, bool APressed) const;
  const std::vector<TWheelRecord>& Wheel() const { return FWheel; }
  // The characters typed while the window had the keyboard focus (WM_CHAR).
  const std::wstring& Typed() const { return FTyped; }
  void Clear() {
    FRecords.clear();
    FWheel.clear();
    FTyped.clear();
  }

  // Runs on WM_CLOSE, before the window is destroyed.
  std::function<void()> OnClose;

 private:
  static void RegisterClassOnce();
  static LRESULT CALLBACK WindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
  LRESULT HandleMessage(UINT AMsg, WPARAM AWParam, LPARAM ALParam);
  void Record(TClickButton AButton, bool APressed, bool ADoubleClick, WPARAM AWParam, LPARAM ALParam);

  HWND FHandle = nullptr;
  std::vector<TClickRecord> FRecords;
  std::vector<TWheelRecord> FWheel;
  std::wstring FTyped;
};

// QueryPerformanceCounter ticks to milliseconds.
double CounterToMs(int64_t ACounterTicks);
// The performance counter now, in milliseconds.
double CounterNowMs();

}  // namespace nevra::tools
