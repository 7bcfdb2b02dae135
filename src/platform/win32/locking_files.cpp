#include "platform/win32/locking_files.h"

#include "platform/win32/win32_api.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/win32/handles.h"

namespace quindle::platform::win32 {
namespace {

class LockedFile final : public IBinaryFile {
 public:
  explicit LockedFile(FileHandle handle) : handle_(std::move(handle)) {}

  bool Seek(std::uint64_t offset) override {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(offset);
    return handle_ && SetFilePointerEx(handle_.Get(), to, nullptr, FILE_BEGIN) != FALSE;
  }
  bool Read(void* buffer, std::size_t size) override {
    DWORD got = 0;
    return handle_ && size <= MAXDWORD &&
           ReadFile(handle_.Get(), buffer, static_cast<DWORD>(size), &got, nullptr) != FALSE &&
           got == size;
  }
  bool Write(const void* data, std::size_t size) override {
    DWORD put = 0;
    return handle_ && size <= MAXDWORD &&
           WriteFile(handle_.Get(), data, static_cast<DWORD>(size), &put, nullptr) != FALSE &&
           put == size;
  }
  std::optional<std::uint64_t> Size() override {
    LARGE_INTEGER size{};
    if (!handle_ || GetFileSizeEx(handle_.Get(), &size) == FALSE) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }
  bool Flush() override { return handle_ && FlushFileBuffers(handle_.Get()) != FALSE; }
  bool Close() override {
    if (!handle_) return false;
    return CloseHandle(handle_.Release()) != FALSE;
  }

 private:
  FileHandle handle_;
};

}  // namespace

std::unique_ptr<IBinaryFile> Win32LockingFiles::Open(std::string_view path, FileOpenMode mode) {
  if (mode != FileOpenMode::Exclusive) return std_.Open(path, mode);
  if (path.empty()) return nullptr;
  const std::string name(path);
  FileHandle handle(CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return nullptr;
  return std::make_unique<LockedFile>(std::move(handle));
}

}  // namespace quindle::platform::win32
