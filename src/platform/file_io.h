// Binary files as the macro storage uses them: whole-record transfers at explicit positions, and
// a replace-by-rename so that a rewritten file is never seen half written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quindle::platform {

enum class FileOpenMode {
  ReadOnly,   // must exist; never written (a shared file on a network relies on this)
  ReadWrite,  // must exist; kept as it is
  Create,     // created, or emptied when it exists
  // Read and write; created empty when missing, kept as it is otherwise. Refused while the file
  // is open elsewhere, and while it is open so no other open of it succeeds: a read, decide and
  // write under it is one step among copies of the program. (Files that have no sharing modes
  // open it for reading and writing.)
  Exclusive,
};

class IBinaryFile {
 public:
  virtual ~IBinaryFile() = default;
  virtual bool Seek(std::uint64_t offset) = 0;
  // True only when all `size` bytes were transferred.
  virtual bool Read(void* buffer, std::size_t size) = 0;
  virtual bool Write(const void* data, std::size_t size) = 0;
  virtual std::optional<std::uint64_t> Size() = 0;
  virtual bool Flush() = 0;
  // False when data still buffered could not be written. A file that is destroyed without
  // Close is closed quietly.
  virtual bool Close() = 0;
};

class IBinaryFiles {
 public:
  virtual ~IBinaryFiles() = default;
  // Nothing when the file cannot be opened in that mode.
  virtual std::unique_ptr<IBinaryFile> Open(std::string_view path, FileOpenMode mode) = 0;
  virtual bool Exists(std::string_view path) = 0;
  // Puts `replacement` in the place of `target` in one step: a reader sees either the old or the
  // new file, never a mixture. Both must be in the same folder.
  virtual bool ReplaceFile(std::string_view replacement, std::string_view target) = 0;
  virtual bool RemoveFile(std::string_view path) = 0;
};

// The one way this program reads a whole file: its bytes through `files`, at most `limit` of
// them (a longer file yields its first `limit` bytes), or nothing when the file cannot be opened
// or read.
std::optional<std::string> ReadWholeFile(IBinaryFiles& files, std::string_view path,
                                         std::size_t limit);

// The one way this program rewrites a small file whole: `bytes` go into a scratch file beside
// `path`, which then takes its place. A failure at any step removes the scratch file and leaves
// the old file as it was; false then.
bool ReplaceWholeFile(IBinaryFiles& files, std::string_view path, std::string_view bytes);

// The one way this program changes a file through calls that each rewrite it whole (the system's
// profile functions): the file is copied to the same scratch file beside it (a missing file gives
// an empty copy), `edit` changes the copy, given its name, and says whether it succeeded, and the
// copy then takes the file's place. Killed at any point, the program leaves the old file or the
// new one. A failure at any step removes the copy and leaves the file as it was; false then.
bool EditThroughScratchCopy(IBinaryFiles& files, std::string_view path,
                            const std::function<bool(std::string_view copy)>& edit);

}  // namespace quindle::platform
