#include "app/win32/character_grid.h"

#include <windowsx.h>

#include <utility>

#include "activation/swap_keys_model.h"
#include "platform/win32/handles.h"
#include "platform/win32/last_error.h"

namespace quindle::app::win32 {
namespace {

using activation::SpecialMove;

bool MoveOfKey(WPARAM key, SpecialMove& move) {
  switch (key) {
    case VK_LEFT:
      move = SpecialMove::Left;
      return true;
    case VK_RIGHT:
      move = SpecialMove::Right;
      return true;
    case VK_UP:
      move = SpecialMove::Up;
      return true;
    case VK_DOWN:
      move = SpecialMove::Down;
      return true;
    case VK_HOME:
      move = SpecialMove::RowStart;
      return true;
    case VK_END:
      move = SpecialMove::RowEnd;
      return true;
    case VK_PRIOR:
      move = SpecialMove::ColumnTop;
      return true;
    case VK_NEXT:
      move = SpecialMove::ColumnBottom;
      return true;
    default:
      return false;
  }
}

// The cells share the client area evenly; the last row and column take what is left over.
RECT CellRect(int cell, const RECT& client) {
  const int row = cell / activation::kSpecialColumns;
  const int column = cell % activation::kSpecialColumns;
  const int width = client.right;
  const int height = client.bottom;
  return RECT{column * width / activation::kSpecialColumns, row * height / activation::kSpecialRows,
              (column + 1) * width / activation::kSpecialColumns,
              (row + 1) * height / activation::kSpecialRows};
}

}  // namespace

bool CharacterGrid::Create(HWND parent, int id, const RECT& place, HFONT font) {
  platform::win32::WindowClassOptions windowClass;
  windowClass.name = kCharacterGridClass;
  windowClass.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.style = CS_DBLCLKS;
  if (!RegisterWindowClass(windowClass)) return false;
  platform::win32::WindowCreateOptions options;
  options.className = kCharacterGridClass;
  options.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  options.exStyle = WS_EX_CLIENTEDGE;
  options.left = place.left;
  options.top = place.top;
  options.width = place.right - place.left;
  options.height = place.bottom - place.top;
  options.owner = parent;
  if (!CreateTopLevel(options)) return false;
  // Child windows take their id from the menu argument, which WindowBase keeps for menus.
  SetLastError(ERROR_SUCCESS);
  if (SetWindowLongPtrA(Handle(), GWLP_ID, id) == 0 && GetLastError() != ERROR_SUCCESS)
    return Fail(platform::win32::CallFailed("SetWindowLongPtrA"));
  font_ = font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return true;
}

void CharacterGrid::Select(std::uint8_t character) {
  cell_ = activation::SpecialCellOf(character);
  if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, TRUE);
}

std::uint8_t CharacterGrid::Selected() const {
  return activation::SpecialCharacterAt(cell_);
}

void CharacterGrid::MoveTo(int cell) {
  if (cell < 0 || cell == cell_) return;
  cell_ = cell;
  InvalidateRect(Handle(), nullptr, TRUE);
  if (callbacks_.selected) callbacks_.selected(Selected());
}

void CharacterGrid::OnKeyDown(WPARAM key) {
  SpecialMove move{};
  if (MoveOfKey(key, move)) MoveTo(activation::MovedSpecialCell(cell_, move));
}

int CharacterGrid::CellAt(LPARAM point) const {
  RECT client{};
  if (GetClientRect(Handle(), &client) == FALSE) return -1;
  return activation::SpecialCellAt(GET_X_LPARAM(point), GET_Y_LPARAM(point), client.right,
                                   client.bottom);
}

void CharacterGrid::DrawCell(HDC dc, int cell, const RECT& client) const {
  RECT area = CellRect(cell, client);
  const bool selected = cell == cell_;
  FillRect(dc, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  FrameRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  char text = static_cast<char>(activation::SpecialCharacterAt(cell));
  DrawTextA(dc, &text, 1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (selected && GetFocus() == Handle()) {
    InflateRect(&area, -1, -1);
    DrawFocusRect(dc, &area);
  }
}

void CharacterGrid::Paint() {
  platform::win32::PaintSession paint(Handle());
  if (!paint) return;
  RECT client{};
  if (GetClientRect(Handle(), &client) == FALSE) return;
  platform::win32::SelectedObject selectedFont(paint.Get(), font_);
  SetBkMode(paint.Get(), TRANSPARENT);
  for (int cell = 0; cell < activation::kSpecialCells; ++cell) DrawCell(paint.Get(), cell, client);
}

bool CharacterGrid::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_PAINT:
      Paint();
      return true;
    case WM_GETDLGCODE:
      result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return true;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return true;
    case WM_CHAR: {
      const auto typed = static_cast<std::uint8_t>(wParam);
      if (typed >= activation::kFirstSpecial) MoveTo(activation::SpecialCellOf(typed));
      return true;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Handle(), nullptr, TRUE);
      return true;
    case WM_LBUTTONDOWN:
      SetFocus(Handle());
      MoveTo(CellAt(lParam));
      return true;
    case WM_LBUTTONDBLCLK: {
      const int cell = CellAt(lParam);
      if (cell < 0) return true;
      MoveTo(cell);
      if (callbacks_.chosen) callbacks_.chosen(Selected());
      return true;
    }
    default:
      return false;
  }
}

}  // namespace quindle::app::win32
