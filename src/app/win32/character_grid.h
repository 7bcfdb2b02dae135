// The chart of "Select Character": the characters 32 .. 255 in 8 rows of 28 cells, one of them
// selected. A child window of its own class that takes the focus (a tab stop) and wants the
// arrows and the typed characters; Enter and Esc stay the dialog's, for "&Ok" and "&Cancel".
// The arrows, Home and End (the row's ends), Page Up and Page Down (the column's ends) and a
// typed character move the selection; a click selects, a double click chooses.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstdint>
#include <functional>
#include <utility>

#include "platform/win32/window_base.h"

namespace quindle::app::win32 {

inline constexpr const char* kCharacterGridClass = "QuindleCharacterGrid";

class CharacterGrid final : public platform::win32::WindowBase {
 public:
  struct Callbacks {
    std::function<void(std::uint8_t character)> selected;  // the selection moved
    std::function<void(std::uint8_t character)> chosen;    // a double click on a cell
  };

  explicit CharacterGrid(Callbacks callbacks) : callbacks_(std::move(callbacks)) {}

  // A visible child of `parent` over `place` (client coordinates of the parent), `id` its
  // control id, drawn in `font` (null: the system's dialog font).
  bool Create(HWND parent, int id, const RECT& place, HFONT font);

  void Select(std::uint8_t character);
  std::uint8_t Selected() const;

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnKeyDown(WPARAM key);
  void MoveTo(int cell);
  int CellAt(LPARAM point) const;
  void Paint();
  void DrawCell(HDC dc, int cell, const RECT& client) const;

  Callbacks callbacks_;
  HFONT font_ = nullptr;
  int cell_ = 0;
};

}  // namespace quindle::app::win32
