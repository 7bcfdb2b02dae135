// Every write of a file the program owns, with the program killed after each of its file calls in
// turn: what the next start loads is the old state or the new one, never a mixture, and it loads.
// States are compared as the next start reads them (whole macro records, the settings, the sync
// record, the remapping, a macro's text with its overflow file) rather than byte for byte: that
// is all the program ever sees of the files, and a scratch file left beside is no part of it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "activation/key_remap.h"
#include "app/file_profile.h"
#include "app/settings.h"
#include "capture/capture_test_support.h"
#include "platform/memory_files.h"
#include "storage/macro_store.h"
#include "storage/macro_store_test_support.h"
#include "storage/macro_tags.h"
#include "storage/network_sync.h"
#include "support/dying_files.h"
#include "support/memory_profile.h"

namespace quindle::testing {
namespace {

using capture::testing::kMacroFile;
using storage::testing::UserMacro;

// Copy and delete over the dying files, as the system's copy would run: the target created, then
// written, then closed.
class DyingFileOps final : public platform::IFileOps {
 public:
  explicit DyingFileOps(platform::IBinaryFiles& files) : files_(files) {}
  bool ChangeDirectory(std::string_view) override { return false; }
  bool DeleteFile(std::string_view path) override { return files_.RemoveFile(path); }
  bool CopyFile(std::string_view source, std::string_view target) override {
    const std::optional<std::string> bytes = platform::ReadWholeFile(files_, source, 1 << 20);
    if (!bytes) return false;
    auto file = files_.Open(target, platform::FileOpenMode::Create);
    return file && file->Write(bytes->data(), bytes->size()) && file->Close();
  }
  bool MoveFile(std::string_view, std::string_view) override { return false; }
  std::optional<std::string> ReadFile(std::string_view, std::size_t) override { return {}; }

 private:
  platform::IBinaryFiles& files_;
};

// The system's profile functions over files: every write reads the file and writes it anew,
// emptied first.
class SystemProfile final : public app::FileProfile {
 public:
  SystemProfile(platform::IBinaryFiles& files, std::string path)
      : FileProfile(files, std::move(path)), files_(files) {}
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view fallback) override {
    return Parsed().Read(section, key, fallback);
  }
  void Write(std::string_view section, std::string_view key, std::string_view value) override {
    app::MemoryProfile& profile = Parsed();
    profile.Write(section, key, value);
    text_ = profile.Text();
    auto file = files_.Open(Target(), platform::FileOpenMode::Create);
    if (!file || !file->Write(text_.data(), text_.size()) || !file->Close()) NoteWriteFailed();
  }

