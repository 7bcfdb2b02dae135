#include "platform/std_file_io.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace quindle::platform {
namespace {

// Every path goes through std::filesystem::path, so opening, replacing and removing a file
// translate a name the same way.
std::filesystem::path ToPath(std::string_view path) {
  return std::filesystem::path(std::string(path));
}

class StdBinaryFile final : public IBinaryFile {
 public:
  bool Open(const std::filesystem::path& path, FileOpenMode mode) {
    // Some systems open a folder for reading; it is never a binary file.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    std::ios_base::openmode flags = std::ios_base::in | std::ios_base::binary;
    if (mode == FileOpenMode::ReadWrite) flags |= std::ios_base::out;
    if (mode == FileOpenMode::Create) flags |= std::ios_base::out | std::ios_base::trunc;
    return buffer_.open(path, flags) != nullptr;
  }

  bool Seek(std::uint64_t offset) override {
    if (!buffer_.is_open()) return false;
    const auto target = static_cast<std::streamoff>(offset);
    if (target < 0 || static_cast<std::uint64_t>(target) != offset) return false;
    return buffer_.pubseekpos(target, std::ios_base::in | std::ios_base::out) ==
           std::streampos(target);
  }

  bool Read(void* buffer, std::size_t size) override {
    if (!buffer_.is_open()) return false;
    const auto wanted = static_cast<std::streamsize>(size);
    return buffer_.sgetn(static_cast<char*>(buffer), wanted) == wanted;
  }

  bool Write(const void* data, std::size_t size) override {
    if (!buffer_.is_open()) return false;
    const auto wanted = static_cast<std::streamsize>(size);
    return buffer_.sputn(static_cast<const char*>(data), wanted) == wanted;
  }

  std::optional<std::uint64_t> Size() override {
    if (!buffer_.is_open()) return std::nullopt;
    const std::streampos here = buffer_.pubseekoff(0, std::ios_base::cur);
    const std::streampos end = buffer_.pubseekoff(0, std::ios_base::end);
    if (here == std::streampos(-1) || end == std::streampos(-1)) return std::nullopt;
    if (buffer_.pubseekpos(here) != here) return std::nullopt;
    return static_cast<std::uint64_t>(static_cast<std::streamoff>(end));
  }

  bool Flush() override { return buffer_.is_open() && buffer_.pubsync() == 0; }

  bool Close() override { return buffer_.is_open() && buffer_.close() != nullptr; }

 private:
  std::filebuf buffer_;
};

}  // namespace

std::unique_ptr<IBinaryFile> StdBinaryFiles::Open(std::string_view path, FileOpenMode mode) {
  // The C++ library has no sharing modes: here an exclusive open is a read-write one, made
  // when missing. The Windows program opens its lock files through Win32LockingFiles.
  if (mode == FileOpenMode::Exclusive) {
    if (!path.empty() && !Exists(path)) {
      if (auto made = std::make_unique<StdBinaryFile>();
          !made->Open(ToPath(path), FileOpenMode::Create))
        return nullptr;
    }
    mode = FileOpenMode::ReadWrite;
  }
  auto file = std::make_unique<StdBinaryFile>();
  if (path.empty() || !file->Open(ToPath(path), mode)) return nullptr;
  return file;
}

bool StdBinaryFiles::Exists(std::string_view path) {
  std::error_code error;
  // An entry that cannot be examined is taken to exist, so nobody creates a file over it.
  const bool exists = std::filesystem::exists(ToPath(path), error);
  return exists || error;
}

bool StdBinaryFiles::ReplaceFile(std::string_view replacement, std::string_view target) {
  // rename replaces an existing target in one step, on POSIX and on Windows alike.
  std::error_code error;
  std::filesystem::rename(ToPath(replacement), ToPath(target), error);
  return !error;
}

bool StdBinaryFiles::RemoveFile(std::string_view path) {
  std::error_code error;
  return std::filesystem::remove(ToPath(path), error) && !error;
}

}  // namespace quindle::platform
