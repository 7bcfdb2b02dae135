// Arbitrary bytes read as an import source (the first byte picks ".QNL", ".VX2" or ".TPL"), then
// imported into an empty macro file: reading must never go past the data or list a record cut
// short, and every new macro must be a sound record of at most 5000 characters. The files live
// in memory.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "hooklib/hotkey_names.h"
#include "platform/fake/recording_platform.h"
#include "platform/memory_files.h"
#include "storage/import_records.h"
#include "storage/macro_import.h"
#include "storage/macro_store.h"
#include "support/in_process_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quindle;
  if (size == 0) return 0;
  constexpr std::string_view kPaths[] = {"FUZZ.QNL", "FUZZ.VX2", "FUZZ.TPL"};
  constexpr std::size_t kSizes[] = {sizeof(storage::MacroRecord), sizeof(storage::Vx2Record),
                                    sizeof(storage::TplRecord)};
  const std::size_t kind = data[0] % 3;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  platform::MemoryBinaryFiles files;
  files.SetFile(kPaths[kind], bytes);
  const storage::ImportSource source = storage::ReadImportSource(files, kPaths[kind]);
  // Only system macros are ever left out, and a Typlet file has none.
  if (source.Ok() && kind == 2 && source.entries.empty()) std::abort();
  if (source.entries.size() > bytes.size() / kSizes[kind]) std::abort();
  for (const storage::ImportEntry& entry : source.entries) {
    if (!storage::IsSoundRecord(entry.record) || entry.record.ScopeKind == storage::ScopeSystem)
      std::abort();
    if (entry.record.ScopeKind != storage::ScopePopupMenu && entry.record.MacroText().size() > 5000)
      std::abort();
  }

  bool clipboard = (data[0] & 4) != 0;
  const std::string converted = storage::ConvertVx2Text(bytes.substr(0, 5000), clipboard);
  if (clipboard && !converted.ends_with("<ENDCLIP><CLIPP>")) std::abort();

  platform::fake::RecordingPlatform fake;
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  storage::MacroStore store(files, lock, fake, fake);
  store.LoadMacroFile("DEST.QNL");
  std::vector<bool> selected(source.entries.size(), true);
  const storage::ImportOutcome outcome =
      storage::RunImport(source, selected, {store, lock, fake, fake, &hooklib::HotkeyName});
  const std::size_t count = objects.Block().SafeCount();
  if (objects.Block().Count > 500 || count != 4 + outcome.imported) std::abort();
  return 0;
}
