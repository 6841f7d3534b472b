// Macro files at the sizes users reach: an hour of constant movement is about half a million
// events.
#include <benchmark/benchmark.h>

#include "app/MainForm.h"
#include "macros/MacroModel.h"
#include "platform/fake/FakePlatform.h"
#include "product/AppInfo.h"

namespace nevra {
namespace {

TRecordedMacro MakeMacro(size_t AEvents) {
  TRecordedMacro Macro;
  Macro.SetName("2026-12-10 09.30.00 (3600.0s)");
  auto& Events = Macro.MutableEvents();
  Events.reserve(AEvents);
  for (size_t I = 0; I < AEvents; ++I) {
    const auto N = static_cast<int32_t>(I);
    Events.push_back({static_cast<uint32_t>(I * 7), I % 50 == 0 ? mekDown : mekMove, 100 + N % 1900, -300 + N % 1300,
                      I % 50 == 0 ? 0 : -1});
  }
  Macro.SetDurationMs(Events.back().DeltaMs);
  return Macro;
}

void BM_SaveToFile(benchmark::State& AState) {
  fake::TFakePlatform P;
  P.Files.Folders.insert("C:\\m");
  TRecordedMacro Macro = MakeMacro(static_cast<size_t>(AState.range(0)));
  size_t Bytes = 0;
  for (auto _ : AState) {
    Macro.SaveToFile(P.Files, "C:\\m\\big.nevramac");
    Bytes += P.Files.Files["C:\\m\\big.nevramac"].size();
  }
  AState.SetBytesProcessed(static_cast<int64_t>(Bytes));
  AState.SetItemsProcessed(AState.iterations() * AState.range(0));
}
BENCHMARK(BM_SaveToFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_LoadFromFile(benchmark::State& AState) {
  fake::TFakePlatform P;
  P.Files.Folders.insert("C:\\m");
  MakeMacro(static_cast<size_t>(AState.range(0))).SaveToFile(P.Files, "C:\\m\\big.nevramac");
  const size_t Size = P.Files.Files["C:\\m\\big.nevramac"].size();
  for (auto _ : AState) benchmark::DoNotOptimize(TRecordedMacro::LoadFromFile(P.Files, "C:\\m\\big.nevramac"));
  AState.SetBytesProcessed(static_cast<int64_t>(Size) * AState.iterations());
  AState.SetItemsProcessed(AState.iterations() * AState.range(0));
}
BENCHMARK(BM_LoadFromFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_LoadMacros(benchmark::State& AState) {
  fake::TFakePlatform P;
  P.App.SetTitle(kApplicationTitle);
  const std::string Folder = std::string("C:\\Users\\Tester\\AppData\\Roaming\\") + kApplicationTitle + "\\Macros";
  P.Files.Folders.insert(Folder);
  const TRecordedMacro Small = MakeMacro(200);
  for (int I = 0; I < AState.range(0); ++I)
    P.Files.Files[Folder + "\\m" + std::to_string(I) + ".nevramac"] = MacroToText(Small);
  for (auto _ : AState) {
    TFrmMain Form(P.Platform);
    Form.FormCreate();  // the scan runs here, with the rest of the window's set-up
    benchmark::DoNotOptimize(Form.Macros().size());
  }
  AState.SetItemsProcessed(AState.iterations() * AState.range(0));
}
BENCHMARK(BM_LoadMacros)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nevra

BENCHMARK_MAIN();
