#include "viewer/code_strip.h"

#include "viewer/colors.h"

namespace mirlo {

void WriteBits(StripCells& cells, int32_t v, int first, int count) {
  // Negative values are written as the low bits of their two's complement.
  const uint32_t bits = static_cast<uint32_t>(v);
  for (int j = 0; j < count; ++j) {
    cells[first + count - 1 - j] = static_cast<uint8_t>((bits >> j) & 1u);
  }
}

int32_t StripChecksum(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  // High byte plus low byte of each coordinate. A negative coordinate (only
  // the empty region on a missing monitor) counts as its 32-bit two's
  // complement, so the sum cannot match what the device reads from the
  // 11-bit fields and the strip is never taken for a real rectangle.
  uint32_t sum = 0;
  for (int32_t v : {x0, y0, x1, y1}) {
    const uint32_t u = static_cast<uint32_t>(v);
    sum += (u / 256) + (u % 256);
  }
  return static_cast<int32_t>(sum % 256);
}

StripCells EncodeStrip(bool closing, int32_t x0, int32_t y0, int32_t width, int32_t height) {
  const int32_t x1 = x0 + width - 1;
  const int32_t y1 = y0 + height - 1;
  StripCells cells{};
  WriteBits(cells, closing ? kLeadClosing : kLeadRunning, 0, 8);
  WriteBits(cells, 0x42, 8, 8);
  WriteBits(cells, 0x43, 16, 8);
  WriteBits(cells, x0, 24, 11);
  WriteBits(cells, y0, 35, 11);
  WriteBits(cells, x1, 46, 11);
  WriteBits(cells, y1, 57, 11);
  WriteBits(cells, StripChecksum(x0, y0, x1, y1), 68, 8);
  return cells;
}

void DrawStrip(Desktop& desk, const StripCells& cells, int32_t cx, int32_t cy) {
  for (int k = 0; k < kStripCells; ++k) {
    if (cells[k] == 0) {
      desk.FillRect(Rect{cx + 2 * k, cy, cx + 2 * k + 2, cy + 1}, kBlack);
    }
  }
}

}  // namespace mirlo
