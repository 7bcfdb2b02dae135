#include "editors/win32/symbol_dialog.h"

#include "editors/timing_dialog_models.h"
#include "editors/win32/command_dialog_support.h"
#include "editors/win32/command_dialogs_b_res.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/controls/owner_drawn_row.h"
#include "platform/win32/handles.h"

namespace quindle::editors::win32 {
namespace {

static_assert(InFamilyRange(IDD_SYMBOL) && InFamilyRange(IDC_SY_ALT));
static_assert(InFamilyRange(IDD_ALT_KEYPAD) && InFamilyRange(IDC_AK_VALUE));

constexpr int kSymbolCount = kSymbolColumns * kSymbolRows;

// The grid is a list of several columns, which runs column by column like the grid itself: the
// row of the list is the offset of the character from 128.
SymbolCell CellOfRow(int row) {
  return SymbolCell{row / kSymbolRows, row % kSymbolRows};
}

}  // namespace

// ---- "Insert Symbol"

std::optional<std::string> TDoSpecial::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_SYMBOL)) return std::nullopt;
  return result_;
}

bool TDoSpecial::OnInit() {
  SetCaption(kSpecialCaption);
  SetItemText(IDC_SY_ALT, kAltSequenceText);
  platform::win32::ListBox grid(Handle(), IDC_SY_GRID);
  RECT client{};
  RECT outer{};
  if (GetClientRect(grid.Handle(), &client) != FALSE &&
      GetWindowRect(grid.Handle(), &outer) != FALSE) {
    // Exactly eight rows fit a column, so that the ninth character starts the next one; the
    // list is then shrunk to the cells, without a strip of nothing at its right or bottom.
    const int cellHeight = (client.bottom - client.top) / kSymbolRows;
    const int cellWidth = (client.right - client.left) / kSymbolColumns;
    grid.Send(LB_SETITEMHEIGHT, 0, cellHeight);
    grid.Send(LB_SETCOLUMNWIDTH, cellWidth);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&outer), 2);
    const int borderX = (outer.right - outer.left) - (client.right - client.left);
    const int borderY = (outer.bottom - outer.top) - (client.bottom - client.top);
    MoveItem(IDC_SY_GRID, outer.left, outer.top, cellWidth * kSymbolColumns + borderX,
             cellHeight * kSymbolRows + borderY);
  }
  for (int row = 0; row < kSymbolCount; ++row) {
    grid.Send(LB_ADDSTRING, 0, static_cast<LPARAM>(row));
  }
  grid.Select(0);
  FocusItem(IDC_SY_GRID);
  return false;
}

bool TDoSpecial::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_SY_GRID) return false;
  if (!platform::win32::BeginOwnerDrawnRow(item)) return true;
  {
    // The lines of the grid: the right and bottom edge of every cell.
    const platform::win32::SelectedObject pen(item.hDC, GetStockObject(DC_PEN));
    SetDCPenColor(item.hDC, GetSysColor(COLOR_BTNSHADOW));
    MoveToEx(item.hDC, item.rcItem.right - 1, item.rcItem.top, nullptr);
    LineTo(item.hDC, item.rcItem.right - 1, item.rcItem.bottom - 1);
    LineTo(item.hDC, item.rcItem.left - 1, item.rcItem.bottom - 1);
  }
  const SymbolCell cell = CellOfRow(static_cast<int>(item.itemID));
  const std::optional<unsigned char> symbol = SymbolAt(cell.column, cell.row);
  if (symbol) {
    const char text = static_cast<char>(*symbol);
    RECT box = item.rcItem;
    DrawTextA(item.hDC, &text, 1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  }
  platform::win32::EndOwnerDrawnRow(item);
  return true;
}

void TDoSpecial::OnCommand(int id, int notifyCode) {
  if (id == IDC_SY_GRID && notifyCode == LBN_DBLCLK) {
    OnOK();
  } else if (id == IDC_SY_ALT && notifyCode == BN_CLICKED) {
    AltSequenceClick();
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoSpecial::AltSequenceClick() {
  std::optional<std::string> tag = RunAltKeypadDialog(Handle());
  if (!tag) return;  // cancelled: back to the grid
  result_ = std::move(tag);
  End(IDOK);
}

void TDoSpecial::OnOK() {
  const int row = platform::win32::ListBox(Handle(), IDC_SY_GRID).Selected();
  const SymbolCell cell = CellOfRow(row < 0 ? kSymbolCount : row);
  DialogOutcome<SymbolField> outcome = AcceptSymbol(cell.column, cell.row);
  if (!outcome.Accepted()) {
    ShowRefusal(Handle(), outcome.caption, outcome.message, IDC_SY_GRID);
    return;
  }
  result_ = std::move(outcome.result->text);
  End(IDOK);
}

std::optional<std::string> RunSymbolDialog(HWND owner) {
  return TDoSpecial().Run(owner);
}

// ---- `TDoDelay`, keypad mode

std::optional<std::string> TDoDelayKeypad::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_ALT_KEYPAD)) return std::nullopt;
  return result_;
}

bool TDoDelayKeypad::OnInit() {
  const DelayModeTexts texts = TextsOfDelayMode(DelayMode::AltKeypad);
  SetCaption(texts.caption);
  SetItemText(IDC_AK_LABEL, texts.label);
  LimitField(Handle(), IDC_AK_VALUE, texts.limit);
  FocusItem(IDC_AK_VALUE);
  return false;
}

void TDoDelayKeypad::OnOK() {
  DialogOutcome<DelayField> outcome = AcceptAltSequence(ItemText(IDC_AK_VALUE));
  if (!outcome.Accepted()) {
    ShowRefusal(Handle(), outcome.caption, outcome.message, IDC_AK_VALUE);
    return;
  }
  result_ = std::move(outcome.result->text);
  End(IDOK);
}

std::optional<std::string> RunAltKeypadDialog(HWND owner) {
  return TDoDelayKeypad().Run(owner);
}

}  // namespace quindle::editors::win32
