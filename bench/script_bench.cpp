// Reading a full-size mixed macro into script lines, and writing them back: what opening the
// scripting editor and pressing its OK cost. Goal: at most 1 ms each.
#include <benchmark/benchmark.h>

#include <string>

#include "editors/script_line.h"

namespace {

using namespace quindle::editors;

// Text runs, key tags, commands with arguments, dates and blocks, repeated to 5000 characters.
std::string MixedMacro() {
  const std::string piece =
      "Dear <MM/DD/YY{YF000}>,<ENTER><TAB>text<DELAY:00.50><CTLD>c<CTLU><REPEAT:0002>"
      "<MMS:00100,00200><LCLK><ENDREP><WMAX:\"CURRENT\"><LAUNCH:C:\\N.EXE<PARAM>a.txt>"
      "<hh:mm am{N}><SPEED:02.50><REM:note>a<b";
  std::string text;
  while (text.size() + piece.size() <= 5000) text += piece;
  text.append(5000 - text.size(), 'x');
  return text;
}

void BM_ReadMixed5000(benchmark::State& state) {
  const std::string text = MixedMacro();
  for (auto _ : state) {
    auto lines = BuildTheScript(text);
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_ReadMixed5000);

void BM_WriteBackMixed5000(benchmark::State& state) {
  const auto lines = BuildTheScript(MixedMacro());
  for (auto _ : state) {
    auto text = WriteBack(lines);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_WriteBackMixed5000);

}  // namespace
