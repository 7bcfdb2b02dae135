// TDoOutput: "Output Macros To File", opened by "O&utput Macro Information". Six check boxes, all
// checked on opening; "&Ok" asks for the text file and writes the macros into it in list order.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/macro_info_file.h"
#include "platform/file_io.h"
#include "platform/win32/dialog_base.h"
#include "storage/macro_record.h"

namespace quindle::app::win32 {

struct OutputRequest {
  std::vector<int> order;  // MacroNumbers in list order (MacroList::Order())
  std::function<bool(int n, storage::MacroRecord& record)> readMacro;  // MacroStore::ReadMacro
  platform::IBinaryFiles& files;
};

class TDoOutput final : public platform::win32::DialogBase {
 public:
  explicit TDoOutput(OutputRequest request) : request_(std::move(request)) {}
  // What "&Ok" did; nothing after "&Cancel" or when the dialog could not be shown. The caller
  // saves the settings afterwards.
  std::optional<InfoWriteResult> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnOK() override;

 private:
  std::optional<std::string> AskPath();

  OutputRequest request_;
  std::optional<InfoWriteResult> result_;
};

}  // namespace quindle::app::win32
