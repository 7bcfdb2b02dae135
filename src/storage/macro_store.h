// The macro file and its in-memory mirrors: the MacroIndex (names of macros 1..500) and the
// per-macro slots of the shared macro table. The file is never kept open; every operation opens
// it, transfers whole records at their positions and closes it again.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/system.h"
#include "platform/text.h"
#include "storage/macro_record.h"
#include "storage/table_lock.h"

namespace quindle::storage {

inline constexpr std::size_t kRecordSize = sizeof(MacroRecord);

// Texts of the storage's messages; the titles are "Error" and "Warning".
inline constexpr std::string_view kNewFileFailed = "New file could not be created.";
inline constexpr std::string_view kSavingFailed = "Saving of keystrokes failed.";
inline constexpr std::string_view kFileNotRead = "The macro file could not be read.";
inline constexpr std::string_view kFileNotWritten = "The macro file could not be written.";
// A removal rewrites the whole file through a working copy beside it (its name with ".tmp"
// added); on a shared folder each step can meet another user or a folder that is read-only.
inline constexpr std::string_view kRemoveNotOpened =
    "The macro file could not be opened for writing: it may be read-only, or another user may "
    "have it open.  Nothing was removed.";
inline constexpr std::string_view kRemoveScratchInUse =
    "An earlier working copy of the macro file (its name with \".tmp\" added) could not be "
    "removed: it may be read-only, or another user may be removing a macro.  Nothing was "
    "removed.";
inline constexpr std::string_view kRemoveScratchNotMade =
    "The working copy of the macro file (its name with \".tmp\" added) could not be made: its "
    "folder may be read-only.  Nothing was removed.";
inline constexpr std::string_view kRemoveNotReplaced =
    "The macro file could not be replaced by its shortened copy: another user may have it "
    "open.  Nothing was removed.";
inline constexpr std::string_view kFileChanged =
    "The macro file no longer matches the macros loaded from it.  Saving of keystrokes failed.";
inline constexpr std::string_view kTableNotLocked =
    "The macro table could not be locked.  The macro file was not loaded completely.";
inline constexpr std::string_view kTooManyMacros =
    "This macro file holds more than 500 macros.  Only the first 500 were loaded; the others "
    "stay in the file but cannot be used.";
inline constexpr std::string_view kNoRoomForSystemMacros =
    "This macro file already holds 500 macros.  The missing system macros could not be added.";

// Standard names and default hotkeys of the four system macros, tags "1".."4".
struct SystemMacro {
  char tag;
  std::string_view name;
  std::uint16_t hotkey;
};
inline constexpr std::array<SystemMacro, 4> kSystemMacros{{
    {'1', "Activate Quindle", 262},
    {'2', "Start / Stop Capture", 263},
    {'3', "Resume Pause", 264},
    {'4', "Menu of Macros for Top Most Window", 265},
}};

// Name and Typlet of every loaded macro, by MacroNumber 1..500. Numbers outside read as empty.
class MacroIndex {
 public:
  std::string_view Name(int n) const noexcept;
  std::string_view TypletName(int n) const noexcept;
  void Set(int n, std::string_view name, std::string_view typletName);
  void SetName(int n, std::string_view name);
  void Clear() noexcept;

  // Calls `visit(n)` for every macro whose Typlet name ends with `last` (compared upper-cased),
  // in ascending number, for as long as it answers true: the Typlets that a typed character can
  // complete, found without a look at the other macros.
  template <typename Visit>
  void ForEachTypletEndingWith(char last, Visit visit) const {
    const Slots& slots = typletsByLast_[LastKey(last)];
    for (std::size_t w = 0; w < kSlotWords; ++w) {
      for (std::uint64_t bits = slots[w]; bits != 0; bits &= bits - 1) {
        const auto slot = w * 64 + static_cast<std::size_t>(std::countr_zero(bits));
        if (!visit(static_cast<int>(slot) + 1)) return;
      }
    }
  }

 private:
  struct Entry {
    std::string name;
    std::string typletName;
  };
  static constexpr std::size_t kSlotWords = (kMaxMacros + 63) / 64;
  using Slots = std::array<std::uint64_t, kSlotWords>;
  static bool Valid(int n) noexcept { return n >= 1 && n <= static_cast<int>(kMaxMacros); }
  static std::size_t LastKey(char c) noexcept {
    return static_cast<unsigned char>(platform::UpperAToZ(c));
  }
  // Sets or clears macro n's bit under the last character of its Typlet name, if it has one.
  void MarkTyplet(int n, bool present) noexcept;
  std::array<Entry, kMaxMacros> entries_;
  // Macros 1..500 (bit n - 1) by the upper-cased last character of their Typlet names; kept by
  // Set and Clear together with the names.
  std::array<Slots, 256> typletsByLast_{};
};

// Why a new macro was not appended: the table could not be locked, it holds 500 macros already,
// or the write failed.
enum class AppendFailure { None, NotLocked, Full, NotWritten };
struct AppendOutcome {
  int n = 0;  // the new macro's number, 0 when not appended
  AppendFailure failure = AppendFailure::None;
};

class MacroStore {
 public:
  MacroStore(platform::IBinaryFiles& files, TableLock& lock, platform::IPrompts& prompts,
             platform::IClock& clock);
  MacroStore(const MacroStore&) = delete;
  MacroStore& operator=(const MacroStore&) = delete;

  // Makes `path` the current file and mirrors its first 500 records into the table and the
  // index; creates the file when it does not exist; adds missing system macros. False when the
  // file could not be loaded completely (the user has been told why).
  bool LoadMacroFile(std::string_view path);
  bool ReloadMacroFile();
  // False, `record` unchanged, when record n cannot be read. An open failure is silent.
  bool ReadMacro(int n, MacroRecord& record);
  // Writes record n and refreshes slot n; n = -1 appends as MacroNumber = the table's count,
  // which the caller has already raised. A failed append lowers that count again.
  bool WriteMacro(int n, const MacroRecord& record);
  // A new macro at the end: raises the table's count under the lock and appends the record. The
  // new macro's number, or why not (a failed write has been reported and the count lowered).
  AppendOutcome AppendMacro(const MacroRecord& record);
  // Removes record n; later records move down. The table is left alone: reload afterwards.
  bool DeleteMacro(int n);
  // Rewrites only the Enabled byte of record n in the file.
  bool SetMacroEnabled(int n, bool flag);
  void EnsureSystemMacros();

  const std::string& FileName() const noexcept { return fileName_; }
  const MacroIndex& Index() const noexcept { return index_; }
  // The main window's working record: filled by ReadMacro, changed by editors, written back.
  MacroRecord& CurrentMacro() noexcept { return currentMacro_; }

 private:
  template <typename Step>
  bool WithTableRetry(Step step);
  void LowerRaisedCount();
  bool FailWrite(bool append, std::string_view text);

  platform::IBinaryFiles& files_;
  TableLock& lock_;
  platform::IPrompts& prompts_;
  platform::IClock& clock_;
  std::string fileName_;
  MacroIndex index_;
  MacroRecord currentMacro_{};
};

// The record of a newly added system macro (index 0..3 of kSystemMacros).
MacroRecord MakeSystemMacro(std::size_t which, double now) noexcept;

// Copies the fields activation needs into slot n (1..500) of the table.
void StoreSlot(SharedMacroTable& table, std::size_t n, const MacroRecord& record) noexcept;

}  // namespace quindle::storage
