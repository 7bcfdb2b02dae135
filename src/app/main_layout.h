// Where the main window puts its macro list and its buttons: either the large-button panel at
// the right or the tool-button bar across the top ("Use Speed"), the list filling the rest.
#pragma once

namespace quindle::app {

struct Placement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct MainLayout {
  Placement list;
  Placement panel;  // the large-button panel; empty with the tool-button bar
};

inline constexpr int kPanelWidth = 159;  // the large-button panel, margins included
inline constexpr int kPanelButtonHeight = 26;
inline constexpr int kPanelButtonGap = 6;

// The layout of a client area `clientWidth` x `clientHeight`. The list keeps a margin of 4
// pixels; below the tool-button bar it starts at 35. Sizes never go below zero.
MainLayout LayOutMainWindow(int clientWidth, int clientHeight, bool useSpeed) noexcept;

// The place of the `index`th button of the large-button panel, from the top.
Placement PanelButton(const MainLayout& layout, int index) noexcept;

}  // namespace quindle::app
