#include "run/Run.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "run/RandomDraws.h"

namespace nevra {

TRun::TRun(IMouseInput& AInput, IKeyboardInput& AKeys, IClock& AClock, ITimerFactory& ATimers, IMessagePump& APump,
           IRandom& ARandom)
    : FInput(AInput),
      FKeys(AKeys),
      FClock(AClock),
      FRandom(ARandom),
      FPlayer(AInput, AKeys, AClock, APump),
      FHeld(AInput),
      FHeldKeys(AKeys),
      FTimer(ATimers.CreateTimer([this] { Tick(); })) {}

TRun::~TRun() { FTimer->Disarm(); }

void TRun::Start(TRunRequest ARequest) {
  FTimer->Disarm();
  ReleaseHeld();
  FRequest = std::move(ARequest);
  FDone = 0;
  FBeganUs.reset();
  FActive = true;
  ++FGeneration;
  // A seed of its own for each run: the run's draws are then one sequence, replayed by its seed.
  FDraws.Seed(FRandom.Next(std::numeric_limits<uint32_t>::max()));
  const uint64_t Now = FClock.MonotonicMicroseconds();
  if (FRequest.KeysDown && FRequest.KeysDown()) {
    FKeysWait = TKeysWait{Now, false};
    FTimer->ArmAt(Now + kKeysPollUs);
    return;
  }
  Begin(Now);
}

void TRun::Begin(uint64_t ANowUs) {
  FDelaying = FRequest.StartDelayS > 0;
  if (FDelaying) {
    FTimer->ArmAt(ANowUs + uint64_t{FRequest.StartDelayS} * 1000000);
    return;
  }
  FBeganUs = ANowUs;
  if (const auto* Clicks = std::get_if<TClickTask>(&FRequest.Task)) {
    FSchedule.Begin(ANowUs, DrawInterval(*Clicks, FDraws));
    ArmFor(FSchedule.Due());
  } else {
    Play(std::get<TMacroTask>(FRequest.Task));
  }
}

std::optional<uint64_t> TRun::EndsAtUs() const {
  const auto* Time = std::get_if<TForTime>(&FRequest.Length);
  if (Time == nullptr || !FBeganUs) return std::nullopt;
  return *FBeganUs + uint64_t{Time->Seconds} * 1000000;
}

bool TRun::TimeUp(uint64_t ANowUs) const {
  const auto EndsAt = EndsAtUs();
  return EndsAt && ANowUs >= *EndsAt;
}

void TRun::ArmFor(uint64_t AUs) {
  const auto EndsAt = EndsAtUs();
  FTimer->ArmAt(EndsAt ? std::min(AUs, *EndsAt) : AUs);
}

std::optional<uint64_t> TRun::TimeLeftMs() const {
  const auto* Time = std::get_if<TForTime>(&FRequest.Length);
  if (!FActive || Time == nullptr) return std::nullopt;
  const auto EndsAt = EndsAtUs();
  if (!EndsAt) return uint64_t{Time->Seconds} * 1000;
  const uint64_t Now = FClock.MonotonicMicroseconds();
  return Now >= *EndsAt ? 0 : (*EndsAt - Now + 999) / 1000;
}

void TRun::Update(const TClickTask& ATask, const TRunLength& ALength) {
  if (!FActive || !std::holds_alternative<TClickTask>(FRequest.Task)) return;
  FRequest.Task = ATask;
  FRequest.Length = ALength;
}

void TRun::Stop(TRunEndCause ACause) {
  if (FActive) End(ACause);
}

void TRun::End(TRunEndCause ACause) {
  FTimer->Disarm();
  FKeysWait.reset();
  ReleaseHeld();
  FActive = false;
  FDelaying = false;
  if (OnEnded) OnEnded(TRunEnd{ACause, FDone, PlaysMacro(), std::holds_alternative<TRepeatCount>(FRequest.Length)});
}

bool TRun::LengthReached() const {
  const auto* Count = std::get_if<TRepeatCount>(&FRequest.Length);
  return Count != nullptr && FDone >= Count->Count;
}

void TRun::Tick() {
  if (!FActive) return;
  if (FKeysWait) {
    WaitForKeys();
    return;
  }
  if (FDelaying) {
    DelayOver();
    return;
  }
  // A macro's playback learns of the end from its next look at whether the run is over.
  if (PlaysMacro()) {
    if (TimeUp(FClock.MonotonicMicroseconds())) End(TRunEndCause::ecTimeUp);
    return;
  }
  // A held click's hold time is over; the next click keeps its due time. (Its time up, the run
  // lets go at once.)
  if (FHolding && !TimeUp(FClock.MonotonicMicroseconds())) {
    ReleaseHeld();
    ArmFor(FSchedule.Due());
    return;
  }
  const TClickTask& Task = std::get<TClickTask>(FRequest.Task);
  // The tick after the last click ends the run, one interval after it.
  if (LengthReached()) {
    End(TRunEndCause::ecCompleted);
    return;
  }
  // Every click due by now is made in this tick: a program held up for a moment makes its clicks
  // up here, as one timer round trip each it would fall further behind at 1 ms. The moment is
  // taken once, so a tick makes at most the clicks of the make-up window.
  const uint64_t Now = FClock.MonotonicMicroseconds();
  const auto EndsAt = EndsAtUs();
  const auto DueInTime = [&] { return !EndsAt || FSchedule.Due() <= *EndsAt; };
  while (!LengthReached() && DueInTime() && FSchedule.ClickDueAt(Now)) {
    const uint32_t HeldMs = Click(Task);
    ++FDone;
    FSchedule.Advance(DrawInterval(Task, FDraws));
    if (HeldMs > 0) {
      // The window stays free while the button is down: Stop works during a hold.
      ArmFor(FClock.MonotonicMicroseconds() + uint64_t{HeldMs} * 1000);
      return;
    }
  }
  if (TimeUp(Now)) {
    End(TRunEndCause::ecTimeUp);
    return;
  }
  ArmFor(FSchedule.Due());
}

void TRun::WaitForKeys() {
  const uint64_t Now = FClock.MonotonicMicroseconds();
  if (!FRequest.KeysDown()) {
    FKeysWait.reset();
    Begin(Now);
    return;
  }
  FTimer->ArmAt(Now + kKeysPollUs);
  if (FKeysWait->Announced || Now - FKeysWait->SinceUs < kKeysWaitAnnouncedAfterUs) return;
  FKeysWait->Announced = true;
  if (OnWaitingForKeys) OnWaitingForKeys();
}

void TRun::DelayOver() {
  FDelaying = false;
  const uint64_t Generation = FGeneration;
  if (OnDelayOver) OnDelayOver();
  // The handler may have stopped the run, or started another.
  if (!FActive || Generation != FGeneration) return;
  FBeganUs = FClock.MonotonicMicroseconds();
  if (const auto* Clicks = std::get_if<TClickTask>(&FRequest.Task)) {
    FSchedule.Begin(FClock.MonotonicMicroseconds(), DrawInterval(*Clicks, FDraws));
    ArmFor(FSchedule.Due());
  } else {
    Play(std::get<TMacroTask>(FRequest.Task));
  }
}

uint32_t TRun::Click(const TClickTask& ATask) {
  if (const auto* Stroke = std::get_if<TKeyStroke>(&ATask.What)) return KeyClick(ATask, *Stroke);
  const int32_t Button = std::get<TMouseButton>(ATask.What).Index;
  if (const auto* Point = std::get_if<TAtPoint>(&ATask.Where)) {
    const TPoint At = Scattered(ATask, Point->Point);
    MoveMouseTo(FInput, At.X, At.Y);
    return MouseClick(ATask, Button);
  }
  TPoint Cursor;
  if (ATask.RadiusPx == 0 || !FInput.GetCursorPos(Cursor)) return MouseClick(ATask, Button);
  // The click lands beside the cursor, and the cursor goes back where it was: moved by each
  // click, the user's cursor would wander off in a random walk, and leave the place they chose.
  const TPoint At = Scattered(ATask, Cursor);
  MoveMouseTo(FInput, At.X, At.Y);
  FCursorHome = Cursor;
  const uint32_t HeldMs = MouseClick(ATask, Button);
  // A held button keeps the cursor where it went down, so the hold is no drag; it goes back
  // after the release.
  if (HeldMs == 0) PutCursorBack();
  return HeldMs;
}

TPoint TRun::Scattered(const TClickTask& ATask, TPoint APlace) {
  if (ATask.RadiusPx == 0) return APlace;
  const TPoint Offset = DrawOffsetInDisc(ATask.RadiusPx, FDraws);
  return TPoint{APlace.X + Offset.X, APlace.Y + Offset.Y};
}

uint32_t TRun::MouseClick(const TClickTask& ATask, int32_t AButton) {
  if (ATask.Kind != TClickKind::ckHold) {
    ClickButton(FInput, AButton, ATask.Kind == TClickKind::ckDouble ? 2 : 1);
    return 0;
  }
  const uint32_t HoldMs = DrawHoldMs(ATask, FDraws);
  FHeld.Press(AButton);
  FHolding = HoldMs > 0;
  if (!FHolding) FHeld.Release(AButton);
  return HoldMs;
}

uint32_t TRun::KeyClick(const TClickTask& ATask, const TKeyStroke& AStroke) {
  if (ATask.Kind != TClickKind::ckHold) {
    TapKeyStroke(FHeldKeys, FKeys, AStroke, ATask.Kind == TClickKind::ckDouble ? 2 : 1);
    return 0;
  }
  const uint32_t HoldMs = DrawHoldMs(ATask, FDraws);
  PressKeyStroke(FHeldKeys, FKeys, AStroke, true);
  FHolding = HoldMs > 0;
  if (!FHolding) PressKeyStroke(FHeldKeys, FKeys, AStroke, false);
  return HoldMs;
}

void TRun::ReleaseHeld() {
  FHolding = false;
  FHeld.ReleaseAll();
  FHeldKeys.ReleaseAll();
  PutCursorBack();
}

void TRun::PutCursorBack() {
  if (!FCursorHome) return;
  MoveMouseTo(FInput, FCursorHome->X, FCursorHome->Y);
  FCursorHome.reset();
}

void TRun::Play(const TMacroTask& ATask) {
  const uint64_t Generation = FGeneration;
  const auto Over = [this, Generation] { return !FActive || Generation != FGeneration; };
  // A copy: a run started from a message handled during the playback replaces the request.
  const std::vector<TMacroMouseEvent> Events = ATask.Events;
  std::optional<uint64_t> Passes;
  if (const auto* Count = std::get_if<TRepeatCount>(&FRequest.Length)) Passes = Count->Count;
  // The run's timer ends a run for a time from one of the playback's waits.
  if (const auto EndsAt = EndsAtUs()) FTimer->ArmAt(*EndsAt);
  FPlayer.Play(
      Events, Passes, Over, [this] { ++FDone; }, ATask.SpeedPercent);
  if (!Over()) End(TRunEndCause::ecCompleted);
}

}  // namespace nevra
