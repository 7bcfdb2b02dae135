// TMyExport: "Export Macros". Lists every macro but the system macros in the main window's
// order; "Select &All" and "C&lear" pick all or none; "Save" asks for the export file and copies
// the picked records into it (storage/macro_export.h).
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <utility>
#include <vector>

#include "app/import_export_lists.h"
#include "platform/file_io.h"
#include "platform/win32/dialog_base.h"

namespace quindle::app::win32 {

class TMyExport final : public platform::win32::DialogBase {
 public:
  // `macroFile`: the loaded file; `rows`: from ExportRows.
  TMyExport(platform::IBinaryFiles& files, std::string macroFile, std::vector<ExportRow> rows)
      : files_(files), macroFile_(std::move(macroFile)), rows_(std::move(rows)) {}

  // Runs the dialog modally over `owner`: true when an export file was written.
  bool Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  void Tell(std::string_view title, std::string_view text);

  platform::IBinaryFiles& files_;
  std::string macroFile_;
  std::vector<ExportRow> rows_;
  bool exported_ = false;
};

}  // namespace quindle::app::win32
