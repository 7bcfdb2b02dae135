// Files of a program that is killed after a chosen number of file calls: the calls before reach
// the files below, every later one fails and reaches nothing. Each call is taken whole or not at
// all: a kill stops the program between two calls, and what a call wrote is in the file below
// (which stands for the disk) the moment it returns. A real file may hold a write in a buffer
// until Flush or Close; a kill then loses it, which leaves the file as it was before that write,
// a state these files already produce when they die just before it.
#pragma once

#include <memory>
#include <string_view>

#include "platform/file_io.h"

namespace quindle::testing {

class DyingFiles final : public platform::IBinaryFiles {
 public:
  explicit DyingFiles(platform::IBinaryFiles& real) : real_(real) {}

  // From now on `calls` more calls reach the files; every one after them fails. Until this is
  // called the files never die.
  void DieAfter(int calls) noexcept {
    left_ = calls;
    died_ = false;
  }
  // Whether a call came after the last one allowed.
  bool Died() const noexcept { return died_; }

  std::unique_ptr<platform::IBinaryFile> Open(std::string_view path,
                                              platform::FileOpenMode mode) override;
  bool Exists(std::string_view path) override { return Alive() && real_.Exists(path); }
  bool ReplaceFile(std::string_view replacement, std::string_view target) override {
    return Alive() && real_.ReplaceFile(replacement, target);
  }
  bool RemoveFile(std::string_view path) override { return Alive() && real_.RemoveFile(path); }

  // Counts one call; false once the files have died.
  bool Alive() noexcept;

 private:
  platform::IBinaryFiles& real_;
  int left_ = -1;  // negative: no limit
  bool died_ = false;
};

}  // namespace quindle::testing
