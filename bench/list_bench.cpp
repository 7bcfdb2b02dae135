// The main window's list: FillList (the snapshot under the table lock and the sort) of 500
// macros runs after every change of the file or of the sort settings, and should stay under a
// millisecond; one type-ahead key searches every row and should stay under 10 microseconds.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "app/list_type_ahead.h"
#include "app/macro_list.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"
#include "support/in_process_table.h"

namespace {

using namespace quindle;

// 500 macros of every activation and scope, names and hotkeys in no order.
void Fill500(storage::SharedMacroTable& table, storage::MacroIndex& index) {
  table.Count = 500;
  for (int i = 0; i < 500; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    const int mixed = (i * 337) % 500;
    char name[32];
    std::snprintf(name, sizeof(name), "Macro %03d of the file", mixed);
    const bool typlet = i % 7 == 0;
    const bool timed = i % 11 == 0;
    table.HotkeyNumber[slot] = typlet  ? storage::kActivationTyplet
                               : timed ? storage::kActivationTimed
                                       : static_cast<std::uint16_t>(mixed % 720);
    const auto scope = static_cast<std::int16_t>(i % 5 + 1);
    table.ScopeKind[slot] = scope;
    table.ScopeText[slot].Assign(scope == 2 ? "Untitled - Notepad" : "NOTEPAD.EXE");
    table.Enabled[slot] = i % 3 != 0;
    char typletName[16];
    std::snprintf(typletName, sizeof(typletName), "ty%03d", mixed);
    index.Set(i + 1, name, typlet ? typletName : "");
  }
}

void BM_FillList500(benchmark::State& state) {
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  storage::MacroIndex index;
  Fill500(objects.Block(), index);
  app::MacroList list;
  const app::SortSettings sort{"213", "312", "54321"};
  for (auto _ : state) {
    const bool filled = list.Refill(lock, index, sort);
    benchmark::DoNotOptimize(filled);
  }
  if (list.Count() != 500) state.SkipWithError("the list was not filled");
}
BENCHMARK(BM_FillList500)->Unit(benchmark::kMicrosecond);

void BM_TypeAheadKey500(benchmark::State& state) {
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  storage::MacroIndex index;
  Fill500(objects.Block(), index);
  app::MacroList list;
  list.Refill(lock, index, {});
  app::TypeAhead typing;
  // "WIN+Z" matches no row: every key searches the whole list.
  for (const char c : std::string("WIN+")) typing.KeyPress(c, list, 1);
  for (auto _ : state) {
    int row = typing.KeyPress('z', list, 1);
    row = typing.KeyPress('\b', list, row);
    benchmark::DoNotOptimize(row);
  }
}
BENCHMARK(BM_TypeAheadKey500)->Unit(benchmark::kNanosecond);

}  // namespace
