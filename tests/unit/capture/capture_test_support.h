// A capture session over a macro file in memory, with a host and dialogs that record what they
// were asked and answer what the test queued, and a file layer that fails on request.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "capture/capture_session.h"
#include "capture/capture_types.h"
#include "platform/memory_files.h"
#include "storage/macro_store.h"
#include "storage/macro_store_test_support.h"

namespace quindle::capture::testing {

using storage::MacroRecord;
using storage::SharedMacroTable;
using storage::testing::ShownMessage;

inline constexpr std::string_view kDir = "C:\\QN";
inline const std::string kMacroFile = "C:\\QN\\QUINX.QNL";
inline const std::string kCapturePath = "C:\\QN\\TempCap.Txt";

// The memory files, except that calls on the capture file fail when a test asks.
class FaultyFiles final : public platform::IBinaryFiles {
 public:
  explicit FaultyFiles(platform::MemoryBinaryFiles& real) : real_(real) {}

  bool failCreate = false;
  bool failOpenRead = false;
  int failWriteNumber = 0;  // the n-th write to the capture file fails (1-based), 0: none
  bool failClose = false;
  int writes = 0;

  std::unique_ptr<platform::IBinaryFile> Open(std::string_view path,
                                              platform::FileOpenMode mode) override {
    const bool capture = path == kCapturePath;
    if (capture && mode == platform::FileOpenMode::Create && failCreate) return nullptr;
    if (capture && mode == platform::FileOpenMode::ReadOnly && failOpenRead) return nullptr;
    auto file = real_.Open(path, mode);
    if (!file || !capture) return file;
    return std::make_unique<File>(*this, std::move(file));
  }
  bool Exists(std::string_view path) override { return real_.Exists(path); }
  bool ReplaceFile(std::string_view replacement, std::string_view target) override {
    return real_.ReplaceFile(replacement, target);
  }
  bool RemoveFile(std::string_view path) override { return real_.RemoveFile(path); }

 private:
  class File final : public platform::IBinaryFile {
   public:
    File(FaultyFiles& owner, std::unique_ptr<platform::IBinaryFile> real)
        : owner_(owner), real_(std::move(real)) {}
    bool Seek(std::uint64_t offset) override { return real_->Seek(offset); }
    bool Read(void* buffer, std::size_t size) override { return real_->Read(buffer, size); }
    bool Write(const void* data, std::size_t size) override {
      if (++owner_.writes == owner_.failWriteNumber) return false;
      return real_->Write(data, size);
    }
    std::optional<std::uint64_t> Size() override { return real_->Size(); }
    bool Flush() override { return real_->Flush(); }
    bool Close() override { return real_->Close() && !owner_.failClose; }

   private:
    FaultyFiles& owner_;
    std::unique_ptr<platform::IBinaryFile> real_;
  };
  platform::MemoryBinaryFiles& real_;
};

// Copy and delete over the same memory files.
class MemoryFileOps final : public platform::IFileOps {
 public:
  explicit MemoryFileOps(platform::MemoryBinaryFiles& real) : real_(real) {}
  bool failCopy = false;

  bool ChangeDirectory(std::string_view) override { return false; }
  bool DeleteFile(std::string_view path) override { return real_.RemoveFile(path); }
  bool CopyFile(std::string_view source, std::string_view target) override {
    const std::optional<std::string> content = real_.Content(source);
    if (failCopy || !content) return false;
    real_.SetFile(target, *content);
    return true;
  }
  bool MoveFile(std::string_view, std::string_view) override { return false; }
  std::optional<std::string> ReadFile(std::string_view, std::size_t) override { return {}; }

 private:
  platform::MemoryBinaryFiles& real_;
};

// Records every call as a line: "message TITLE|TEXT", "icon on", "refill N", ...
class FakeHost final : public ICaptureHost {
 public:
  explicit FakeHost(storage::InProcessTable& objects) : objects_(objects) {}

  bool browse = false;
  bool sharedInUse = false;
  std::string program = "notepad.exe";
  CaptureOptions defaults;
  int selected = 0;
  int rows = 0;
  std::vector<std::string> log;
  std::vector<ShownMessage> messages;
  bool activeWhenIconOn = false;  // CaptureActive as the recording icon came on

