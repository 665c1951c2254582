#pragma once

#include <cstdint>
#include <string>

#include "stripread/image.h"

namespace testutil {

constexpr uint32_t kGrey = 0x808080;

stripread::Image Canvas(int w, int h, uint32_t colour);
void Fill(stripread::Image& img, int x, int y, int w, int h, uint32_t colour);
void Set(stripread::Image& img, int x, int y, uint32_t colour);

// cells is a string of '0'/'1', one character per two-pixel cell.
void DrawCells(stripread::Image& img, int x, int y, const std::string& cells);
// The same, each cell cellWidth pixels wide and rows pixels high.
void DrawCells(stripread::Image& img, int x, int y, const std::string& cells, int cellWidth,
               int rows);

// The 76 cells a screen would show; checksum is passed in so tests can lie.
std::string EncodeCells(char lead, int x0, int y0, int x1, int y1, int checksum);
int ExpectedChecksum(int x0, int y0, int x1, int y1);

// A magenta region x0..x1 x y0..y1 with a correct strip at its top-left.
void DrawRegion(stripread::Image& img, char lead, int x0, int y0, int x1, int y1);

}  // namespace testutil
