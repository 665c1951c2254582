#include "desk_gen.h"

namespace mirlo::session {

namespace {

struct Size {
  int32_t w, h;
};

const std::vector<Size> kUsable = {{640, 480},   {800, 600},   {1024, 768},  {1280, 768},
                                   {1360, 768},  {1280, 1024}, {1600, 1200}, {1440, 900},
                                   {1680, 1050}, {1920, 1200}};
const std::vector<Size> kSmallUsable = {{640, 480}, {800, 600}};
const std::vector<Size> kUnusable = {{1920, 1080}, {1366, 768}, {1280, 800}, {1280, 720},
                                     {1152, 864},  {1024, 600}, {639, 480},  {641, 480},
                                     {800, 601},   {300, 200},  {100, 100},  {1024, 767}};

const std::vector<Size> kSmallUnusable = {{639, 480}, {641, 480}, {800, 601}, {300, 200}, {100, 100}};

Size RandomSize(Rng& rng, bool usable, bool small) {
  if (small) return usable ? rng.Pick(kSmallUsable) : rng.Pick(kSmallUnusable);
  if (usable) return rng.Percent(70) ? rng.Pick(kSmallUsable) : rng.Pick(kUsable);
  if (rng.Percent(3)) return Size{2560, 1440};  // coordinates past the strip's 11 bits
  return rng.Pick(kUnusable);
}

// Bounds less what docked bars take, on any edge; now and then so much that
// not even the smallest viewer fits.
Rect RandomWork(Rng& rng, const Rect& b) {
  int32_t inset[4] = {0, 0, 0, 0};  // left, top, right, bottom
  const int roll = rng.Below(10);
  if (roll < 3) {
    // no bars
  } else if (roll < 8) {
    inset[rng.Below(4)] = static_cast<int32_t>(rng.Between(1, 60));
  } else if (roll < 9) {
    for (int32_t& i : inset) i = static_cast<int32_t>(rng.Between(0, 40));
  } else {
    // Leaves between 60 and 400 pixels each way.
    const int32_t w = static_cast<int32_t>(rng.Between(60, std::min<int32_t>(400, b.Width())));
    const int32_t h = static_cast<int32_t>(rng.Between(60, std::min<int32_t>(400, b.Height())));
    inset[0] = static_cast<int32_t>(rng.Between(0, b.Width() - w));
    inset[1] = static_cast<int32_t>(rng.Between(0, b.Height() - h));
    inset[2] = b.Width() - w - inset[0];
    inset[3] = b.Height() - h - inset[1];
  }
  for (int k = 0; k < 4; ++k) {
    const int32_t extent = (k % 2 == 0) ? b.Width() : b.Height();
    if (inset[k] > extent / 3 && roll < 9) inset[k] = extent / 3;
  }
  return Rect{b.left + inset[0], b.top + inset[1], b.right - inset[2], b.bottom - inset[3]};
}

}  // namespace

bool UsableSize(int32_t width, int32_t height) {
  for (const Size& s : kUsable) {
    if (s.w == width && s.h == height) return true;
  }
  return false;
}

std::vector<SimMonitor> RandomDesk(Rng& rng, bool allowNoUsable, bool small) {
  const int count = static_cast<int>(rng.Between(1, 3));
  std::vector<bool> usable(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) usable[static_cast<size_t>(i)] = rng.Percent(60);
  if (!(allowNoUsable && rng.Percent(20))) {
    bool any = false;
    for (bool u : usable) any = any || u;
    if (!any) usable[static_cast<size_t>(rng.Below(count))] = true;
  }
  // Monitor 0 sits at the origin or anywhere around it; the others follow
  // in a row to the right or left, or a column down or up.
  int32_t x = 0, y = 0;
  if (rng.Percent(30)) {
    x = static_cast<int32_t>(rng.Between(-4000, 2000));
    y = static_cast<int32_t>(rng.Between(-2000, 1000));
  }
  const int direction = rng.Below(4);
  std::vector<SimMonitor> monitors;
  Rect previous{};
  for (int i = 0; i < count; ++i) {
    const Size s = RandomSize(rng, usable[static_cast<size_t>(i)], small);
    Rect b{x, y, x + s.w, y + s.h};
    if (i > 0) {
      const int32_t shift = static_cast<int32_t>(rng.Between(-200, 200));
      switch (direction) {
        case 0: b = Rect{previous.right, previous.top + shift, previous.right + s.w, previous.top + shift + s.h}; break;
        case 1: b = Rect{previous.left - s.w, previous.top + shift, previous.left, previous.top + shift + s.h}; break;
        case 2: b = Rect{previous.left + shift, previous.bottom, previous.left + shift + s.w, previous.bottom + s.h}; break;
        default: b = Rect{previous.left + shift, previous.top - s.h, previous.left + shift + s.w, previous.top}; break;
      }
    }
    monitors.push_back(SimMonitor{b, RandomWork(rng, b)});
    previous = b;
  }
  return monitors;
}

std::string DescribeDesk(const std::vector<SimMonitor>& monitors) {
  std::string out;
  auto rect = [](const Rect& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
  };
  for (size_t i = 0; i < monitors.size(); ++i) {
    const Rect& b = monitors[i].bounds;
    out += (i ? "; [" : "[") + std::to_string(i) + "] " + std::to_string(b.Width()) + "x" +
           std::to_string(b.Height()) + (UsableSize(b.Width(), b.Height()) ? "" : " unusable") +
           " " + rect(b) + " work " + rect(monitors[i].work);
  }
  return out;
}

}  // namespace mirlo::session
