// The layout arithmetic on plain rectangles.
#include <gtest/gtest.h>

#include "dialog/geometry.h"

namespace {

TEST(Geometry, ButtonWidthHalvesTheAverageFirst) {
  EXPECT_EQ(72, ButtonWidth(24, 7));
  EXPECT_EQ(96, ButtonWidth(24, 8));
  EXPECT_EQ(320, ButtonWidth(80, 9));
  EXPECT_EQ(0, ButtonWidth(24, 1));
}

struct CentreCase {
  int clientWidth, firstWidth, secondWidth, gap;
  int firstX, secondX;
};

const CentreCase kCentreCases[] = {
    {315, 72, 72, 22, 74, 169},     // default sizes: the odd pixel goes between
    {315, 96, 96, 22, 50, 169},     // average width 8
    {315, 75, 160, 22, 29, 126},    // one size 0 keeps its template width
    {314, 72, 72, 22, 74, 168},     // even leftover
    {315, 176, 176, 22, -29, 168},  // too wide: equal overhang, one pixel less between
    {100, 60, 60, 10, -15, 55},     // even negative leftover
};

TEST(Geometry, CentresWithEqualMargins) {
  for (const CentreCase& c : kCentreCases) {
    ButtonPlaces p = CentreButtonPlaces(c.clientWidth, c.firstWidth, c.secondWidth, c.gap);
    EXPECT_EQ(c.firstX, p.firstX) << c.clientWidth << " " << c.firstWidth;
    EXPECT_EQ(c.secondX, p.secondX) << c.clientWidth << " " << c.firstWidth;
    int rightMargin = c.clientWidth - (p.secondX + c.secondWidth);
    EXPECT_EQ(p.firstX, rightMargin);
    int between = p.secondX - (p.firstX + c.firstWidth);
    EXPECT_GE(between - c.gap, -1);
    EXPECT_LE(between - c.gap, 1);
  }
}

TEST(Geometry, GapAndCollapse) {
  PixelRect ok = {71, 300, 146, 323}, cancel = {168, 300, 243, 323};
  EXPECT_EQ(22, ButtonGap(ok, cancel));
  PixelRect list = {10, 29, 300, 190}, box = {10, 228, 300, 306};
  EXPECT_EQ(277, CollapsedListHeight(list, box));
  EXPECT_EQ(290, Width(list));
  EXPECT_EQ(161, Height(list));
}

}  // namespace
