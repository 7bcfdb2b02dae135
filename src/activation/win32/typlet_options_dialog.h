// TTypletOptions: the "Typlet Options" dialog of "&Options" > "T&yplets". It shows the options of
// its model (activation/typlet_options.h), checks the prefix keys as they are typed and when the
// field is left, and returns the options to store at "&Ok".
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>

#include "activation/typlet_options.h"
#include "platform/win32/dialog_base.h"

namespace quindle::activation::win32 {

class TTypletOptions final : public platform::win32::DialogBase {
 public:
  explicit TTypletOptions(const TypletOptions& current) : form_(FormOfTypletOptions(current)) {}

  // Runs the dialog modally over `owner`: the options to store after "&Ok", nothing after
  // "&Cancel" or when the dialog could not be shown.
  std::optional<TypletOptions> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  // FormShow / UsePrefixClick: the prefix field is enabled only while "Use &Prefix Keys" is.
  void UsePrefixClick();
  // PrefixKeysChange / PrefixKeysExit.
  void CheckPrefix(bool leaving);
  void Complain(std::string_view title, std::string_view text);
  TypletOptionsForm ReadForm() const;

  TypletOptionsForm form_;
  std::optional<TypletOptions> result_;
  bool complaining_ = false;
};

}  // namespace quindle::activation::win32
