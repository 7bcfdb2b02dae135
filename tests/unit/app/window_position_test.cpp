// The main window's place through the settings: saved from GetWindowPlacement's work-area
// rectangle, restored as the screen place of CreateWindowExA. With the taskbar at the top or on
// the left the work area does not start at the screen's corner; a save and the next start must
// still give the same numbers, or the window creeps a taskbar's width on every start.
#include "app/window_position.h"

#include <gtest/gtest.h>

namespace quindle::app {
namespace {

struct TaskbarCase {
  const char* where;
  WorkAreaOrigin origin;
};

const TaskbarCase kTaskbars[] = {
    {"bottom or right", {0, 0}},
    {"top", {0, 30}},
    {"left", {62, 0}},
    {"left, second monitor above", {62, -40}},
};

TEST(WindowPositionTest, SaveAndRestoreGiveTheSameNumbersWhereverTheTaskbarIs) {
  for (const TaskbarCase& c : kTaskbars) {
    Settings settings;
    settings.mainLeft = 100;
    settings.mainTop = 80;
    settings.mainWidth = 640;
    settings.mainHeight = 424;
    // Five starts: each makes the window at the saved place and saves what the system reports.
    for (int start = 0; start < 5; ++start) {
      const PlaceRect reported = WorkAreaRectOf(settings, c.origin);
      StoreMainWindowPlace(settings, reported, c.origin);
    }
    EXPECT_EQ(settings.mainLeft, 100) << c.where;
    EXPECT_EQ(settings.mainTop, 80) << c.where;
    EXPECT_EQ(settings.mainWidth, 640) << c.where;
    EXPECT_EQ(settings.mainHeight, 424) << c.where;
  }
}

TEST(WindowPositionTest, TheWorkAreaRectangleIsOffsetByTheTaskbar) {
  Settings settings;
  settings.mainLeft = 100;
  settings.mainTop = 80;
  settings.mainWidth = 640;
  settings.mainHeight = 424;
  EXPECT_EQ(WorkAreaRectOf(settings, {0, 30}), (PlaceRect{100, 50, 740, 474}));
  EXPECT_EQ(WorkAreaRectOf(settings, {62, 0}), (PlaceRect{38, 80, 678, 504}));

  // A window the user dragged to the work area's corner is at the taskbar's edge on screen.
  StoreMainWindowPlace(settings, PlaceRect{0, 0, 300, 200}, {62, 0});
  EXPECT_EQ(settings.mainLeft, 62);
  EXPECT_EQ(settings.mainTop, 0);
  EXPECT_EQ(settings.mainWidth, 300);
  EXPECT_EQ(settings.mainHeight, 200);
}

}  // namespace
}  // namespace quindle::app
