// The chooser of a popup menu ("Choose A Macro") apart from any window: what its three option
// characters mean, how large it is in each layout, which key label each row carries and which row
// a key chooses, and where it stands on the screen.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quindle::app {

inline constexpr std::string_view kChooserCaption = "Choose A Macro";
inline constexpr std::string_view kChooserHint = "Double Click or Press Number or Letter";
inline constexpr std::string_view kChooserTextTitle = "Macro Text";
inline constexpr std::string_view kChooserNameTitle = "Name";
inline constexpr std::string_view kChooserScopeTitle = "Scope";

// What the chooser shows for each member (the second option character).
enum class ChooserLayout { Text, Icons, NameAndScope };

// The three option characters of a menu record, read and written.
struct MenuOptions {
  bool tray = false;  // "Y": the menu's icon in the notification area
  ChooserLayout layout = ChooserLayout::NameAndScope;  // "1", "2", "3"
  int sizeIndex = 0;                                   // "0".."4": 16, 24, 32, 48 or 64 pixels
};
// Anything unknown reads as its default: no tray icon, nickname and scope, 16 pixels.
MenuOptions ParseMenuOptions(std::string_view options);
// Always three characters: "Y" or "N", "1".."3", "0".."4".
std::string MenuOptionsText(const MenuOptions& options);
int IconSizeOf(int sizeIndex);
char LayoutChar(ChooserLayout layout);
// The layout a setting digit stands for ("System Menu": 1, 2 or 3).
ChooserLayout LayoutOfDigit(char digit);

// Pixel rectangles inside the client area.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

inline constexpr int kChooserRowHeight = 17;
inline constexpr int kChooserRowsPerColumn = 18;
inline constexpr int kChooserIconsPerRow = 9;
inline constexpr int kChooserListWidth = 300;
inline constexpr int kChooserColumnGap = 4;  // the two lists of 604 pixels: 300 + 4 + 300

// The whole chooser for `members` entries.
struct ChooserGeometry {
  int clientWidth = 0;
  int clientHeight = 0;
  // List layouts: one list, or two side by side (second.width 0 when there is one), each with
  // its title band above it.
  PixelRect firstList;
  PixelRect secondList;
  int titleTop = 0;
  // Icon layout: the side of each square button; the buttons fill rows of nine from the top.
  int buttonSide = 0;
  PixelRect cancel;
  PixelRect hint;  // list layouts only
};
ChooserGeometry LayOutChooser(ChooserLayout layout, int members, int iconSize);
// The rectangle of icon button `index` (0-based, menu order).
PixelRect IconButtonRect(int index, int buttonSide);

// "0".."9" for rows 0..9, "A".."Z" for rows 10..35; rows after that carry no label and are chosen
// by a double click only.
std::string KeyLabel(int row);
// The row a typed character chooses: digits rows 0..9, a letter of either case row 10 + its place
// in the alphabet; nothing for another character or a row that does not exist.
std::optional<int> RowOfKey(char key, int members);
// Which list a row is in (0 the first, 1 the second) and its place there.
struct ListPlace {
  int list = 0;
  int index = 0;
};
ListPlace PlaceOfRow(int row);

// Where the chooser's outer window goes. Opened by a hotkey it is centred on the screen; from
// the menu's tray icon its bottom edge sits on the bottom of the screen and its left edge at the
// click, moved left by its width when it would pass the right edge, never left of 0.
struct ChooserOrigin {
  int left = 0;
  int top = 0;
};
ChooserOrigin PlaceChooser(int width, int height, int screenWidth, int screenHeight,
                           std::optional<int> clickX);

}  // namespace quindle::app
