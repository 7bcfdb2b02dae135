// Loading a macro file of 500 macros from disk into the table and the index.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/fake/recording_platform.h"
#include "platform/std_file_io.h"
#include "storage/macro_store.h"
#include "support/in_process_table.h"

namespace {

std::string WriteFileOf500() {
  using quindle::storage::MacroRecord;
  const auto path = (std::filesystem::temp_directory_path() / "qnl-bench-500.qnl").string();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  for (int i = 0; i < 500; ++i) {
    MacroRecord record{};
    record.Name.Assign("Macro number " + std::to_string(i + 1));
    record.ScopeText.Assign(i % 3 == 0 ? "Untitled - Notepad" : "");
    record.ScopeKind = static_cast<std::int16_t>(i % 3 == 0 ? 2 : 1);
    record.HotkeyNumber = static_cast<std::uint16_t>(i < 4 ? 262 + i : i % 700);
    if (i < 4) {
      record.ScopeKind = 5;
      record.ScopeText.Assign(std::string(1, static_cast<char>('1' + i)));
    }
    record.Enabled = true;
    record.SetMacroText("Hello<TAB>world<ENTER>");
    std::fwrite(&record, sizeof record, 1, f);
  }
  std::fclose(f);
  return path;
}

void BM_Load500MacroFile(benchmark::State& state) {
  const std::string path = WriteFileOf500();
  quindle::platform::StdBinaryFiles files;
  quindle::platform::fake::RecordingPlatform fake;
  quindle::storage::InProcessTable objects;
  quindle::storage::TableLock lock(objects);
  quindle::storage::MacroStore store(files, lock, fake, fake);
  for (auto _ : state) {
    store.LoadMacroFile(path);
    benchmark::DoNotOptimize(objects.Block().Count.Get());
  }
  state.counters["macros"] = static_cast<double>(objects.Block().Count.Get());
  std::filesystem::remove(path);
}
BENCHMARK(BM_Load500MacroFile)->Unit(benchmark::kMillisecond);

}  // namespace
