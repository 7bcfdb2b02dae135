#include "app/popup_menu_layout.h"

#include <algorithm>
#include <array>

namespace quindle::app {
namespace {

constexpr std::array<int, 5> kIconSizes{16, 24, 32, 48, 64};
// The list layouts: a band for the column titles above the lists and one for Cancel and the hint
// below them (42 pixels together); each list is its rows plus 8.
constexpr int kTitleBand = 16;
constexpr int kListPadding = 8;
constexpr int kButtonBandHeight = 22;  // the icon layout's Cancel band
constexpr int kCancelWidth = 60;
constexpr int kCancelHeight = 20;
constexpr int kFewestIconColumns = 4;

int ListHeight(int rows) {
  return rows * kChooserRowHeight + kListPadding;
}

}  // namespace

MenuOptions ParseMenuOptions(std::string_view options) {
  MenuOptions parsed;
  if (!options.empty()) parsed.tray = options[0] == 'Y';
  if (options.size() > 1) parsed.layout = LayoutOfDigit(options[1]);
  if (options.size() > 2 && options[2] >= '0' && options[2] <= '4')
    parsed.sizeIndex = options[2] - '0';
  return parsed;
}

std::string MenuOptionsText(const MenuOptions& options) {
  const int size = std::clamp(options.sizeIndex, 0, static_cast<int>(kIconSizes.size()) - 1);
  return {options.tray ? 'Y' : 'N', LayoutChar(options.layout), static_cast<char>('0' + size)};
}

int IconSizeOf(int sizeIndex) {
  if (sizeIndex < 0 || sizeIndex >= static_cast<int>(kIconSizes.size())) return kIconSizes[0];
  return kIconSizes[static_cast<std::size_t>(sizeIndex)];
}

char LayoutChar(ChooserLayout layout) {
  switch (layout) {
    case ChooserLayout::Text:
      return '1';
    case ChooserLayout::Icons:
      return '2';
    case ChooserLayout::NameAndScope:
      break;
  }
  return '3';
}

ChooserLayout LayoutOfDigit(char digit) {
  if (digit == '1') return ChooserLayout::Text;
  if (digit == '2') return ChooserLayout::Icons;
  return ChooserLayout::NameAndScope;
}

ChooserGeometry LayOutChooser(ChooserLayout layout, int members, int iconSize) {
  ChooserGeometry g;
  members = std::max(members, 0);
  if (layout == ChooserLayout::Icons) {
    g.buttonSide = iconSize + 4;
    const int rows = std::max(1, (members + kChooserIconsPerRow - 1) / kChooserIconsPerRow);
    const int columns = members > 8 ? kChooserIconsPerRow : std::max(members, kFewestIconColumns);
    g.clientWidth = columns * g.buttonSide;
    g.clientHeight = rows * g.buttonSide + kButtonBandHeight;
    const int width = std::min(kCancelWidth, g.clientWidth - 4);
    g.cancel = {(g.clientWidth - width) / 2, rows * g.buttonSide + 1, width, kCancelHeight};
    return g;
  }
  g.titleTop = 0;
  const int firstRows = std::min(members, kChooserRowsPerColumn);
  g.firstList = {0, kTitleBand, kChooserListWidth, ListHeight(firstRows)};
  g.clientWidth = kChooserListWidth;
  if (members > kChooserRowsPerColumn) {
    g.secondList = {kChooserListWidth + kChooserColumnGap, kTitleBand, kChooserListWidth,
                    ListHeight(members - kChooserRowsPerColumn)};
    g.clientWidth = 2 * kChooserListWidth + kChooserColumnGap;
  }
  g.clientHeight = g.firstList.height + 42;
  const int bandTop = kTitleBand + g.firstList.height;
  g.cancel = {4, bandTop + 3, kCancelWidth, kCancelHeight};
  g.hint = {kCancelWidth + 10, bandTop + 6, g.clientWidth - kCancelWidth - 12, 16};
  return g;
}

PixelRect IconButtonRect(int index, int buttonSide) {
  return {(index % kChooserIconsPerRow) * buttonSide, (index / kChooserIconsPerRow) * buttonSide,
          buttonSide, buttonSide};
}

std::string KeyLabel(int row) {
  if (row >= 0 && row <= 9) return std::string(1, static_cast<char>('0' + row));
  if (row >= 10 && row < 36) return std::string(1, static_cast<char>('A' + row - 10));
  return {};
}

std::optional<int> RowOfKey(char key, int members) {
  int row = -1;
  if (key >= '0' && key <= '9') row = key - '0';
  if (key >= 'A' && key <= 'Z') row = 10 + key - 'A';
  if (key >= 'a' && key <= 'z') row = 10 + key - 'a';
  if (row < 0 || row >= members) return std::nullopt;
  return row;
}

ListPlace PlaceOfRow(int row) {
  if (row < kChooserRowsPerColumn) return {0, row};
  return {1, row - kChooserRowsPerColumn};
}

ChooserOrigin PlaceChooser(int width, int height, int screenWidth, int screenHeight,
                           std::optional<int> clickX) {
  if (!clickX) {
    return {width >= screenWidth ? 0 : (screenWidth - width) / 2,
            height >= screenHeight ? 0 : (screenHeight - height) / 2};
  }
  int left = *clickX;
  if (left + width > screenWidth) left -= width;
  return {std::max(left, 0), std::max(screenHeight - height, 0)};
}

}  // namespace quindle::app
