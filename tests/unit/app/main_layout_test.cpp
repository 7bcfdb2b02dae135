#include "app/main_layout.h"

#include <gtest/gtest.h>

namespace quindle::app {
namespace {

struct LayoutCase {
  const char* name;
  int width;
  int height;
  bool useSpeed;
  Placement list;
  Placement panel;
};

bool Same(const Placement& a, const Placement& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

TEST(MainLayout, TheListFillsWhatTheButtonsLeave) {
  const LayoutCase cases[] = {
      {"panel", 600, 400, false, {4, 4, 433, 391}, {441, 4, 155, 391}},
      {"speed bar", 600, 400, true, {4, 35, 592, 360}, {}},
      // A window made smaller than its buttons: nothing negative reaches MoveWindow.
      {"tiny with panel", 100, 5, false, {4, 4, 0, 0}, {0, 4, 155, 0}},
      {"tiny with bar", 5, 20, true, {4, 35, 0, 0}, {}},
  };
  for (const LayoutCase& c : cases) {
    const MainLayout layout = LayOutMainWindow(c.width, c.height, c.useSpeed);
    EXPECT_TRUE(Same(layout.list, c.list)) << c.name;
    EXPECT_TRUE(Same(layout.panel, c.panel)) << c.name;
  }
  const Placement third = PanelButton(LayOutMainWindow(600, 400, false), 2);
  EXPECT_TRUE(Same(third, {445, 68, 147, kPanelButtonHeight}));
}

}  // namespace
}  // namespace quindle::app
