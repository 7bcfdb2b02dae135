#include "app/win32/remap_dialogs.h"

#include <string>
#include <utility>

#include "app/win32/remap_dialogs_res.h"
#include "platform/win32/resource_ranges.h"

namespace quindle::app::win32 {
namespace {

using activation::RemapGroup;
using platform::win32::InRange;
using platform::win32::kRemapDialogIds;
static_assert(InRange(kRemapDialogIds, IDD_SWAP_KEYS) &&
              InRange(kRemapDialogIds, IDC_REMAP_NUMERIC_GRID));
static_assert(InRange(kRemapDialogIds, IDD_SWAP_SPECIAL) &&
              InRange(kRemapDialogIds, IDC_SPECIAL_CHART));

// Each grid and its placeholder, in the order of activation::kRemapGroups.
struct GridIds {
  int placeholder;
  int grid;
};
constexpr std::array<GridIds, activation::kRemapGroups.size()> kGridIds{{
    {IDC_REMAP_UPPER, IDC_REMAP_UPPER_GRID},
    {IDC_REMAP_LOWER, IDC_REMAP_LOWER_GRID},
    {IDC_REMAP_PUNCTUATION, IDC_REMAP_PUNCTUATION_GRID},
    {IDC_REMAP_NUMERIC, IDC_REMAP_NUMERIC_GRID},
}};

constexpr std::string_view kKeyTitle = "Key";
constexpr std::string_view kTypesTitle = "Types";

// Where a placeholder lies, in the dialog's client coordinates.
bool PlaceOf(HWND dialog, int id, RECT& place) {
  HWND item = GetDlgItem(dialog, id);
  if (item == nullptr || GetWindowRect(item, &place) == FALSE) return false;
  POINT topLeft{place.left, place.top};
  POINT bottomRight{place.right, place.bottom};
  if (ScreenToClient(dialog, &topLeft) == FALSE || ScreenToClient(dialog, &bottomRight) == FALSE)
    return false;
  place = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  return true;
}

// Puts `control` right after the placeholder `id` in the tab order, where its label's letter
// leads.
void TakeTabPlace(HWND dialog, int id, HWND control) {
  SetWindowPos(control, GetDlgItem(dialog, id), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HFONT DialogFont(HWND dialog) {
  return reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
}

}  // namespace

// ---- TDoSwapSpecial

TDoSwapSpecial::TDoSwapSpecial(std::uint8_t current, const RECT& cell)
    : current_(current),
      cell_(cell),
      chart_({[this](std::uint8_t character) { ShowChosen(character); },
              [this](std::uint8_t character) {
                result_ = character;
                End(IDOK);
              }}) {}

std::optional<std::uint8_t> TDoSwapSpecial::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_SWAP_SPECIAL)) return std::nullopt;
  return result_;
}

bool TDoSwapSpecial::OnInit() {
  SetCaption(activation::kSwapSpecialCaption);
  RECT place{};
  if (!PlaceOf(Handle(), IDC_SPECIAL_GRID, place) ||
      !chart_.Create(Handle(), IDC_SPECIAL_CHART, place, DialogFont(Handle()))) {
    End(IDCANCEL);
    return false;
  }
  TakeTabPlace(Handle(), IDC_SPECIAL_GRID, chart_.Handle());
  chart_.Select(current_);
  ShowChosen(chart_.Selected());

  RECT outer{};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  HMONITOR where = MonitorFromRect(&cell_, MONITOR_DEFAULTTONEAREST);
  if (GetWindowRect(Handle(), &outer) != FALSE && where != nullptr &&
      GetMonitorInfoA(where, &monitor) != FALSE) {
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const RECT& work = monitor.rcWork;
    const activation::ScreenPoint at =
        activation::SpecialDialogPlace({cell_.left, cell_.top, cell_.right, cell_.bottom}, width,
                                       height, {work.left, work.top, work.right, work.bottom});
    PlaceWindow(at.x, at.y, width, height);
  }
  SetFocus(chart_.Handle());
  return false;
}

void TDoSwapSpecial::ShowChosen(std::uint8_t character) {
  SetItemText(IDC_SPECIAL_CHOSEN, activation::SpecialCellCaption(character));
}

void TDoSwapSpecial::OnOK() {
  result_ = chart_.Selected();
  End(IDOK);
}

// ---- TDoSwapKeys

