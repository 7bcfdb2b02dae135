#include "ui/grid/win32/grid_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cstddef>
#include <utility>

#include "platform/win32/last_error.h"

namespace quindle::ui::grid::win32 {
namespace {

// The text whose height sets the rows' heights: capitals, ascenders and descenders.
constexpr std::string_view kHeightSample = "ZZYyjkla";

HFONT OrDialogFont(HFONT font) {
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool IsMoveKey(WPARAM key, Move& move) {
  switch (key) {
    case VK_UP:
      move = Move::Up;
      return true;
    case VK_DOWN:
      move = Move::Down;
      return true;
    case VK_PRIOR:
      move = Move::PageUp;
      return true;
    case VK_NEXT:
      move = Move::PageDown;
      return true;
    case VK_HOME:
      move = Move::Home;
      return true;
    case VK_END:
      move = Move::End;
      return true;
    default:
      return false;
  }
}

}  // namespace

GridWindow::GridWindow(const IGridSource& source, GridCallbacks callbacks)
    : source_(source), callbacks_(std::move(callbacks)) {
  geometry_.SetView(0, source_.RowCount());
}

bool GridWindow::Create(HWND parent, int id) {
  platform::win32::WindowClassOptions windowClass;
  windowClass.name = kGridClassName;
  windowClass.background = nullptr;  // every pixel is painted, through the off-screen bitmap
  windowClass.style = CS_DBLCLKS;
  if (!RegisterWindowClass(windowClass)) return false;
  platform::win32::WindowCreateOptions options;
  options.className = kGridClassName;
  options.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
  options.exStyle = WS_EX_CLIENTEDGE;
  options.left = 0;
  options.top = 0;
  options.width = 100;
  options.height = 100;
  options.owner = parent;
  if (!CreateTopLevel(options)) return false;
  // Child windows take their id from the menu argument, which WindowBase keeps for menus. The
  // id was 0 before, so only the error code tells a failure.
  SetLastError(ERROR_SUCCESS);
  if (SetWindowLongPtrA(Handle(), GWLP_ID, id) == 0 && GetLastError() != ERROR_SUCCESS)
    return Fail(platform::win32::CallFailed("SetWindowLongPtrA"));
  SetFonts(nullptr, nullptr);
  return true;
}

int GridWindow::TextHeight(HFONT font) const {
  platform::win32::WindowDc dc(Handle());
  if (!dc) return 0;
  platform::win32::SelectedObject selected(dc.Get(), font);
  SIZE size{};
  if (GetTextExtentPoint32A(dc.Get(), kHeightSample.data(), static_cast<int>(kHeightSample.size()),
                            &size) == FALSE)
    return 0;
  return size.cy;
}

int GridWindow::RowTextWidth(std::string_view text) const {
  platform::win32::WindowDc dc(Handle());
  if (!dc) return 0;
  platform::win32::SelectedObject selected(dc.Get(), rowFont_);
  SIZE size{};
  if (GetTextExtentPoint32A(dc.Get(), text.data(), static_cast<int>(text.size()), &size) == FALSE)
    return 0;
  return size.cx;
}

void GridWindow::SetFonts(HFONT titleFont, HFONT rowFont) {
  titleFont_ = OrDialogFont(titleFont);
  rowFont_ = OrDialogFont(rowFont);
  LOGFONTA italic{};
  italicFont_.Reset();
  boldFont_.Reset();
  if (GetObjectA(rowFont_, sizeof italic, &italic) == static_cast<int>(sizeof italic)) {
    LOGFONTA bold = italic;
    italic.lfItalic = TRUE;
    italicFont_.Reset(CreateFontIndirectA(&italic));
    bold.lfWeight = FW_BOLD;
    boldFont_.Reset(CreateFontIndirectA(&bold));
  }
  titleTextHeight_ = TextHeight(titleFont_);
  rowTextHeight_ = TextHeight(rowFont_);
  geometry_.SetHeights(TitleHeightFor(titleTextHeight_), RowHeightFor(rowTextHeight_));
  UpdateView();
}

void GridWindow::SetColumnWidths(const std::vector<int>& widths) {
  geometry_.SetColumnWidths(widths);
  Redraw();
}

void GridWindow::RowsChanged() {
  UpdateView();
}

void GridWindow::Select(int row) {
  MoveTo(row, false);
}

void GridWindow::OnSize(UINT /*kind*/, int /*clientWidth*/, int /*clientHeight*/) {
  UpdateView();
}

// The selection and the first row shown, kept inside the rows there are now.
void GridWindow::UpdateView() {
  RECT client{};
  if (Handle() != nullptr) GetClientRect(Handle(), &client);
  geometry_.SetView(client.bottom, source_.RowCount());
  if (selected_ > geometry_.LastRow())
    selected_ = geometry_.LastRow() >= 1 ? geometry_.LastRow() : kNoRow;
  top_ = geometry_.ClampTop(top_);
  UpdateScrollBar();
  Redraw();
}

void GridWindow::UpdateScrollBar() {
  if (Handle() == nullptr) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, geometry_.LastRow() - 1);
  info.nPage = static_cast<UINT>(geometry_.PageRows());
  info.nPos = top_ - 1;
  // Showing or hiding the bar resizes the client area, and OnSize comes back here once.
  SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void GridWindow::Redraw() {
  if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, FALSE);
}

void GridWindow::SetTop(int top) {
  top = geometry_.ClampTop(top);
  if (top == top_) return;
  top_ = top;
  UpdateScrollBar();
  Redraw();
}

void GridWindow::MoveTo(int row, bool notify) {
  if (row < 1 || row > geometry_.LastRow()) row = kNoRow;
  const bool changed = row != selected_;
  selected_ = row;
  if (row != kNoRow) SetTop(geometry_.TopShowing(row, top_));
  if (changed) Redraw();
  if (notify && changed && row != kNoRow && callbacks_.selected) callbacks_.selected(row);
}

void GridWindow::OnKeyDown(WPARAM key) {
  Move move{};
  if (IsMoveKey(key, move)) {
    if (callbacks_.typingReset) callbacks_.typingReset();
    MoveTo(geometry_.MovedSelection(selected_, move), true);
    return;
  }
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_CONTROL:
    case VK_MENU:
      if (callbacks_.typingReset) callbacks_.typingReset();
      break;
    case VK_RETURN:
      if (selected_ != kNoRow && callbacks_.open) callbacks_.open(selected_);
      break;
    case VK_DELETE:
      if (selected_ != kNoRow && callbacks_.remove) callbacks_.remove(selected_);
      break;
    default:
      break;
  }
}

