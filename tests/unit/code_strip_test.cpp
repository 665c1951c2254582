#include "viewer/code_strip.h"

#include <gtest/gtest.h>

#include <string>

namespace mirlo {
namespace {

std::string CellString(const StripCells& cells) {
  std::string s;
  for (uint8_t c : cells) s += char('0' + c);
  return s;
}

TEST(CodeStripTest, WorkedExamplesCellForCell) {
  // 640 x 480 at column 100, row 50 of its monitor.
  EXPECT_EQ(CellString(EncodeStrip(false, 100, 50, 640, 480)),
            "0100000101000010010000110000110010000000110010010111000110100001000110001110");
  EXPECT_EQ(StripChecksum(100, 50, 739, 529), 142);
  // The closing strip differs only in the lead letter.
  const std::string closing = CellString(EncodeStrip(true, 100, 50, 640, 480));
  EXPECT_EQ(closing.substr(0, 8), "01010011");
  EXPECT_EQ(closing.substr(8),
            CellString(EncodeStrip(false, 100, 50, 640, 480)).substr(8));
  // A whole 1280 x 1024 monitor.
  EXPECT_EQ(CellString(EncodeStrip(false, 0, 0, 1280, 1024)),
            "0100000101000010010000110000000000000000000000100111111110111111111100000101");
}

TEST(CodeStripTest, ByteSumOf256GivesChecksumZero) {
  // x1 = 255 and y1 = 0 + ... : 0 + 0 + (0 + 255) + (0 + 1) = 256.
  EXPECT_EQ(StripChecksum(0, 0, 255, 1), 0);
  const StripCells cells = EncodeStrip(false, 0, 0, 256, 2);
  for (int k = 68; k < 76; ++k) EXPECT_EQ(cells[k], 0) << "cell " << k;
}

TEST(CodeStripTest, MovingOnePixelRightRaisesChecksumByTwoOrThree) {
  EXPECT_EQ(StripChecksum(101, 50, 740, 529), (142 + 2) % 256);
  // x0 passes 256: its high byte rises by one while its low byte falls to 0.
  EXPECT_EQ((StripChecksum(256, 0, 575, 239) - StripChecksum(255, 0, 574, 239) + 256) % 256,
            256 - 255 + 1 + 1);
}

TEST(CodeStripTest, CoordinatePast2047KeepsItsLow11Bits) {
  const StripCells cells = EncodeStrip(false, 2048 + 5, 0, 320, 240);
  StripCells expected{};
  WriteBits(expected, 5, 24, 11);
  for (int k = 24; k < 35; ++k) EXPECT_EQ(cells[k], expected[k]) << "cell " << k;
  // The checksum still counts the full value, so the device, reading 5, rejects it.
  EXPECT_EQ(StripChecksum(2053, 0, 2372, 239), (8 + 5 + 9 + 68 + 0 + 239) % 256);
  EXPECT_NE(StripChecksum(2053, 0, 2372, 239), StripChecksum(5, 0, 2372 - 2048, 239));
}

TEST(CodeStripTest, NegativeValuesAreTwosComplementInCellsAndChecksum) {
  // The empty region on a missing monitor: x1 = y1 = -1.
  const StripCells cells = EncodeStrip(false, 0, 0, 0, 0);
  for (int k = 46; k < 68; ++k) EXPECT_EQ(cells[k], 1) << "cell " << k;
  // -1 is 0xFFFFFFFF: high part 0xFFFFFF, low byte 0xFF, twice.
  EXPECT_EQ(StripChecksum(0, 0, -1, -1), (0xFF + 0xFF + 0xFF + 0xFF) % 256);
  // What the device would compute from the 11-bit fields (2047, 2047) differs.
  EXPECT_NE(StripChecksum(0, 0, -1, -1), StripChecksum(0, 0, 2047, 2047));
}

TEST(CodeStripTest, WriteBitsWritesOnlyItsCellsHighestFirst) {
  StripCells cells{};
  cells.fill(7);
  WriteBits(cells, 0b1011, 3, 4);
  EXPECT_EQ(cells[2], 7);
  EXPECT_EQ(cells[3], 1);
  EXPECT_EQ(cells[4], 0);
  EXPECT_EQ(cells[5], 1);
  EXPECT_EQ(cells[6], 1);
  EXPECT_EQ(cells[7], 7);
}

}  // namespace
}  // namespace mirlo
