// A dry run of a 5000-character macro that mixes text, key tags, modifiers, mouse tags, waits,
// a repeat block and date and time tags, through the recording fake.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/player.h"
#include "platform/fake/recording_platform.h"

namespace {

std::string MixedMacro() {
  const std::string piece =
      "Dear Sir,\r\nThank you for your letter of <MM/DD/YYYY{Y}>.<TAB><CTRL>s<SHIFT><END>"
      "<MMS:00512,00384><LCLK><DELAY:00.01><REPEAT:0002>row <II><ENDREP> at <hh:mm am{N}>, "
      "<ALT:0233>t<ALT:0233> <HOME><DELETE>Caf\xe9 <WFW:002><BACKSPACE>";
  std::string text;
  while (text.size() + piece.size() <= 5000) text += piece;
  text.append(5000 - text.size(), 'z');
  return text;
}

void BM_DryRun5000CharacterMacro(benchmark::State& state) {
  const std::string text = MixedMacro();
  std::size_t lines = 0;
  for (auto _ : state) {
    quindle::platform::fake::RecordingPlatform fake;
    quindle::engine::Player player(quindle::platform::fake::MakePlayerServices(fake));
    player.IntoProgram(text, "bench", 259);
    benchmark::DoNotOptimize(&fake);
  }
  {
    quindle::platform::fake::RecordingPlatform fake;
    quindle::engine::Player player(quindle::platform::fake::MakePlayerServices(fake));
    player.IntoProgram(text, "bench", 259);
    lines = fake.Log().size();
  }
  state.counters["events"] = static_cast<double>(lines);
}
BENCHMARK(BM_DryRun5000CharacterMacro)->Unit(benchmark::kMicrosecond);

}  // namespace
