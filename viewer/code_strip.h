#pragma once
// The 76-cell code strip in the region's top row: the only thing the
// device reads. A 0 cell is drawn black, a 1 cell is the magenta fill.

#include <array>
#include <cstdint>

#include "platform/desktop.h"

namespace mirlo {

constexpr int kStripCells = 76;
using StripCells = std::array<uint8_t, kStripCells>;

constexpr uint8_t kLeadRunning = 0x41;  // 'A'
constexpr uint8_t kLeadClosing = 0x53;  // 'S'

// Cells first .. first + count - 1 := the count low bits of v, highest first.
void WriteBits(StripCells& cells, int32_t v, int first, int count);

int32_t StripChecksum(int32_t x0, int32_t y0, int32_t x1, int32_t y1);

StripCells EncodeStrip(bool closing, int32_t x0, int32_t y0, int32_t width, int32_t height);

// Fills the 0 cells as 2 x 1 black rectangles from (cx, cy) rightwards.
void DrawStrip(Desktop& desk, const StripCells& cells, int32_t cx, int32_t cy);

}  // namespace mirlo
