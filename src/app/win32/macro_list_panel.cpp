#include "app/win32/macro_list_panel.h"

#include <utility>
#include <vector>

#include "app/list_window_state.h"
#include "app/win32/font_settings.h"

namespace quindle::app::win32 {
namespace {

platform::win32::GdiObject FontOf(const FontSetting& setting) {
  const platform::win32::FontChoice choice = FontChoiceOf(setting, ScreenPixelsPerInch());
  return platform::win32::GdiObject(CreateFontIndirectA(&choice.font));
}

SortSettings SortOf(const Settings& settings) {
  return {settings.primarySort, settings.activationSort, settings.scopeSort};
}

}  // namespace

bool MacroListPanel::Create(HWND parent, int id, const Settings& settings, MacroListEvents events) {
  ui::grid::win32::GridCallbacks callbacks;
  const auto macroOf = [this](int row) { return list_.MacroAt(row); };
  const auto forward = [macroOf](std::function<void(int)> to) {
    return [macroOf, to = std::move(to)](int row) {
      const int n = macroOf(row);
      if (n > 0 && to) to(n);
    };
  };
  callbacks.selected = forward(events.selected);
  callbacks.open = forward(events.open);
  callbacks.remove = forward(events.remove);
  callbacks.info = forward(events.info);
  callbacks.typed = [this](char typed) {
    const int row = typeAhead_.KeyPress(typed, list_, grid_.Selected());
    return row == grid_.Selected() ? ui::grid::kNoRow : row;
  };
  callbacks.typingReset = [this] { typeAhead_.Clear(); };
  callbacks.columnResized = [resized = std::move(events.columnResized)](int column, int width) {
    // The row-number column follows the font; only the other three are the user's.
    if (column >= 1 && column <= 3 && resized) resized(column, width);
  };
  if (!grid_.Create(parent, id, *this, std::move(callbacks))) return false;
  ApplyAppearance(settings);
  return true;
}

bool MacroListPanel::Refill(storage::TableLock& lock, const storage::MacroIndex& index,
                            const Settings& settings) {
  const int selected = SelectedMacro();
  if (!list_.Refill(lock, index, SortOf(settings))) return false;
  grid_.RowsChanged();
  if (selected > 0) SelectMacro(selected);
  return true;
}

int MacroListPanel::SelectedMacro() const {
  return list_.MacroAt(grid_.Selected());
}

void MacroListPanel::SelectMacro(int n) {
  const int row = list_.ReverseSort(n);
  grid_.Select(row > 0 ? row : ui::grid::kNoRow);
}

void MacroListPanel::SelectRowOrLast(int row) {
  if (list_.Count() == 0) return grid_.Select(ui::grid::kNoRow);
  grid_.Select(row < 1 ? 1 : (row > list_.Count() ? list_.Count() : row));
}

int MacroListPanel::SelectedRow() const {
  return grid_.Selected();
}

void MacroListPanel::ApplyAppearance(const Settings& settings) {
  titleFont_ = FontOf(settings.gridTitleFont);
  rowFont_ = FontOf(settings.gridFont);
  grid_.SetFonts(static_cast<HFONT>(titleFont_.Get()), static_cast<HFONT>(rowFont_.Get()));
  // The numbers are drawn 2 pixels in and must fit with 2 to spare.
  const int numbers = grid_.RowTextWidth(kRowNumberWidthText) + 4;
  grid_.SetColumnWidths({numbers, settings.col1Width, settings.col2Width, settings.col3Width});
}

void MacroListPanel::Place(const Placement& place) {
  if (Handle() != nullptr)
    MoveWindow(Handle(), place.left, place.top, place.width, place.height, TRUE);
}

void MacroListPanel::Focus() {
  if (Handle() != nullptr) SetFocus(Handle());
}

}  // namespace quindle::app::win32
