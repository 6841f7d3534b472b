#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "engine/HeldButtons.h"
#include "engine/HeldKeys.h"
#include "macros/MacroPlayer.h"
#include "platform/Clock.h"
#include "platform/KeyboardInput.h"
#include "platform/MouseInput.h"
#include "platform/Random.h"
#include "platform/Timers.h"
#include "run/ClickSchedule.h"
#include "run/RunRandom.h"
#include "run/RunRequest.h"

namespace nevra {

// A run: the start delay, then clicks on their schedule or a macro's passes, until its length is
// reached or it is stopped. It takes the window's request as a plain value and tells how it goes
// through the callbacks; it never asks the window for anything, so from the start to the last
// click nothing of the window runs. Everything happens on the GUI thread: the delay and the clicks
// come as timer ticks, and a macro plays from the call that starts it (a run without a delay) or
// from the tick that ends the delay, handling the window's messages in every wait.
class TRun {
 public:
  TRun(IMouseInput& AInput, IKeyboardInput& AKeys, IClock& AClock, ITimerFactory& ATimers, IMessagePump& APump,
       IRandom& ARandom);
  ~TRun();
  TRun(const TRun&) = delete;
  TRun& operator=(const TRun&) = delete;

  // The start delay is over; the first click or pass follows when this returns, unless it
  // stopped the run.
  std::function<void()> OnDelayOver;
  // The keys that started the run have been held down for a while: the run still waits for them.
  std::function<void()> OnWaitingForKeys;
  // The run has ended; it is no longer active when this runs.
  std::function<void(const TRunEnd&)> OnEnded;

  // Starts a run (an active one is stopped first, without a report). A macro run without a delay
  // plays before this returns, unless the keys that started it are still down.
  void Start(TRunRequest ARequest);
  // A click run under way takes the window's new settings and length from its next click on.
  void Update(const TClickTask& ATask, const TRunLength& ALength);
  // Ends the run under way; nothing more is pressed. Nothing happens while none is.
  void Stop(TRunEndCause ACause);

  bool Active() const { return FActive; }
  // The run under way is in its start delay.
  bool Delaying() const { return FActive && FDelaying; }
  bool PlaysMacro() const { return std::holds_alternative<TMacroTask>(FRequest.Task); }
  // What the run under way, or the last one, was asked to do.
  const TRunRequest& Request() const { return FRequest; }
  // Clicks, or a macro's complete passes, of the run under way or the last one.
  uint64_t Done() const { return FDone; }
  // How long a run for a time still lasts, in milliseconds (rounded up): all of its time until
  // its start delay is over. None for a run of another length, or no run.
  std::optional<uint64_t> TimeLeftMs() const;

 private:
  // The run proper, once nothing holds it back: the delay, the first click or the playback.
  void Begin(uint64_t ANowUs);
  void Tick();
  void WaitForKeys();
  void DelayOver();
  // Returns how long the click holds its button or key down, to be released when that time is
  // over; 0 when nothing stays down.
  uint32_t Click(const TClickTask& ATask);
  uint32_t MouseClick(const TClickTask& ATask, int32_t AButton);
  uint32_t KeyClick(const TClickTask& ATask, const TKeyStroke& AStroke);
  // Where a mouse click lands: its place, moved within the task's radius.
  TPoint Scattered(const TClickTask& ATask, TPoint APlace);
  void ReleaseHeld();
  void PutCursorBack();
  void Play(const TMacroTask& ATask);
  bool LengthReached() const;
  // When a run for a time ends: its time after the start delay ended. None before that, and for a
  // run of another length.
  std::optional<uint64_t> EndsAtUs() const;
  // Arms the timer for AUs, or for the end of the run's time if that comes first.
  void ArmFor(uint64_t AUs);
  bool TimeUp(uint64_t ANowUs) const;
  void End(TRunEndCause ACause);

  IMouseInput& FInput;
  IKeyboardInput& FKeys;
  IClock& FClock;
  // Draws each run's seed.
  IRandom& FRandom;
  // The run's own draws: its intervals, where its clicks land, how long they hold.
  TRunRandom FDraws;
  TMacroPlayer FPlayer;
  TRunRequest FRequest;
  TClickSchedule FSchedule;
  // A held click's button or key, down until its hold time is over (the next tick).
  THeldButtons FHeld;
  THeldKeys FHeldKeys;
  bool FHolding = false;
  // Where the cursor was before a click at the cursor went off to a point of its disc: it goes
  // back there as soon as the click is over.
  std::optional<TPoint> FCursorHome;
  uint64_t FDone = 0;
  // When the run proper began, its start delay over, on the steady clock.
  std::optional<uint64_t> FBeganUs;
  bool FActive = false;
  bool FDelaying = false;
  // How often the keys that started a run are looked at while they are down, and after how long
  // the run says it waits for them.
  static constexpr uint64_t kKeysPollUs = 10000;
  static constexpr uint64_t kKeysWaitAnnouncedAfterUs = 300000;
  struct TKeysWait {
    uint64_t SinceUs = 0;
    bool Announced = false;
  };
  std::optional<TKeysWait> FKeysWait;
  // Counts the runs: a macro's playback that outlives its run (stopped, and another started from
  // a message handled in one of its waits) knows it is over.
  uint64_t FGeneration = 0;
  // Last: its tick uses the members above.
  std::unique_ptr<ITimerBackend> FTimer;
};

}  // namespace nevra
