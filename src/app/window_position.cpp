#include "app/window_position.h"

namespace quindle::app {

void StoreMainWindowPlace(Settings& settings, const PlaceRect& normal, WorkAreaOrigin origin) {
  settings.mainLeft = normal.left + origin.x;
  settings.mainTop = normal.top + origin.y;
  settings.mainWidth = normal.right - normal.left;
  settings.mainHeight = normal.bottom - normal.top;
}

PlaceRect WorkAreaRectOf(const Settings& settings, WorkAreaOrigin origin) {
  const int left = settings.mainLeft - origin.x;
  const int top = settings.mainTop - origin.y;
  return PlaceRect{left, top, left + settings.mainWidth, top + settings.mainHeight};
}

}  // namespace quindle::app
