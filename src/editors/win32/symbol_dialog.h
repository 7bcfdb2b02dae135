// TDoSpecial: "Insert Symbol", the characters 128 to 255 in a grid of 16 columns by 8 rows, run
// column by column; a double click or "&Ok" inserts the chosen character. "&Alt Keypad Sequence"
// asks for the digits of an ALT sequence instead (`TDoDelay` in its keypad mode) and inserts its
// tag.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>
#include <string>

#include "editors/chooser_dialog_models.h"
#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

class TDoSpecial final : public platform::win32::DialogBase {
 public:
  TDoSpecial() = default;
  // The text to insert: the character or the ALT tag; nothing after "&Cancel".
  std::optional<std::string> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void AltSequenceClick();

  std::optional<std::string> result_;
};

// `TDoDelay` in its keypad mode ("Alt Keypad Sequence", "Keypad Numbers"): the ALT tag of 1 to 4
// digits ("65" gives <ALT:065>, "0169" <ALT4:0169>).
class TDoDelayKeypad final : public platform::win32::DialogBase {
 public:
  TDoDelayKeypad() = default;
  std::optional<std::string> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnOK() override;

 private:
  std::optional<std::string> result_;
};

std::optional<std::string> RunSymbolDialog(HWND owner);
std::optional<std::string> RunAltKeypadDialog(HWND owner);

}  // namespace quindle::editors::win32
