// "Keyboard Remapper" (`TDoSwapKeys`), opened by "&Remap": four grids of the remappable keys,
// each beside the character it types, and "Select Character" (`TDoSwapSpecial`), the chart a
// key's new character is picked from. A choice goes into the remap block at once; what closing
// the remapper does with the file and the hook is activation::FinishSwapKeys.
#pragma once

#include "platform/win32/win32_api.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "activation/swap_keys_model.h"
#include "app/win32/character_grid.h"
#include "platform/win32/dialog_base.h"
#include "storage/macro_record.h"
#include "ui/grid/win32/grid_control.h"

namespace quindle::app::win32 {

class TDoSwapSpecial final : public platform::win32::DialogBase {
 public:
  // Opens beside `cell` (screen pixels), on `current`.
  TDoSwapSpecial(std::uint8_t current, const RECT& cell);

  // The character chosen with "&Ok" or a double click; nothing after "&Cancel" or when the
  // dialog could not be shown.
  std::optional<std::uint8_t> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnOK() override;

 private:
  void ShowChosen(std::uint8_t character);

  std::uint8_t current_;
  RECT cell_;
  CharacterGrid chart_;
  std::optional<std::uint8_t> result_;
};

class TDoSwapKeys final : public platform::win32::DialogBase {
 public:
  // In `browse` mode the mapping is only shown.
  TDoSwapKeys(storage::RemapBlock& block, bool browse);
  ~TDoSwapKeys() override;

  // Runs the dialog modally; false when it could not be shown.
  bool Run(HWND owner);
  // Whether a character was chosen for some key (the file and the hook then follow).
  bool Changed() const { return model_.Changed(); }

 protected:
  bool OnInit() override;
  // Esc and the close button close as "&Ok" does: every choice is in force already.
  void OnCancel() override { End(IDOK); }

 private:
  class GroupSource;
  bool MakeGrid(std::size_t index);
  void OpenSpecial(std::size_t index, int row);

  activation::SwapKeysModel model_;
  std::array<std::unique_ptr<GroupSource>, activation::kRemapGroups.size()> sources_;
  std::array<ui::grid::win32::GridControl, activation::kRemapGroups.size()> grids_;
};

}  // namespace quindle::app::win32
