// What the recorder's hook procedures cost a key press or a mouse move. Windows waits for a
// low-level hook before any window sees the input, so this time is added to every keystroke and
// every move while a recording runs.
#include <benchmark/benchmark.h>

#include "macros/MacroRecorder.h"
#include "platform/InputCodes.h"
#include "platform/fake/FakePlatform.h"

namespace nevra {
namespace {

// A recording under way, started again every so often so its events stay in memory's reach.
class TRecordingUnderWay {
 public:
  TRecordingUnderWay()
      : FRecorder(FPlatform.MouseHook, FPlatform.KeyboardHook, FPlatform.Input, FPlatform.Clock, FPlatform.Timers,
                  FPlatform.Locale) {
    FRecorder.StartRecording();
  }
  fake::TFakePlatform& Platform() { return FPlatform; }
  void Restart(benchmark::State& AState) {
    AState.PauseTiming();
    FRecorder.Stop();
    FRecorder.StartRecording();
    AState.ResumeTiming();
  }

 private:
  fake::TFakePlatform FPlatform;
  TMacroRecorder FRecorder;
};

constexpr int64_t kEventsPerRecording = 100000;

void BM_RecorderKeyPress(benchmark::State& AState) {
  TRecordingUnderWay Recording;
  int64_t Count = 0;
  for (auto _ : AState) {
    Recording.Platform().KeyboardHook.Send(TKeyEvent{'A', 0x1E, true});
    Recording.Platform().KeyboardHook.Send(TKeyEvent{'A', 0x1E, false});
    if (++Count % kEventsPerRecording == 0) Recording.Restart(AState);
  }
  AState.SetItemsProcessed(AState.iterations() * 2);
}
BENCHMARK(BM_RecorderKeyPress);

void BM_RecorderMouseMove(benchmark::State& AState) {
  TRecordingUnderWay Recording;
  int64_t Count = 0;
  for (auto _ : AState) {
    const auto Step = static_cast<int32_t>(Count % 1000);
    Recording.Platform().MouseHook.Send(MouseMessages::Move, 100 + Step, 200 + Step);
    if (++Count % kEventsPerRecording == 0) Recording.Restart(AState);
  }
  AState.SetItemsProcessed(AState.iterations());
}
BENCHMARK(BM_RecorderMouseMove);

}  // namespace
}  // namespace nevra
