#include "qnl/import_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "hooklib/hotkey_names.h"
#include "platform/std_file_io.h"
#include "qnl/schedule_time.h"
#include "storage/macro_import.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace quindle::tool {
namespace {

constexpr const char* kImportHelp =
    "Import macros into DEST.QNL as \"Import Macros\" does. SOURCE's kind comes from its ending: "
    ".QNL (a macro or export file; its system macros are never imported), .VX2 (a macro file of "
    "the earlier generation) or .TPL (a Typlet file). Without N every macro the dialog lists is "
    "imported, else the records at positions N of SOURCE (1 for the first). Each warning of the "
    "dialog is printed on stderr and the import goes on as if \"Yes\" were answered. DEST is "
    "loaded as the program loads a macro file: created when missing, its missing system macros "
    "added. Exit status 0: imported, 1: writing DEST failed part-way, 2: nothing done (a bad "
    "argument, or a refused or damaged SOURCE; DEST is left as it was).";

// The macro table for one run: nobody else shares it.
class PrivateTable final : public storage::ITableObjects {
 public:
  bool OpenMutex() override { return true; }
  storage::WaitResult Wait(std::uint32_t) override { return storage::WaitResult::Acquired; }
  void ReleaseMutex() override {}
  void CloseMutex() override {}
  storage::SharedMacroTable* MapView() override { return table_.get(); }
  void UnmapView() override {}

 private:
  std::unique_ptr<storage::SharedMacroTable> table_ = std::make_unique<storage::SharedMacroTable>();
};

// The dialog's message boxes as lines on stderr; every question is answered "Yes".
class StderrPrompts final : public platform::IPrompts {
 public:
  explicit StderrPrompts(std::ostream& err) : err_(err) {}
  void ShowMessage(std::string_view title, std::string_view text) override {
    err_ << "qnl import: " << title << ": " << text << '\n';
    if (title == "Error") failed_ = true;
  }
  bool AskYesNo(std::string_view title, std::string_view text) override {
    err_ << "qnl import: " << title << ": " << text << " Yes\n";
    return true;
  }
  bool Failed() const { return failed_; }

 private:
  std::ostream& err_;
  bool failed_ = false;
};

class LocalClock final : public platform::IClock {
 public:
  double Now() override { return LocalNow(); }
  std::uint32_t TickCount() override { return 0; }
};

int Refuse(std::ostream& err, std::string_view text) {
  err << "qnl import: " << text << '\n';
  return 2;
}

}  // namespace

int RunImportCommand(const std::string& source, const std::string& dest,
                     const std::vector<int>& positions, std::ostream& out, std::ostream& err) {
  if (!storage::ImportKindOf(dest) || *storage::ImportKindOf(dest) != storage::ImportKind::Qnl)
    return Refuse(err, "DEST must be a macro file ending in .QNL");
  platform::StdBinaryFiles files;
  const storage::ImportSource read = storage::ReadImportSource(files, source);
  if (!read.Ok()) return Refuse(err, read.error);

  std::vector<bool> selected(read.entries.size(), positions.empty());
  for (const int position : positions) {
    bool listed = false;
    for (std::size_t i = 0; i < read.entries.size(); ++i) {
      if (read.entries[i].sourceNumber != static_cast<std::size_t>(position)) continue;
      selected[i] = listed = true;
    }
    if (!listed)
      return Refuse(err, "record " + std::to_string(position) + " of " + source +
                             " is not one the import lists");
  }
  // Checked before DEST is loaded, which may add its system macros.
  if (read.entries.empty()) return Refuse(err, storage::kNothingFlagged);

  PrivateTable objects;
  storage::TableLock lock(objects);
  StderrPrompts prompts(err);
  LocalClock clock;
  storage::MacroStore store(files, lock, prompts, clock);
  if (!store.LoadMacroFile(dest)) return 2;
  const storage::ImportOutcome outcome =
      storage::RunImport(read, selected, {store, lock, prompts, clock, &hooklib::HotkeyName});
  out << "imported " << outcome.imported << (outcome.imported == 1 ? " macro\n" : " macros\n");
  return prompts.Failed() ? 1 : 0;
}

Subcommand AddImportCommand(CLI::App& parent) {
  auto source = std::make_shared<std::string>();
  auto dest = std::make_shared<std::string>();
  auto positions = std::make_shared<std::vector<int>>();
  CLI::App* app = parent.add_subcommand("import", kImportHelp);
  app->add_option("SOURCE", *source, "the file to import from (.QNL, .VX2 or .TPL)")->required();
  app->add_option("DEST", *dest, "the macro file to import into (.QNL)")->required();
  app->add_option("N", *positions, "positions of the records of SOURCE to import")
      ->check(CLI::PositiveNumber);
  return {app, [source, dest, positions](std::ostream& out, std::ostream& err) {
            return RunImportCommand(*source, *dest, *positions, out, err);
          }};
}

}  // namespace quindle::tool