void GridWindow::OnChar(char typed) {
  if (!callbacks_.typed) return;
  // A row the grid does not have leaves the selection as it is, like kNoRow.
  const int row = callbacks_.typed(typed);
  if (row >= 1 && row <= geometry_.LastRow()) MoveTo(row, true);
}

void GridWindow::OnLeftDown(int x, int y) {
  SetFocus(Handle());
  const int divider = geometry_.DividerAt(x, y);
  if (divider != kNoColumn) {
    dragColumn_ = divider;
    dragStartWidth_ = geometry_.ColumnWidths()[static_cast<std::size_t>(divider)];
    SetCapture(Handle());
    return;
  }
  const Cell cell = geometry_.HitTest(x, y, top_);
  if (cell.row < 1) return;
  MoveTo(cell.row, false);
  if (callbacks_.selected) callbacks_.selected(cell.row);
}

void GridWindow::OnLeftDoubleClick(int x, int y) {
  if (geometry_.DividerAt(x, y) != kNoColumn) return;
  const Cell cell = geometry_.HitTest(x, y, top_);
  if (cell.row < 1) return;
  MoveTo(cell.row, false);
  if (callbacks_.open) callbacks_.open(cell.row);
}

void GridWindow::OnMouseMove(int x) {
  if (dragColumn_ == kNoColumn) return;
  geometry_.SetColumnWidth(dragColumn_, geometry_.DraggedWidth(dragColumn_, x));
  Redraw();
}

