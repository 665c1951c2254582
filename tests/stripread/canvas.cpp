#include "canvas.h"

namespace testutil {

using stripread::Image;

Image Canvas(int w, int h, uint32_t colour) {
  Image img;
  img.width = w;
  img.height = h;
  img.pixels.assign(static_cast<size_t>(w) * h, colour);
  return img;
}

void Set(Image& img, int x, int y, uint32_t colour) {
  img.pixels[static_cast<size_t>(y) * img.width + x] = colour;
}

void Fill(Image& img, int x, int y, int w, int h, uint32_t colour) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(img, i, j, colour);
}

void DrawCells(Image& img, int x, int y, const std::string& cells) {
  for (size_t k = 0; k < cells.size(); ++k) {
    const uint32_t c = cells[k] == '1' ? stripread::kMagenta : stripread::kBlack;
    Set(img, x + 2 * static_cast<int>(k), y, c);
    Set(img, x + 2 * static_cast<int>(k) + 1, y, c);
  }
}

void DrawCells(Image& img, int x, int y, const std::string& cells, int cellWidth, int rows) {
  for (size_t k = 0; k < cells.size(); ++k) {
    const uint32_t c = cells[k] == '1' ? stripread::kMagenta : stripread::kBlack;
    Fill(img, x + cellWidth * static_cast<int>(k), y, cellWidth, rows, c);
  }
}

static std::string Bits(int value, int count) {
  std::string s;
  for (int i = count - 1; i >= 0; --i) s += ((value >> i) & 1) ? '1' : '0';
  return s;
}

std::string EncodeCells(char lead, int x0, int y0, int x1, int y1, int checksum) {
  return Bits(lead, 8) + Bits('B', 8) + Bits('C', 8) + Bits(x0, 11) + Bits(y0, 11) +
         Bits(x1, 11) + Bits(y1, 11) + Bits(checksum, 8);
}

int ExpectedChecksum(int x0, int y0, int x1, int y1) {
  return (x0 / 256 + x0 % 256 + y0 / 256 + y0 % 256 + x1 / 256 + x1 % 256 + y1 / 256 +
          y1 % 256) % 256;
}

void DrawRegion(Image& img, char lead, int x0, int y0, int x1, int y1) {
  Fill(img, x0, y0, x1 - x0 + 1, y1 - y0 + 1, stripread::kMagenta);
  DrawCells(img, x0, y0, EncodeCells(lead, x0, y0, x1, y1, ExpectedChecksum(x0, y0, x1, y1)));
}

}  // namespace testutil
