#include "capture/capture_file.h"

#include <utility>

#include "storage/macro_tags.h"

namespace quindle::capture {

std::string InProgramDirectory(std::string_view programDir, std::string_view name) {
  std::string path(programDir);
  path += '\\';
  path += name;
  return path;
}

std::optional<std::string> FreeOverflowName(platform::IBinaryFiles& files,
                                            std::string_view programDir) {
  for (int i = 0; i < kOverflowNamesTried; ++i) {
    std::string name = "QN" + std::to_string(i) + ".TXT";
    if (!files.Exists(InProgramDirectory(programDir, name))) return name;
  }
  return std::nullopt;
}

std::string TFileTag(std::string_view programDir, std::string_view name) {
  return std::string(storage::tags::kTFile) + InProgramDirectory(programDir, name) + ">";
}

bool CaptureFile::Create() {
  file_.reset();
  file_ = files_.Open(path_, platform::FileOpenMode::Create);
  return file_ != nullptr;
}

bool CaptureFile::Append(std::string_view text) {
  if (!file_) return false;
  if (file_->Write(text.data(), text.size()) && file_->Flush()) return true;
  file_.reset();
  return false;
}

bool CaptureFile::Close() {
  if (!file_) return false;
  const bool closed = file_->Close();
  file_.reset();
  return closed;
}

}  // namespace quindle::capture
