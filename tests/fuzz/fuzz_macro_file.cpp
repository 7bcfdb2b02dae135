// Arbitrary bytes loaded as a macro file: loading, reading, enabling and removing must never
// crash, read outside a record or leave the table with more than 500 macros. The file lives in
// memory, through the same IBinaryFiles interface the program reads its files with, so no input
// costs a disk write.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/fake/recording_platform.h"
#include "platform/memory_files.h"
#include "support/in_process_table.h"
#include "storage/macro_store.h"
#include "storage/record_reader.h"
#include "storage/set_hotkeys.h"
#include "support/in_process_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quindle;
  constexpr std::string_view kPath = "FUZZ.QNL";
  platform::MemoryBinaryFiles files;
  files.SetFile(kPath, std::string_view(reinterpret_cast<const char*>(data), size));

  (void)storage::ReadMacroFile(files, kPath);

  platform::fake::RecordingPlatform fake;
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  storage::MacroStore store(files, lock, fake, fake);
  store.LoadMacroFile(kPath);
  storage::SetHotKeys(lock);
  const std::size_t count = objects.Block().SafeCount();
  if (objects.Block().Count > 500 || objects.Block().Count < 0) std::abort();

  storage::MacroRecord record{};
  const int pick = size > 0 ? 1 + data[0] % 8 : 1;
  store.ReadMacro(pick, record);
  (void)record.MacroText();
  (void)record.MemberCount();
  store.SetMacroEnabled(pick, (size & 1) != 0);
  if (count > 0 &&
      store.DeleteMacro(static_cast<int>(pick <= static_cast<int>(count) ? pick : 1))) {
    store.ReloadMacroFile();
  }
  if (objects.Block().Count > 500 || objects.Block().Count < 0) std::abort();
  return 0;
}
