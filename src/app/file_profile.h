// A profile kept in a file named by its full path whose every write rewrites the file, as the
// system's profile functions do. A program killed between two writes of a save would leave some
// keys new and the others old, and one killed inside a write a file emptied or cut short; so a
// save goes into a copy beside the file (its name with ".tmp" added), which then takes the
// file's place in one step.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "app/settings.h"
#include "platform/file_io.h"

namespace quindle::app {

class FileProfile : public IProfile {
 public:
  void SaveWhole(const std::function<void()>& writes) final;

  const std::string& Path() const { return path_; }
  // Whether any write since the construction failed; failures are not reported to the user.
  bool WriteFailed() const { return writeFailed_; }

 protected:
  FileProfile(platform::IBinaryFiles& files, std::string path)
      : files_(files), path_(std::move(path)), target_(path_) {}
  // The file that reads and writes go to: the copy while a save runs.
  const std::string& Target() const { return target_; }
  void NoteWriteFailed() { writeFailed_ = true; }

 private:
  platform::IBinaryFiles& files_;
  std::string path_;
  std::string target_;
  bool writeFailed_ = false;
};

}  // namespace quindle::app
