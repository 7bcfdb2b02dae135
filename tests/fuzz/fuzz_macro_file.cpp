// Arbitrary bytes loaded as a macro file: loading, reading, enabling and removing must never
// crash, read outside a record or leave the table with more than 500 macros.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/fake/recording_platform.h"
#include "platform/std_file_io.h"
#include "storage/macro_store.h"
#include "storage/record_reader.h"
#include "storage/set_hotkeys.h"
#include "support/in_process_table.h"

namespace {

std::string ScratchPath() {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("qnl-fuzz-file-" + std::to_string(static_cast<long long>(getpid())));
  std::filesystem::create_directories(dir);
  return (dir / "FUZZ.QNL").string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quindle;
  static const std::string path = ScratchPath();
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }

  (void)storage::ReadMacroFile(path);

  platform::StdBinaryFiles files;
  platform::fake::RecordingPlatform fake;
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  storage::MacroStore store(files, lock, fake, fake);
  store.LoadMacroFile(path);
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