// One grid's rows: the title row, then one row per key of the group.
class TDoSwapKeys::GroupSource final : public ui::grid::IGridSource {
 public:
  GroupSource(const activation::SwapKeysModel& model, RemapGroup group)
      : model_(model), group_(group) {}
  int RowCount() const override { return activation::InfoOf(group_).rows + 1; }
  std::string CellText(int row, int column) const override {
    if (row == 0) return std::string(column == 0 ? kKeyTitle : kTypesTitle);
    return column == 0 ? model_.KeyText(group_, row - 1) : model_.Replacement(group_, row - 1).text;
  }
  bool RowDisabled(int /*row*/) const override { return false; }
  bool CellBold(int row, int column) const override {
    return column == 1 && model_.Replacement(group_, row - 1).bold;
  }

 private:
  const activation::SwapKeysModel& model_;
  RemapGroup group_;
};

TDoSwapKeys::TDoSwapKeys(storage::RemapBlock& block, bool browse) : model_(block, browse) {}
TDoSwapKeys::~TDoSwapKeys() = default;

bool TDoSwapKeys::Run(HWND owner) {
  return RunModal(owner, IDD_SWAP_KEYS).has_value();
}

bool TDoSwapKeys::OnInit() {
  SetCaption(activation::kSwapKeysCaption);
  if (!model_.CanEdit()) ShowItem(IDC_REMAP_HINT, false);
  for (std::size_t i = 0; i < grids_.size(); ++i) {
    if (!MakeGrid(i)) {
      End(IDCANCEL);
      return false;
    }
  }
  SetFocus(grids_.front().Handle());
  return false;
}

bool TDoSwapKeys::MakeGrid(std::size_t index) {
  const RemapGroup group = activation::kRemapGroups[index];
  RECT place{};
  if (!PlaceOf(Handle(), kGridIds[index].placeholder, place)) return false;
  sources_[index] = std::make_unique<GroupSource>(model_, group);
  ui::grid::win32::GridControl& grid = grids_[index];
  ui::grid::win32::GridCallbacks callbacks;
  callbacks.open = [this, index](int row) { OpenSpecial(index, row); };
  callbacks.typed = [group](char typed) {
    const int row = activation::SwapKeysModel::RowOf(group, typed);
    return row < 0 ? ui::grid::kNoRow : row + 1;
  };
  if (!grid.Create(Handle(), kGridIds[index].grid, *sources_[index], std::move(callbacks)))
    return false;
  MoveWindow(grid.Handle(), place.left, place.top, place.right - place.left,
             place.bottom - place.top, FALSE);
  TakeTabPlace(Handle(), kGridIds[index].placeholder, grid.Handle());
  const HFONT font = DialogFont(Handle());
  grid.SetFonts(font, font);
  // The keys' column fits its widest text; the characters take the rest beside the scroll bar.
  RECT client{};
  GetClientRect(grid.Handle(), &client);
  const int keys = grid.RowTextWidth(activation::kSpaceText) + 10;
  const int rest = client.right - keys;
  grid.SetColumnWidths({keys, rest > keys ? rest : keys});
  grid.Select(1);
  return true;
}

void TDoSwapKeys::OpenSpecial(std::size_t index, int row) {
  if (!model_.CanEdit() || row < 1) return;
  const RemapGroup group = activation::kRemapGroups[index];
  ui::grid::win32::GridControl& grid = grids_[index];
  const ui::grid::GridGeometry& geometry = grid.Geometry();
  const int left = geometry.ColumnLeft(1);
  const int top = geometry.RowTop(row, grid.TopRow());
  POINT topLeft{left, top};
  POINT bottomRight{left + geometry.ColumnWidths()[1], top + geometry.RowHeight()};
  // Without the cell's place on the screen the chart opens beside the grid's corner.
  if (ClientToScreen(grid.Handle(), &topLeft) == FALSE ||
      ClientToScreen(grid.Handle(), &bottomRight) == FALSE)
    bottomRight = topLeft;
  const RECT cell{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  TDoSwapSpecial special(model_.Current(group, row - 1), cell);
  const std::optional<std::uint8_t> chosen = special.Run(Handle());
  if (chosen && model_.Choose(group, row - 1, *chosen)) grid.RowsChanged();
  SetFocus(grid.Handle());
}

}  // namespace quindle::app::win32
