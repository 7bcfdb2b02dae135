#include "platform/std_file_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

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

// A file open exclusively, on a C stream over a descriptor opened with the system's sharing: on
// Windows no other open of the file succeeds while it is open (nor this one while another is);
// elsewhere it holds an advisory lock that the other exclusive opens respect.
class ExclusiveFile final : public IBinaryFile {
 public:
  explicit ExclusiveFile(std::FILE* stream) : stream_(stream) {}
  ~ExclusiveFile() override { Close(); }
  ExclusiveFile(const ExclusiveFile&) = delete;
  ExclusiveFile& operator=(const ExclusiveFile&) = delete;

  static std::unique_ptr<IBinaryFile> Open(const std::string& path) {
#ifdef _WIN32
    const int fd =
        _sopen(path.c_str(), _O_RDWR | _O_CREAT | _O_BINARY, _SH_DENYRW, _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* stream = _fdopen(fd, "r+b");
    if (stream == nullptr) _close(fd);
#else
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0666);
    if (fd < 0) return nullptr;
    std::FILE* stream = flock(fd, LOCK_EX | LOCK_NB) == 0 ? fdopen(fd, "r+b") : nullptr;
    if (stream == nullptr) ::close(fd);
#endif
    if (stream == nullptr) return nullptr;
    return std::make_unique<ExclusiveFile>(stream);
  }

  bool Seek(std::uint64_t offset) override {
    const auto target = static_cast<long>(offset);
    if (stream_ == nullptr || target < 0 || static_cast<std::uint64_t>(target) != offset)
      return false;
    return std::fseek(stream_, target, SEEK_SET) == 0;
  }
  bool Read(void* buffer, std::size_t size) override {
    return stream_ != nullptr && std::fread(buffer, 1, size, stream_) == size;
  }
  bool Write(const void* data, std::size_t size) override {
    return stream_ != nullptr && std::fwrite(data, 1, size, stream_) == size;
  }
  std::optional<std::uint64_t> Size() override {
    if (stream_ == nullptr) return std::nullopt;
    const long here = std::ftell(stream_);
    if (here < 0 || std::fseek(stream_, 0, SEEK_END) != 0) return std::nullopt;
    const long end = std::ftell(stream_);
    if (end < 0 || std::fseek(stream_, here, SEEK_SET) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(end);
  }
  bool Flush() override {
    return stream_ != nullptr && std::fflush(stream_) == 0;
  }
  bool Close() override {
    // Closing the descriptor also gives up the lock.
    return stream_ != nullptr && std::fclose(std::exchange(stream_, nullptr)) == 0;
  }

 private:
  std::FILE* stream_;
};

}  // namespace

std::unique_ptr<IBinaryFile> StdBinaryFiles::Open(std::string_view path, FileOpenMode mode) {
  if (mode == FileOpenMode::Exclusive) {
    std::error_code error;
    if (path.empty() || std::filesystem::is_directory(ToPath(path), error)) return nullptr;
    return ExclusiveFile::Open(std::string(path));
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