  bool BrowseMode() override { return browse; }
  bool SharedFileInUse() override {
    log.push_back("in use?");
    return sharedInUse;
  }
  void ReleaseSharedFile(bool changed) override {
    log.push_back(changed ? "release changed" : "release");
  }
  void DoAMessage(std::string_view title, std::string_view text) override {
    messages.push_back({std::string(title), std::string(text)});
    log.push_back("message " + std::string(title));
  }
  std::string ProgramInFront() override { return program; }
  CaptureOptions CaptureDefaults() override { return defaults; }
  void HideForCapture() override { log.push_back("hide"); }
  void ShowForCompletion() override { log.push_back("show"); }
  void HideAfterCompletion() override { log.push_back("hide again"); }
  void SetRecordingIcon(bool on) override {
    if (on) activeWhenIconOn = objects_.Block().CaptureActive;
    log.push_back(on ? "icon on" : "icon off");
  }
  void RestoreMainWindow() override { log.push_back("restore"); }
  void RefillListAndSelect(int n) override { log.push_back("refill " + std::to_string(n)); }
  void SwapMacroFile(std::string_view path) override { log.push_back("swap " + std::string(path)); }
  int SelectedMacro() override { return selected; }
  int ListRowCount() override { return rows; }

 private:
  storage::InProcessTable& objects_;
};

class FakeDialogs final : public ICaptureDialogs {
 public:
  std::optional<CaptureKeysResult> keysAnswer;
  std::optional<CapCompleteResult> completeAnswer;
  std::vector<CaptureKeysRequest> keysRequests;
  std::vector<CapCompleteRequest> completeRequests;
  int completeCountSeen = -1;  // the table count the completion dialog was shown

  std::function<void()> whileKeysOpen;      // runs while "Capture Macro" is open
  std::function<void()> whileCompleteOpen;  // runs while "Capture Complete" is open

  std::optional<CaptureKeysResult> RunCaptureKeys(const CaptureKeysRequest& request) override {
    keysRequests.push_back(request);
    if (whileKeysOpen) whileKeysOpen();
    return keysAnswer;
  }
  std::optional<CapCompleteResult> RunCapComplete(const CapCompleteRequest& request) override {
    completeRequests.push_back(request);
    if (request.table) completeCountSeen = request.table->Count.Get();
    if (whileCompleteOpen) whileCompleteOpen();
    return completeAnswer;
  }
};

inline CaptureKeysResult StartWith(CaptureOptions options = {}, std::string nickname = "Nick",
                                   ScopeChoice scope = ScopeChoice::Global) {
  CaptureKeysResult result;
  result.options = options;
  result.nickname = std::move(nickname);
  result.scope = scope;
  return result;
}

inline CaptureOptions Untimed() {
  CaptureOptions options;
  options.timing = false;
  return options;
}

// Everything a capture test needs, usable on its own for one case of a table.
struct CaptureRig {
  // Macros 1..n of the file: the given ones, then the four system macros.
  void Load(const std::vector<MacroRecord>& records) {
    memory.SetFile(kMacroFile,
                   storage::testing::FileOf(storage::testing::WithSystemMacros(records)));
    ASSERT_TRUE(store.LoadMacroFile(kMacroFile));
    host.rows = Count();
  }
  SharedMacroTable& Table() { return objects.Block(); }
  int Count() { return Table().Count.Get(); }
  std::string MacroFileBytes() { return memory.Content(kMacroFile).value_or(""); }
  MacroRecord Record(int n) { return storage::testing::RecordAt(MacroFileBytes(), n); }
  std::optional<std::string> CaptureFileText() { return memory.Content(kCapturePath); }
  void Type(std::string_view text, int n) {
    for (char c : text)
      session.OnCaptureChar(static_cast<std::uintptr_t>(n), static_cast<unsigned char>(c));
  }
  // The system entry of the capture hotkey stops being one.
  void RemoveCaptureSystemEntry() {
    for (std::size_t slot = 0; slot < Table().SafeCount(); ++slot)
      if (Table().ScopeKind[slot].Get() == storage::ScopeSystem &&
          Table().ScopeText[slot].First() == '2')
        Table().ScopeKind[slot] = storage::ScopeGlobal;
  }

  platform::MemoryBinaryFiles memory;
  FaultyFiles files{memory};
  MemoryFileOps fileOps{memory};
  storage::InProcessTable objects;
  storage::TableLock lock{objects};
  storage::testing::RecordingPrompts prompts;
  storage::testing::FixedClock clock;
  storage::MacroStore store{memory, lock, prompts, clock};
  FakeHost host{objects};
  FakeDialogs dialogs;
  CaptureSession session{CaptureServices{store, lock, files, fileOps, clock, prompts, dialogs, host,
                                         std::string(kDir)}};
};

class CaptureTest : public ::testing::Test, public CaptureRig {};

}  // namespace quindle::capture::testing
