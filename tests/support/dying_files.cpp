#include "support/dying_files.h"

#include <utility>

namespace quindle::testing {
namespace {

// A file open when the program dies is closed by the system: what it wrote stays, nothing more
// reaches it.
class DyingFile final : public platform::IBinaryFile {
 public:
  DyingFile(DyingFiles& owner, std::unique_ptr<platform::IBinaryFile> real)
      : owner_(owner), real_(std::move(real)) {}
  bool Seek(std::uint64_t offset) override { return owner_.Alive() && real_->Seek(offset); }
  bool Read(void* buffer, std::size_t size) override {
    return owner_.Alive() && real_->Read(buffer, size);
  }
  bool Write(const void* data, std::size_t size) override {
    return owner_.Alive() && real_->Write(data, size);
  }
  std::optional<std::uint64_t> Size() override {
    if (!owner_.Alive()) return std::nullopt;
    return real_->Size();
  }
  bool Flush() override { return owner_.Alive() && real_->Flush(); }
  bool Close() override { return owner_.Alive() && real_->Close(); }

 private:
  DyingFiles& owner_;
  std::unique_ptr<platform::IBinaryFile> real_;
};

}  // namespace

std::unique_ptr<platform::IBinaryFile> DyingFiles::Open(std::string_view path,
                                                        platform::FileOpenMode mode) {
  if (!Alive()) return nullptr;
  auto file = real_.Open(path, mode);
  if (!file) return nullptr;
  return std::make_unique<DyingFile>(*this, std::move(file));
}

bool DyingFiles::Alive() noexcept {
  if (left_ == 0) {
    died_ = true;
    return false;
  }
  if (left_ > 0) --left_;
  return true;
}

}  // namespace quindle::testing
