// TSortOrder: "Sort Order", opened by the tool button SpeedSort. Three lists put in order with
// "Move &Up" and "Move &Down", which move the entry selected in the list used last.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>

#include "app/list_dialog_models.h"
#include "platform/win32/dialog_base.h"

namespace quindle::app::win32 {

class TSortOrder final : public platform::win32::DialogBase {
 public:
  explicit TSortOrder(const SortOrders& current) : model_(current) {}
  // The orders to store after "&Ok"; nothing after "&Cancel" or when the dialog could not be
  // shown. The caller saves the settings, refills the list and reselects the macro.
  std::optional<SortOrders> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  void Fill(SortList list, int selectedRow);
  void Move(bool up);

  SortOrderModel model_;
  SortList active_ = SortList::Primary;
  std::optional<SortOrders> result_;
};

}  // namespace quindle::app::win32
