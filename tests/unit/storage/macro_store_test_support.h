// Records, files and a ready store for the macro store tests.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "storage/macro_store.h"
#include "storage/table_lock.h"
#include "storage_test_support.h"
#include "support/in_process_table.h"

namespace quindle::storage::testing {

inline MacroRecord UserMacro(std::string_view name, std::uint16_t hotkey,
                             ScopeKindValue scope = ScopeGlobal) {
  MacroRecord record{};
  record.Name.Assign(name);
  record.HotkeyNumber = hotkey;
  record.ScopeKind = scope;
  record.Enabled = true;
  record.SetMacroText(std::string(name) + "<ENTER>");
  record.LastModified = 45000.5;
  return record;
}

inline std::string Bytes(const MacroRecord& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

inline std::string FileOf(const std::vector<MacroRecord>& records) {
  std::string bytes;
  for (const MacroRecord& record : records) bytes += Bytes(record);
  return bytes;
}

inline std::vector<MacroRecord> WithSystemMacros(std::vector<MacroRecord> records) {
  for (std::size_t i = 0; i < kSystemMacros.size(); ++i)
    records.push_back(MakeSystemMacro(i, 40000.0));
  return records;
}

inline MacroRecord RecordAt(const std::string& bytes, std::size_t n) {
  MacroRecord record{};
  const std::size_t at = (n - 1) * kRecordSize;
  if (at + kRecordSize <= bytes.size()) std::memcpy(&record, bytes.data() + at, kRecordSize);
  return record;
}

class MacroStoreTest : public ::testing::Test {
 protected:
  SharedMacroTable& Table() { return objects.Block(); }
  int Count() { return Table().Count.Get(); }
  std::size_t FileRecords() { return ReadBytes(path).size() / kRecordSize; }
  void Load(const std::vector<MacroRecord>& records) {
    WriteBytes(path, FileOf(records));
    ASSERT_TRUE(store.LoadMacroFile(path));
    prompts.shown.clear();
  }
  bool Append(const MacroRecord& record) {
    const AppendOutcome added = store.AppendMacro(record);
    return added.n != 0 && added.n == Count();
  }

  TempFolder folder;
  std::string path = folder.File("QUINX.QNL");
  FaultyFiles files;
  InProcessTable objects;
  TableLock lock{objects};
  RecordingPrompts prompts;
  FixedClock clock;
  MacroStore store{files, lock, prompts, clock};
};

}  // namespace quindle::storage::testing
