#include "dialogs/display_check_text.h"

#include "platform/desktop_types.h"
#include "stripread/strip.h"

namespace mirlo {

const char kDisplayCheckCaption[] = "表示の確認";

namespace {

using stripcheck::Desk;
using stripcheck::Diagnosis;
using stripcheck::Finding;
using stripcheck::Problem;
using stripread::RegionFault;

// A title longer than this is cut: the box stays a box.
constexpr std::size_t kNameCharacters = 60;

// The box's text, written piece by piece: Shift-JIS words and numbers, and
// window titles in the UTF-8 the window system gave them in.
class Words {
 public:
  Words& operator<<(const char* shiftJis) {
    words_ += shiftJis;
    return *this;
  }
  Words& operator<<(int n) {
    words_ += std::to_string(n);
    return *this;
  }
  Words& At(int x, int y) { return *this << "(" << x << "," << y << ")"; }
  Words& Size(int w, int h) { return *this << w << "×" << h; }
  Words& Colour(uint32_t rgb) {
    char hex[8] = "#";
    for (int i = 0; i < 6; ++i) hex[1 + i] = "0123456789ABCDEF"[(rgb >> (20 - 4 * i)) & 0xF];
    return *this << hex;
  }
  // "ウィンドウ「title」"
  Words& Window(const std::string& utf8) {
    std::size_t end = 0, characters = 0;
    for (; end < utf8.size(); ++end) {
      const bool starts = (static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80;
      if (starts && characters++ == kNameCharacters) break;
    }
    *this << "ウィンドウ「";
    Flush();
    text_ += UserText::Utf8(utf8.substr(0, end));
    return *this << "」";
  }
  UserText Text() {
    Flush();
    return text_;
  }

 private:
  void Flush() {
    text_ += UserText(words_);
    words_.clear();
  }
  UserText text_;
  std::string words_;
};

void Found(Words& w, const Desk& desk, const Diagnosis& d, const Finding& f) {
  const stripread::Strip& s = f.strip;
  const stripread::RegionCheck& r = f.region;
  switch (f.problem) {
    case Problem::None:
      w << "先頭の文字 " << (s.lead == 'S' ? "S（終了中）" : "A（動作中）") << "、描画領域の位置 ";
      w.At(s.x0, s.y0) << "-";
      w.At(s.x1, s.y1) << "、サイズ ";
      w.Size(s.x1 - s.x0 + 1, s.y1 - s.y0 + 1);
      return;
    case Problem::UnusableMonitor:
      w << (f.hasStrip ? "ストリップはありますが、VELTA-9 はこのモニターの解像度を使えません。"
                       : "VELTA-9 はこのモニターの解像度を使えません。");
      return;
    case Problem::Covered:
      w << "ほかの";
      w.Window(desk.viewer.above[static_cast<std::size_t>(f.window)].name) << "がストリップの行に重なっています。";
      return;
    case Problem::NotMagenta:
      switch (r.fault) {
        case RegionFault::NotMagenta:
          w << "描画領域の中の ";
          w.At(r.x, r.y) << " が ";
          w.Colour(desk.monitors[static_cast<std::size_t>(f.monitor)].image.at(r.x, r.y)) << " で、マゼンタではありません。";
          break;
        case RegionFault::MagentaOutside:
          w << "描画領域のすぐ外の ";
          w.At(r.x, r.y) << " もマゼンタです。";
          break;
        case RegionFault::Misplaced:
          w << "ストリップが ";
          w.At(s.atX, s.atY) << " にあり、ストリップが示す描画領域の左上 ";
          w.At(s.x0, s.y0) << " と合いません。";
          return;
        case RegionFault::TooSmall:
          w << "ストリップが示す描画領域が小さすぎて、ストリップが収まりません。";
          return;
        case RegionFault::OffImage:
          w << "ストリップが示す描画領域が、モニターからはみ出しています。";
          return;
        case RegionFault::None:
          w << "マゼンタの部分が、ストリップが示す描画領域と同じではありません。";
          return;
      }
      if (f.window >= 0) w.Window(desk.viewer.above[static_cast<std::size_t>(f.window)].name) << "が重なっています。";
      return;
    case Problem::BadChecksum:
      w << "ストリップのチェックサム " << s.checksum << " が、書かれている座標から求めた "
        << stripread::StripChecksum(s.x0, s.y0, s.x1, s.y1) << " と合いません。";
      return;
    case Problem::Scaled:
      w << "表示の拡大縮小で、ビューアが " << f.scalePercent << "% に引き伸ばされています。";
      return;
    case Problem::NoStrip:
      if (!desk.viewer.found) {
        w << "ストリップはありません。ビューアのウィンドウが見つかりません。";
      } else if (d.viewerMonitor < 0) {
        w << "ストリップはありません。ビューアがどのモニターにもありません。";
      } else if (d.viewerMonitor != f.monitor) {
        w << "ストリップはありません。ビューアはモニター " << d.viewerMonitor << " にあります。";
      } else {
        w << "ビューアはこのモニターにありますが、ストリップを読み取れません。";
      }
      return;
  }
}

// What to do, word for word as the help's troubleshooting page says it.
const char* WhatToDo(const Desk& desk, const Diagnosis& d, const Finding& f) {
  switch (f.problem) {
    case Problem::None:
      return nullptr;
    case Problem::UnusableMonitor:
      return "VELTA-9 をつなぐモニターは、使用できる 10 種類の解像度のどれかにしてください。";
    case Problem::Covered:
      return "そのウィンドウをどけるか、表示 → 常に最前面 か全画面表示を使ってください。";
    case Problem::NotMagenta:
      return "描画領域に重なっているもの（ほかのウィンドウ、画面に色を重ねるアプリなど）をどけてください。";
    case Problem::BadChecksum:
      return "ストリップに重なっているもの（通知、ほかのアプリの表示など）をどけてください。";
    case Problem::Scaled:
      return "MirloViewer.exe のプロパティ → 互換性 → 高 DPI 設定の変更 で、DPI スケールの上書きを"
             "やめてください。";
    case Problem::NoStrip:
      if (!desk.viewer.found) return "MirloViewer を起動し直してください。";
      if (d.viewerMonitor < 0) return "表示 → モニタ間移動 で、ビューアをモニターの上に戻してください。";
      if (d.viewerMonitor != f.monitor)
        return "VELTA-9 をこのモニターにつないでいるときは、表示 → モニタ間移動 でビューアを移してください。";
      return "ストリップに重なっているものや、画面を拡大するツールがないか確かめてください。";
  }
  return nullptr;
}

void Verdict(Words& w, const Diagnosis& d) {
  if (d.validStrips == 0) {
    w << "VELTA-9 が読み取れるストリップはありません。";
  } else if (d.validStrips > 1) {
    w << "VELTA-9 が読み取れるストリップが " << d.validStrips
      << " 個あります。VELTA-9 が使えるのは 1 個だけです。\n→ ストリップを映しているほかのウィンドウ"
         "（画面の共有、録画、リモート デスクトップなど）を閉じてください。";
  } else {
    for (const Finding& f : d.findings) {
      if (f.hasStrip && f.problem == Problem::None)
        w << "VELTA-9 はモニター " << f.monitor << " のストリップを読み取れます。";
    }
  }
}

}  // namespace

UserText DisplayCheckText(const Desk& desk, const Diagnosis& d) {
  Words w;
  Verdict(w, d);
  for (const Finding& f : d.findings) {
    const Rect& b = desk.monitors[static_cast<std::size_t>(f.monitor)].bounds;
    w << "\n\nモニター " << f.monitor << "（";
    w.Size(b.Width(), b.Height()) << "）: ";
    Found(w, desk, d, f);
    if (const char* todo = WhatToDo(desk, d, f)) w << "\n→ " << todo;
  }
  return w.Text();
}

unsigned DisplayCheckFlags(const Diagnosis& d) {
  return kMbOk | (d.validStrips == 1 ? kMbIconInformation : kMbIconWarning);
}

}  // namespace mirlo
