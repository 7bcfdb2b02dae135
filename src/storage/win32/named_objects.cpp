#include "storage/win32/named_objects.h"

#include <cstdint>
#include <utility>

namespace quindle::storage::win32 {

MappedView MapWholeBlock(HANDLE mapping, std::size_t size) noexcept {
  if (mapping == nullptr || size == 0) return {};
  MappedView view(::MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, size));
  if (!view) return {};
  // Windows refuses a view larger than the mapping; the region check holds on systems that
  // round the mapping up instead, whose extra bytes would not be the block's.
  MEMORY_BASIC_INFORMATION region{};
  if (::VirtualQuery(view.Get(), &region, sizeof region) != sizeof region ||
      region.RegionSize < size) {
    return {};
  }
  return view;
}

SharedBlock::SharedBlock(SharedBlock&& other) noexcept
    : mapping_(std::move(other.mapping_)),
      view_(std::move(other.view_)),
      size_(std::exchange(other.size_, 0)),
      existed_(std::exchange(other.existed_, false)) {}

SharedBlock& SharedBlock::operator=(SharedBlock&& other) noexcept {
  if (this != &other) {
    view_.Reset();  // the old view goes before the old mapping handle
    mapping_ = std::move(other.mapping_);
    view_ = std::move(other.view_);
    size_ = std::exchange(other.size_, 0);
    existed_ = std::exchange(other.existed_, false);
  }
  return *this;
}

bool SharedBlock::Create(const char* name, std::size_t size) noexcept {
  *this = SharedBlock();
  if (name == nullptr || size == 0) return false;
  const auto wide = static_cast<std::uint64_t>(size);
  HANDLE mapping =
      ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                           static_cast<DWORD>(wide >> 32), static_cast<DWORD>(wide), name);
  if (mapping == nullptr) return false;
  // Read at once: the next call could overwrite the last error.
  const bool existed = ::GetLastError() == ERROR_ALREADY_EXISTS;
  return Take(mapping, size, existed);
}

bool SharedBlock::OpenExisting(const char* name, std::size_t size) noexcept {
  *this = SharedBlock();
  if (name == nullptr || size == 0) return false;
  HANDLE mapping = ::OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
  if (mapping == nullptr) return false;
  return Take(mapping, size, true);
}

bool SharedBlock::Exists(const char* name) noexcept {
  if (name == nullptr) return false;
  const platform::win32::KernelHandle mapping(::OpenFileMappingA(FILE_MAP_READ, FALSE, name));
  return static_cast<bool>(mapping);
}

bool SharedBlock::Take(HANDLE mapping, std::size_t size, bool existed) noexcept {
  platform::win32::KernelHandle owner(mapping);
  MappedView view = MapWholeBlock(mapping, size);
  if (!view) return false;
  mapping_ = std::move(owner);
  view_ = std::move(view);
  size_ = size;
  existed_ = existed;
  return true;
}

void* SharedBlock::MapView() noexcept {
  if (!view_) view_ = MapWholeBlock(mapping_.Get(), size_);
  return view_.Get();
}

NamedMutex::NamedMutex(NamedMutex&& other) noexcept
    : handle_(std::move(other.handle_)), existed_(std::exchange(other.existed_, false)) {}

NamedMutex& NamedMutex::operator=(NamedMutex&& other) noexcept {
  if (this != &other) {
    handle_ = std::move(other.handle_);
    existed_ = std::exchange(other.existed_, false);
  }
  return *this;
}

bool NamedMutex::Create(const char* name) noexcept {
  *this = NamedMutex();
  if (name == nullptr) return false;
  HANDLE handle = ::CreateMutexA(nullptr, FALSE, name);
  if (handle == nullptr) return false;
  existed_ = ::GetLastError() == ERROR_ALREADY_EXISTS;
  handle_.Reset(handle);
  return true;
}

NamedTableObjects::NamedTableObjects(const SharedBlock& table, std::string mutexName)
    : table_(table), mutexName_(std::move(mutexName)) {}

bool NamedTableObjects::OpenMutex() {
  if (!mutex_) mutex_.Reset(::OpenMutexA(kMutexAllAccess, FALSE, mutexName_.c_str()));
  return static_cast<bool>(mutex_);
}

WaitResult NamedTableObjects::Wait(std::uint32_t timeoutMs) {
  if (!mutex_) return WaitResult::Failed;
  switch (::WaitForSingleObject(mutex_.Get(), timeoutMs)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:  // the holder died: the mutex is ours now
      return WaitResult::Acquired;
    case WAIT_TIMEOUT:
      return WaitResult::TimedOut;
    default:
      return WaitResult::Failed;
  }
}

void NamedTableObjects::ReleaseMutex() {
  // Called only after an owned wait; a refusal would mean the mutex is not ours, and then there
  // is nothing to give back.
  if (mutex_) static_cast<void>(::ReleaseMutex(mutex_.Get()));
}

// The handle and the view stay until the program ends: opening, mapping and closing them for
// every acquisition cost five round trips to the system each time (a typed character takes the
// lock twice), and the program's own objects cannot change under it.
void NamedTableObjects::CloseMutex() {}

SharedMacroTable* NamedTableObjects::MapView() {
  if (table_.Size() < sizeof(SharedMacroTable)) return nullptr;
  if (!view_) view_ = MapWholeBlock(table_.Handle(), sizeof(SharedMacroTable));
  return static_cast<SharedMacroTable*>(view_.Get());
}

void NamedTableObjects::UnmapView() {}

}  // namespace quindle::storage::win32