 private:
  // The file read as the system reads it; parsed again only when its text changed.
  app::MemoryProfile& Parsed() {
    std::string text = platform::ReadWholeFile(files_, Target(), 1 << 20).value_or("");
    if (text != text_) {
      parsed_ = app::MemoryProfile::FromText(text);
      text_ = std::move(text);
    }
    return parsed_;
  }
  platform::IBinaryFiles& files_;
  std::string text_;
  app::MemoryProfile parsed_;
};

const std::string kSettingsFile = "C:\\QN\\QUINX.INI";

app::Settings SomeSettings(int width, std::string currentFile) {
  app::Settings settings;
  settings.mainWidth = width;
  settings.currentFile = std::move(currentFile);
  settings.lastFiles[0] = "C:\\QN\\QUINX.QNL";
  return settings;
}

class QuietSyncHost final : public storage::INetworkSyncHost {
 public:
  void StartNetTimer() override {}
  void StopNetTimer() override {}
  void ReloadMacroFile() override {}
};

// The program over `disk`, its files dying when a case says.
struct Program {
  explicit Program(platform::MemoryBinaryFiles& disk) : files(disk) {}
  DyingFiles files;
  DyingFileOps fileOps{files};
  storage::InProcessTable objects;
  storage::TableLock lock{objects};
  storage::testing::RecordingPrompts prompts;
  storage::testing::FixedClock clock;
  storage::MacroStore store{files, lock, prompts, clock};
  QuietSyncHost syncHost;
  storage::NetworkSync sync{files, clock, prompts, syncHost};
  capture::testing::FakeHost host{objects};
  capture::testing::FakeDialogs dialogs;
  capture::CaptureSession session{capture::CaptureServices{store, lock, files, fileOps, clock,
                                                           prompts, dialogs, host,
                                                           std::string(capture::testing::kDir)}};
};

// ---- What the next start loads ----

// The whole records of the macro file, as a fresh start loads them; nothing when the load fails
// or complains.
std::optional<std::string> LoadMacros(platform::MemoryBinaryFiles& disk) {
  Program next(disk);
  if (!next.store.LoadMacroFile(kMacroFile) || !next.prompts.shown.empty()) return std::nullopt;
  const std::string bytes = disk.Content(kMacroFile).value_or("");
  const std::size_t records = bytes.size() / storage::kRecordSize;
  if (static_cast<std::size_t>(next.objects.Block().Count.Get()) != records) return std::nullopt;
  return bytes.substr(0, records * storage::kRecordSize);
}

// The macros and, for macro 1 whose text names an overflow file, that file's text.
std::optional<std::string> LoadMacrosWithOverflow(platform::MemoryBinaryFiles& disk) {
  std::optional<std::string> macros = LoadMacros(disk);
  if (!macros) return std::nullopt;
  const storage::MacroRecord first = storage::testing::RecordAt(*macros, 1);
  const std::string_view text = first.MacroText();
  const std::string_view tag = storage::tags::kTFile;
  if (text.substr(0, tag.size()) != tag) return macros;
  const std::string path(text.substr(tag.size(), text.size() - tag.size() - 1));
  const std::optional<std::string> overflow = disk.Content(path);
  if (!overflow) return std::nullopt;
  return *macros + "|" + *overflow;
}

// The settings as the next start reads them, written out in full.
std::optional<std::string> LoadSettings(platform::MemoryBinaryFiles& disk) {
  SystemProfile profile(disk, kSettingsFile);
  app::MemoryProfile written;
  app::SaveSettings(app::ReadSettings(profile), written);
  return written.Text();
}

std::optional<std::string> LoadSync(platform::MemoryBinaryFiles& disk) {
  Program next(disk);
  next.sync.PrepareSync(kMacroFile);
  const storage::SyncRecord record = next.sync.Copy();
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

std::optional<std::string> LoadRemap(platform::MemoryBinaryFiles& disk) {
  storage::RemapBlock block{};
  activation::GetSwapFile(disk, kMacroFile, block);
  const auto slots = activation::RemapSlots(block);
  return std::string(slots.begin(), slots.end());
}

// ---- The old states ----

void LayMacroFile(platform::MemoryBinaryFiles& disk, Program& p) {
  disk.SetFile(kMacroFile, storage::testing::FileOf(storage::testing::WithSystemMacros(
                               {UserMacro("One", 1), UserMacro("Two", 2), UserMacro("Three", 3)})));
  ASSERT_TRUE(p.store.LoadMacroFile(kMacroFile));
}

void LaySettingsFile(platform::MemoryBinaryFiles& disk, Program&) {
  SystemProfile profile(disk, kSettingsFile);
  app::SaveSettings(SomeSettings(700, kMacroFile), profile);
}

void LaySyncFile(platform::MemoryBinaryFiles& disk, Program& p) {
  LayMacroFile(disk, p);
  const storage::SyncRecord record = storage::MakeSyncRecord(5, storage::kSyncFree, 45000.0);
  disk.SetFile(storage::SyncFileName(kMacroFile),
               std::string(reinterpret_cast<const char*>(&record), sizeof record));
  p.sync.SetNetworkMode(true);
  p.sync.PrepareSync(kMacroFile);
}

void HoldSyncFile(platform::MemoryBinaryFiles& disk, Program& p) {
  LaySyncFile(disk, p);
  ASSERT_FALSE(p.sync.FileInUse());
  p.clock.now += 0.001;
}

void LayRemapFile(platform::MemoryBinaryFiles& disk, Program&) {
  storage::RemapBlock block{};
  activation::InitSwapKeys(block);
  ASSERT_TRUE(activation::SaveSwapKeys(disk, activation::RemapFileName(kMacroFile), block));
}

// A capture into macro 1 through the capture dialog, `length` characters recorded so far.
std::function<void(platform::MemoryBinaryFiles&, Program&)> Capturing(std::size_t length) {
  return [length](platform::MemoryBinaryFiles& disk, Program& p) {
    LayMacroFile(disk, p);
    p.host.defaults = capture::testing::Untimed();
    p.host.defaults.prompt = false;
    p.dialogs.keysAnswer = capture::testing::StartWith(capture::testing::Untimed());
    p.host.selected = 1;
    p.host.rows = p.objects.Block().Count.Get();
    p.session.DoCapture();
    for (std::size_t i = 0; i < length; ++i)
      p.session.OnCaptureChar(1, static_cast<unsigned char>('a' + i % 26));
  };
}

struct KillCase {
  const char* write;
  std::function<void(platform::MemoryBinaryFiles&, Program&)> prepare;
  std::function<void(Program&)> operation;
  std::function<std::optional<std::string>(platform::MemoryBinaryFiles&)> load;
};

// Runs the case on a fresh disk with the files dying after `lifetime` calls of the operation
// (negative: never; nothing: the operation is not run) and loads what the next start sees.
std::optional<std::string> RunOnce(const KillCase& c, std::optional<int> lifetime, bool& died) {
  platform::MemoryBinaryFiles disk;
  {
    Program program(disk);
    c.prepare(disk, program);
    if (lifetime) {
      program.files.DieAfter(*lifetime);
      c.operation(program);
    }
    died = program.files.Died();
  }  // the program is gone: every file it held open is closed
  return c.load(disk);
}

// The number of lifetimes run: 0, 1, 2, ... calls, up to the first with which the operation
// completed.
int KillAtEveryCall(const KillCase& c) {
  bool died = false;
  const std::optional<std::string> before = RunOnce(c, std::nullopt, died);
  const std::optional<std::string> after = RunOnce(c, -1, died);
  EXPECT_TRUE(before.has_value());
  EXPECT_TRUE(after.has_value());
  EXPECT_NE(before, after) << "the operation changed nothing";
  int lifetime = 0;
  for (;; ++lifetime) {
    SCOPED_TRACE(::testing::Message() << "killed after " << lifetime << " calls");
    const std::optional<std::string> loaded = RunOnce(c, lifetime, died);
    EXPECT_TRUE(loaded.has_value()) << "the next start does not load";
    EXPECT_TRUE(loaded == before || loaded == after) << "neither the old state nor the new one";
    if (!died || lifetime > 100000) break;
  }
  return lifetime + 1;
}

TEST(KilledAtAnyWriteTest, TheNextStartLoadsTheOldStateOrTheNewWheneverTheProgramDies) {
  const KillCase cases[] = {
      {"macro append", LayMacroFile, [](Program& p) { p.store.AppendMacro(UserMacro("Four", 4)); },
       LoadMacros},
      {"macro write in place", LayMacroFile,
       [](Program& p) { p.store.WriteMacro(2, UserMacro("Changed", 9)); }, LoadMacros},
      {"macro delete", LayMacroFile, [](Program& p) { p.store.DeleteMacro(2); }, LoadMacros},
      {"enabled flag", LayMacroFile, [](Program& p) { p.store.SetMacroEnabled(2, false); },
       LoadMacros},
      {"capture completion", Capturing(40), [](Program& p) { p.session.OnCaptureStop(1); },
       LoadMacrosWithOverflow},
      {"capture overflow file", Capturing(storage::kMacroTextMax + 1),
       [](Program& p) { p.session.OnCaptureStop(1); }, LoadMacrosWithOverflow},
      {"remap file", LayRemapFile,
       [](Program& p) {
         storage::RemapBlock block{};
         activation::InitSwapKeys(block);
         activation::SetRemapSlot(block, 0, 'z');
         activation::SaveSwapKeys(p.files, activation::RemapFileName(kMacroFile), block);
       },
       LoadRemap},
      {"settings", LaySettingsFile,
       [](Program& p) {
         SystemProfile profile(p.files, kSettingsFile);
         app::SaveSettings(SomeSettings(800, "C:\\QN\\OTHER.QNL"), profile);
       },
       LoadSettings},
      {"sync file taken", LaySyncFile, [](Program& p) { p.sync.FileInUse(); }, LoadSync},
      {"sync file heartbeat", HoldSyncFile, [](Program& p) { p.sync.OnNetTimer(); }, LoadSync},
      {"sync file released", HoldSyncFile, [](Program& p) { p.sync.ReleaseSyncFile(true); },
       LoadSync},
  };
  for (const KillCase& c : cases) {
    SCOPED_TRACE(c.write);
    const int runs = KillAtEveryCall(c);
    EXPECT_GT(runs, 1);
    ::testing::Test::RecordProperty(c.write, runs);
  }
}

}  // namespace
}  // namespace quindle::testing
