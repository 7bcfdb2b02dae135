#include "platform/memory_files.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quindle::platform {
namespace {

class MemoryBinaryFile final : public IBinaryFile {
 public:
  MemoryBinaryFile(std::shared_ptr<std::string> content, bool writable,
                   std::shared_ptr<void> token = nullptr)
      : content_(std::move(content)), writable_(writable), token_(std::move(token)) {}

  bool Seek(std::uint64_t offset) override {
    if (!content_ || offset > kMaxSize) return false;
    position_ = static_cast<std::size_t>(offset);
    return true;
  }

  bool Read(void* buffer, std::size_t size) override {
    if (!content_) return false;
    const std::size_t available =
        position_ < content_->size() ? content_->size() - position_ : std::size_t{0};
    const std::size_t got = std::min(size, available);
    if (got > 0) std::memcpy(buffer, content_->data() + position_, got);
    position_ += got;
    return got == size;
  }

  bool Write(const void* data, std::size_t size) override {
    if (!content_ || !writable_ || size > kMaxSize - position_) return false;
    // Writing past the end fills the gap with zero bytes, as a file on a disk does.
    if (content_->size() < position_ + size) content_->resize(position_ + size, '\0');
    if (size > 0) std::memcpy(content_->data() + position_, data, size);
    position_ += size;
    return true;
  }

  std::optional<std::uint64_t> Size() override {
    if (!content_) return std::nullopt;
    return content_->size();
  }

  bool Flush() override { return content_ != nullptr; }

  bool Close() override {
    token_.reset();
    return std::exchange(content_, nullptr) != nullptr;
  }

 private:
  static constexpr std::size_t kMaxSize = std::size_t{1} << 31;
  std::shared_ptr<std::string> content_;
  bool writable_;
  std::shared_ptr<void> token_;  // held while the file is open exclusively
  std::size_t position_ = 0;
};

}  // namespace

void MemoryBinaryFiles::SetFile(std::string_view path, std::string_view content) {
  files_.insert_or_assign(std::string(path), std::make_shared<std::string>(content));
}

std::optional<std::string> MemoryBinaryFiles::Content(std::string_view path) const {
  const auto it = files_.find(path);
  if (it == files_.end()) return std::nullopt;
  return *it->second;
}

std::unique_ptr<IBinaryFile> MemoryBinaryFiles::Open(std::string_view path, FileOpenMode mode) {
  if (path.empty()) return nullptr;
  const auto held = exclusive_.find(path);
  if (held != exclusive_.end() && !held->second.expired()) return nullptr;
  auto it = files_.find(path);
  if (mode == FileOpenMode::Exclusive) {
    if (it == files_.end()) {
      it = files_.emplace(std::string(path), std::make_shared<std::string>()).first;
    } else if (it->second.use_count() > 1) {
      return nullptr;  // open elsewhere
    }
    auto token = std::make_shared<int>(0);
    exclusive_.insert_or_assign(std::string(path), std::weak_ptr<void>(token));
    return std::make_unique<MemoryBinaryFile>(it->second, true, std::move(token));
  }
  if (mode == FileOpenMode::Create) {
    // Emptied in place: every file open on it sees the truncation, as on a disk.
    if (it == files_.end())
      it = files_.emplace(std::string(path), std::make_shared<std::string>()).first;
    else
      it->second->clear();
  } else if (it == files_.end()) {
    return nullptr;
  }
  return std::make_unique<MemoryBinaryFile>(it->second, mode != FileOpenMode::ReadOnly);
}

bool MemoryBinaryFiles::Exists(std::string_view path) {
  return files_.find(path) != files_.end();
}

bool MemoryBinaryFiles::ReplaceFile(std::string_view replacement, std::string_view target) {
  const auto it = files_.find(replacement);
  if (it == files_.end() || target.empty()) return false;
  if (replacement == target) return true;
  std::shared_ptr<std::string> content = std::move(it->second);
  files_.erase(it);
  files_.insert_or_assign(std::string(target), std::move(content));
  return true;
}

bool MemoryBinaryFiles::RemoveFile(std::string_view path) {
  const auto it = files_.find(path);
  if (it == files_.end()) return false;
  files_.erase(it);
  return true;
}

}  // namespace quindle::platform
