#pragma once
// The viewer's popup menu PopupMenu1 as the form description creates it.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace mirlo {

class TForm1;

// Command identifiers of the menu items, named after the form's components.
enum class MenuItem : int {
  None = 0,
  N2 = 1000, N3, N4, N5, N6, N3201, N6401, N8001, N10241, N12801, N14401,
  N7, N8, N9, N10, N11, N12,
  N13, N14, N15,
  N16, HtmlHelp, VersionInfo,
  N1, Quit,
  // The typed placement dialog and the lock, at the end of the 表示 submenu.
  PositionAndSize, LockPosition,
  // The display check, at the end of the ヘルプ submenu.
  DisplayCheck,
};

inline int Id(MenuItem item) { return static_cast<int>(item); }

struct PopupMenuItem {
  MenuItem item;
  MenuItem parent;
  const char* caption;
  void (TForm1::*handler)();  // null for items that only open a submenu
};

// All 28 items in menu order.
const std::vector<PopupMenuItem>& PopupMenu1();

std::vector<MenuEntry> PopupMenu1Entries();

struct WidthItem {
  MenuItem item;
  int32_t width;
};

// The six region-width items, narrowest first.
const std::vector<WidthItem>& WidthItems();

// "640（ノーマル）" for aspect 0, "640（ワイド）" for aspect 1.
std::string WidthCaption(int32_t width, bool wide);

}  // namespace mirlo
