// TMyImport: "Import Macros". "Open File" picks the file to import from and lists its macros;
// "&Ok" imports the picked ones into the loaded file (storage/macro_import.h), warning about
// those that will be left out, and closes. The main window holds the network lock around it and
// refills its list afterwards.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstddef>

#include "platform/file_io.h"
#include "platform/system.h"
#include "platform/win32/dialog_base.h"
#include "storage/macro_import.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace quindle::app::win32 {

class TMyImport final : public platform::win32::DialogBase {
 public:
  TMyImport(platform::IBinaryFiles& files, storage::MacroStore& store, storage::TableLock& lock,
            platform::IClock& clock)
      : files_(files), store_(store), lock_(lock), clock_(clock) {}

  // Runs the dialog modally over `owner`: how many macros were imported (0 after "&Cancel" or
  // when the dialog could not be shown).
  std::size_t Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  void OpenFileClick();
  void Complain(std::string_view text);

  platform::IBinaryFiles& files_;
  storage::MacroStore& store_;
  storage::TableLock& lock_;
  platform::IClock& clock_;
  storage::ImportSource source_;
  std::size_t imported_ = 0;
};

}  // namespace quindle::app::win32
