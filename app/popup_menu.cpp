#include "app/popup_menu.h"

#include "app/form1.h"

namespace mirlo {

const std::vector<PopupMenuItem>& PopupMenu1() {
  using M = MenuItem;
  static const std::vector<PopupMenuItem> items = {
      {M::N2, M::None, "表示", nullptr},
      {M::N3, M::N2, "サイズ", nullptr},
      {M::N4, M::N3, "全画面", &TForm1::N4Click},
      {M::N5, M::N3, "全画面（ノーマル）", &TForm1::N5Click},
      {M::N6, M::N3, "全画面（ワイド）", &TForm1::N6Click},
      {M::N3201, M::N3, "320（ノーマル）", &TForm1::N3201Click},
      {M::N6401, M::N3, "640（ノーマル）", &TForm1::N6401Click},
      {M::N8001, M::N3, "800（ノーマル）", &TForm1::N8001Click},
      {M::N10241, M::N3, "1024（ノーマル）", &TForm1::N10241Click},
      {M::N12801, M::N3, "1280（ノーマル）", &TForm1::N12801Click},
      {M::N14401, M::N3, "1440（ノーマル）", &TForm1::N14401Click},
      {M::N7, M::N2, "常に最前面", &TForm1::N7Click},
      {M::N8, M::N2, "プリセット１", &TForm1::N8Click},
      {M::N9, M::N2, "プリセット２", &TForm1::N9Click},
      {M::N10, M::N2, "プリセット３", &TForm1::N10Click},
      {M::N11, M::N2, "モニタ間移動", &TForm1::N11Click},
      {M::N12, M::N2, "表示情報", &TForm1::N12Click},
      {M::PositionAndSize, M::N2, "位置とサイズを指定...", &TForm1::PositionAndSizeClick},
      {M::LockPosition, M::N2, "位置を固定", &TForm1::LockPositionClick},
      {M::N13, M::None, "アスペクト", nullptr},
      {M::N14, M::N13, "ノーマル", &TForm1::N14Click},
      {M::N15, M::N13, "ワイド", &TForm1::N15Click},
      {M::N16, M::None, "ヘルプ", nullptr},
      {M::HtmlHelp, M::N16, "ヘルプを表示", &TForm1::HtmlHelpClick},
      {M::VersionInfo, M::N16, "バージョン情報", &TForm1::VersionInfoClick},
      {M::DisplayCheck, M::N16, "表示の確認", &TForm1::DisplayCheckClick},
      {M::N1, M::None, "設定", &TForm1::N1Click},
      {M::Quit, M::None, "終了", &TForm1::QuitClick},
  };
  return items;
}

std::vector<MenuEntry> PopupMenu1Entries() {
  std::vector<MenuEntry> entries;
  for (const PopupMenuItem& i : PopupMenu1()) {
    entries.push_back(MenuEntry{Id(i.item), Id(i.parent), i.caption});
  }
  return entries;
}

const std::vector<WidthItem>& WidthItems() {
  using M = MenuItem;
  static const std::vector<WidthItem> items = {
      {M::N3201, 320},   {M::N6401, 640},   {M::N8001, 800},
      {M::N10241, 1024}, {M::N12801, 1280}, {M::N14401, 1440},
  };
  return items;
}

std::string WidthCaption(int32_t width, bool wide) {
  return std::to_string(width) + (wide ? "（ワイド）" : "（ノーマル）");
}

}  // namespace mirlo