void GridWindow::EndDrag() {
  const int column = std::exchange(dragColumn_, kNoColumn);
  if (column == kNoColumn) return;
  if (GetCapture() == Handle()) ReleaseCapture();
  const int width = geometry_.ColumnWidths()[static_cast<std::size_t>(column)];
  if (width != dragStartWidth_ && callbacks_.columnResized) callbacks_.columnResized(column, width);
}

void GridWindow::OnRightUp(int x, int y) {
  const int downRow = std::exchange(rightDownRow_, kNoRow);
  const Cell cell = geometry_.HitTest(x, y, top_);
  if (cell.row >= 1 && cell.row == downRow && callbacks_.info) callbacks_.info(cell.row);
}

void GridWindow::OnScroll(WPARAM request) {
  switch (LOWORD(request)) {
    case SB_LINEUP:
      SetTop(geometry_.Scrolled(top_, Scroll::LineUp));
      break;
    case SB_LINEDOWN:
      SetTop(geometry_.Scrolled(top_, Scroll::LineDown));
      break;
    case SB_PAGEUP:
      SetTop(geometry_.Scrolled(top_, Scroll::PageUp));
      break;
    case SB_PAGEDOWN:
      SetTop(geometry_.Scrolled(top_, Scroll::PageDown));
      break;
    case SB_TOP:
      SetTop(geometry_.Scrolled(top_, Scroll::Top));
      break;
    case SB_BOTTOM:
      SetTop(geometry_.Scrolled(top_, Scroll::Bottom));
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The message carries only 16 bits of the position; the bar itself has all 32.
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      if (GetScrollInfo(Handle(), SB_VERT, &info) != FALSE)
        SetTop(geometry_.Scrolled(top_, Scroll::Thumb, info.nTrackPos));
      break;
    }
    default:
      break;
  }
}

bool GridWindow::SetDividerCursor() {
  POINT point{};
  if (GetCursorPos(&point) == FALSE || ScreenToClient(Handle(), &point) == FALSE) return false;
  if (dragColumn_ == kNoColumn && geometry_.DividerAt(point.x, point.y) == kNoColumn) return false;
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)));
  return true;
}

LRESULT GridWindow::DialogCode(LPARAM message) const {
  LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  const auto* msg = reinterpret_cast<const MSG*>(message);
  // Enter opens the selected row rather than pressing a dialog's default button.
  if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
    code |= DLGC_WANTMESSAGE;
  return code;
}

bool GridWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  result = 0;
  switch (message) {
    case WM_PAINT:
      Paint();
      return true;
    case WM_ERASEBKGND:
      result = 1;  // the paint covers everything
      return true;
    case WM_GETDLGCODE:
      result = DialogCode(lParam);
      return true;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return true;
    case WM_SYSKEYDOWN:
      if (wParam == VK_MENU && callbacks_.typingReset) callbacks_.typingReset();
      return false;  // Alt and its menus stay the system's
    case WM_CHAR:
      OnChar(static_cast<char>(wParam));
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (callbacks_.typingReset) callbacks_.typingReset();
      Redraw();
      return true;
    case WM_LBUTTONDOWN:
      OnLeftDown(x, y);
      return true;
    case WM_LBUTTONDBLCLK:
      OnLeftDoubleClick(x, y);
      return true;
    case WM_MOUSEMOVE:
      OnMouseMove(x);
      return true;
    case WM_LBUTTONUP:
      OnMouseMove(x);
      EndDrag();
      return true;
    case WM_CAPTURECHANGED:
      EndDrag();
      return true;
    case WM_RBUTTONDOWN:
      rightDownRow_ = geometry_.HitTest(x, y, top_).row;
      return true;
    case WM_RBUTTONUP:
      OnRightUp(x, y);
      return true;
    case WM_MOUSEWHEEL:
      SetTop(geometry_.Wheeled(top_, GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA));
      return true;
    case WM_VSCROLL:
      OnScroll(wParam);
      return true;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && SetDividerCursor()) {
        result = TRUE;
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace quindle::ui::grid::win32
