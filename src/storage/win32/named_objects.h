// The named kernel objects the main program shares with the hook library: page-file blocks,
// mutexes, and the table lock's objects over them. Each owner is move-only and closes its
// handle once; a failure leaves an empty owner, never a half-made one.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstddef>
#include <string>

#include "platform/win32/handles.h"
#include "storage/macro_record.h"
#include "storage/table_lock.h"

namespace quindle::storage::win32 {

using platform::win32::kMutexAllAccess;
using platform::win32::MappedView;

// A read-write view of exactly `size` bytes of `mapping`, or an empty view. A mapping smaller
// than `size` is never handed out, so no reader of the layout can run past its end.
MappedView MapWholeBlock(HANDLE mapping, std::size_t size) noexcept;

// A page-file-backed named block of a fixed size, with one read-write view of all of it.
class SharedBlock {
 public:
  SharedBlock() noexcept = default;
  SharedBlock(SharedBlock&& other) noexcept;
  SharedBlock& operator=(SharedBlock&& other) noexcept;
  SharedBlock(const SharedBlock&) = delete;
  SharedBlock& operator=(const SharedBlock&) = delete;
  ~SharedBlock() = default;

  // Creates the block `name` of `size` bytes and maps it; what this owner held before is closed
  // first. When a block of that name exists already the system opens it instead, and
  // AlreadyExisted() says so; one smaller than `size` cannot be mapped, so Create fails and the
  // owner stays empty.
  bool Create(const char* name, std::size_t size) noexcept;
  // Opens and maps the block `name` made by someone else; false (owner empty) when there is
  // none or it is smaller than `size`.
  bool OpenExisting(const char* name, std::size_t size) noexcept;
  // Whether a block named `name` exists: the single-instance test.
  static bool Exists(const char* name) noexcept;

  explicit operator bool() const noexcept { return static_cast<bool>(mapping_); }
  bool AlreadyExisted() const noexcept { return existed_; }
  std::size_t Size() const noexcept { return size_; }
  HANDLE Handle() const noexcept { return mapping_.Get(); }

  // The whole block, read-write, or nullptr after UnmapView (or when empty).
  void* View() const noexcept { return view_.Get(); }
  // Maps the view again after UnmapView; the same view while it is mapped.
  void* MapView() noexcept;
  void UnmapView() noexcept { view_.Reset(); }
  bool Mapped() const noexcept { return static_cast<bool>(view_); }

 private:
  bool Take(HANDLE mapping, std::size_t size, bool existed) noexcept;

  platform::win32::KernelHandle mapping_;
  MappedView view_;  // declared after the mapping: unmapped before the handle closes
  std::size_t size_ = 0;
  bool existed_ = false;
};

// A named mutex created not owned, as the hook library expects to find it.
class NamedMutex {
 public:
  NamedMutex() noexcept = default;
  NamedMutex(NamedMutex&& other) noexcept;
  NamedMutex& operator=(NamedMutex&& other) noexcept;
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;
  ~NamedMutex() = default;

  // Creates (or, when the name is taken, opens: AlreadyExisted()) the mutex `name`; what this
  // owner held before is closed first. False, owner empty, when the system refuses.
  bool Create(const char* name) noexcept;

  explicit operator bool() const noexcept { return static_cast<bool>(handle_); }
  bool AlreadyExisted() const noexcept { return existed_; }
  HANDLE Handle() const noexcept { return handle_.Get(); }

 private:
  platform::win32::KernelHandle handle_;
  bool existed_ = false;
};

// The table lock's objects in the main program: the mutex opened by name on the first
// acquisition and the view mapped from the program's own handle of the table block, both kept
// until this object goes: the block cannot vanish or be replaced while the program runs.
class NamedTableObjects final : public ITableObjects {
 public:
  // `table` must outlive this object.
  explicit NamedTableObjects(const SharedBlock& table, std::string mutexName = kTableMutexName);
  NamedTableObjects(const NamedTableObjects&) = delete;
  NamedTableObjects& operator=(const NamedTableObjects&) = delete;

  bool OpenMutex() override;
  WaitResult Wait(std::uint32_t timeoutMs) override;
  void ReleaseMutex() override;
  void CloseMutex() override;
  SharedMacroTable* MapView() override;
  void UnmapView() override;

 private:
  const SharedBlock& table_;
  std::string mutexName_;
  platform::win32::KernelHandle mutex_;
  MappedView view_;
};

}  // namespace quindle::storage::win32
