#include "app/main_layout.h"

#include <algorithm>

namespace quindle::app {

MainLayout LayOutMainWindow(int clientWidth, int clientHeight, bool useSpeed) noexcept {
  MainLayout layout;
  const int width = std::max(clientWidth, 0);
  const int height = std::max(clientHeight, 0);
  if (useSpeed) {
    layout.list = {4, 35, std::max(width - 8, 0), std::max(height - 40, 0)};
    return layout;
  }
  layout.list = {4, 4, std::max(width - 8 - kPanelWidth, 0), std::max(height - 9, 0)};
  layout.panel = {std::max(width - kPanelWidth, 0), 4, kPanelWidth - 4, layout.list.height};
  return layout;
}

Placement PanelButton(const MainLayout& layout, int index) noexcept {
  const Placement& p = layout.panel;
  return {p.left + 4, p.top + index * (kPanelButtonHeight + kPanelButtonGap),
          std::max(p.width - 8, 0), kPanelButtonHeight};
}

}  // namespace quindle::app
