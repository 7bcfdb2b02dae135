// The main window's place as the settings keep it. The settings hold screen coordinates, the
// ones CreateWindowExA takes when the window is made again. The system reports a window's
// restored place (GetWindowPlacement) in work-area coordinates instead, which start at the top
// left of the work area: with the taskbar at the top or on the left they differ from screen
// coordinates by the taskbar's size, and a place saved unconverted moves the window by that
// much on every start.
#pragma once

#include "app/settings.h"

namespace quindle::app {

struct PlaceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const PlaceRect&) const = default;
};

// Where the work area's top left corner lies on the screen, relative to its monitor's corner.
struct WorkAreaOrigin {
  int x = 0;
  int y = 0;
};

// The settings' place of a window whose restored rectangle is `normal`, in work-area coordinates.
void StoreMainWindowPlace(Settings& settings, const PlaceRect& normal, WorkAreaOrigin origin);

// The rectangle in work-area coordinates that the settings' place means; what StoreMainWindowPlace
// would get back from the system for a window made at the settings' place.
PlaceRect WorkAreaRectOf(const Settings& settings, WorkAreaOrigin origin);

}  // namespace quindle::app
