// Shared pieces of the storage tests: a scratch folder on the real file system, a file layer
// that fails a chosen call, and recording prompts and a fixed clock.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_io.h"
#include "platform/std_file_io.h"
#include "platform/system.h"

namespace quindle::storage::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string name = "qnl_storage_";
    name += std::to_string(stamp);
    name += '_';
    name += std::to_string(serial++);
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      names.push_back(entry.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

enum class FileCall {
  OpenReadOnly,
  OpenReadWrite,
  OpenCreate,
  Seek,
  Read,
  Write,
  Size,
  Close,
  Replace,
  Remove,
  kCount
};

// The real files, except that the Nth call of one kind (counted from FailNth) fails. A failing
// Write first writes half of its data, as a full disk or a lost connection would.
class FaultyFiles final : public platform::IBinaryFiles {
 public:
  void FailNth(FileCall call, int nth) {
    failCall_ = call;
    failAt_ = nth;
    calls_ = {};
    fired_ = false;
  }
  void Heal() { failAt_ = 0; }
  int Calls(FileCall call) const { return calls_[static_cast<std::size_t>(call)]; }
  bool Fired() const { return fired_; }

  bool Fails(FileCall call) {
    const int n = ++calls_[static_cast<std::size_t>(call)];
    if (failAt_ == 0 || call != failCall_ || n != failAt_) return false;
    fired_ = true;
    return true;
  }

  std::unique_ptr<platform::IBinaryFile> Open(std::string_view path,
                                              platform::FileOpenMode mode) override {
    const FileCall call = mode == platform::FileOpenMode::ReadOnly    ? FileCall::OpenReadOnly
                          : mode == platform::FileOpenMode::ReadWrite ? FileCall::OpenReadWrite
                                                                      : FileCall::OpenCreate;
    if (Fails(call)) return nullptr;
    auto file = real_.Open(path, mode);
    if (!file) return nullptr;
    return std::make_unique<File>(*this, std::move(file));
  }
  bool Exists(std::string_view path) override { return real_.Exists(path); }
  bool ReplaceFile(std::string_view replacement, std::string_view target) override {
    return !Fails(FileCall::Replace) && real_.ReplaceFile(replacement, target);
  }
  bool RemoveFile(std::string_view path) override {
    return !Fails(FileCall::Remove) && real_.RemoveFile(path);
  }

 private:
  class File final : public platform::IBinaryFile {
   public:
    File(FaultyFiles& owner, std::unique_ptr<platform::IBinaryFile> real)
        : owner_(owner), real_(std::move(real)) {}
    bool Seek(std::uint64_t offset) override {
      return !owner_.Fails(FileCall::Seek) && real_->Seek(offset);
    }
    bool Read(void* buffer, std::size_t size) override {
      return !owner_.Fails(FileCall::Read) && real_->Read(buffer, size);
    }
    bool Write(const void* data, std::size_t size) override {
      if (owner_.Fails(FileCall::Write)) {
        real_->Write(data, size / 2);
        real_->Flush();
        return false;
      }
      return real_->Write(data, size);
    }
    std::optional<std::uint64_t> Size() override {
      if (owner_.Fails(FileCall::Size)) return std::nullopt;
      return real_->Size();
    }
    bool Flush() override { return real_->Flush(); }
    bool Close() override {
      const bool closed = real_->Close();
      return !owner_.Fails(FileCall::Close) && closed;
    }

   private:
    FaultyFiles& owner_;
    std::unique_ptr<platform::IBinaryFile> real_;
  };

  platform::StdBinaryFiles real_;
  FileCall failCall_ = FileCall::Read;
  int failAt_ = 0;
  bool fired_ = false;
  std::array<int, static_cast<std::size_t>(FileCall::kCount)> calls_{};
};

struct ShownMessage {
  std::string title;
  std::string text;
  bool operator==(const ShownMessage&) const = default;
};

class RecordingPrompts final : public platform::IPrompts {
 public:
  void ShowMessage(std::string_view title, std::string_view text) override {
    shown.push_back({std::string(title), std::string(text)});
  }
  bool AskYesNo(std::string_view, std::string_view) override { return true; }
  std::vector<ShownMessage> shown;
};

class FixedClock final : public platform::IClock {
 public:
  double Now() override { return now; }
  std::uint32_t TickCount() override { return 0; }
  double now = 46000.25;
};

}  // namespace quindle::storage::testing
