#include "view/view_geometry.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

TEST(ViewGeometry, BarWidthCountsOneDigitMoreThanTheRows) {
  EXPECT_EQ(LeftBarWidthOf(1, 8, 1), 16);
  EXPECT_EQ(LeftBarWidthOf(999, 8, 1), 32);
  EXPECT_EQ(LeftBarWidthOf(1000, 8, 1), 40);
  EXPECT_EQ(LeftBarWidthOf(1000, 8, 0), 0);
}

TEST(ViewGeometry, VisibleCountsHaveFloors) {
  EXPECT_EQ(VisibleLineCountOf(600, 20, 1), 30);
  EXPECT_EQ(VisibleLineCountOf(610, 20, 0), 31);
  EXPECT_EQ(VisibleLineCountOf(50, 20, 1), 5);
  EXPECT_EQ(VisibleByteCountOf(800, 32, 8), (800 - 32 - 6) / 8 + 1);
  EXPECT_EQ(VisibleByteCountOf(100, 32, 8), 20);
}

TEST(ViewGeometry, WrapWidthByMode) {
  EXPECT_EQ(WrapWidthOf(wwNone, 70, 800, 32, 8), 4000);
  EXPECT_EQ(WrapWidthOf(wwCount, 70, 800, 32, 8), 70);
  EXPECT_EQ(WrapWidthOf(wwCount, 5, 800, 32, 8), 20);
  EXPECT_EQ(WrapWidthOf(wwCount, 10000, 800, 32, 8), 4000);
  EXPECT_EQ(WrapWidthOf(wwRight, 70, 800, 32, 8), (800 - 32 - 6) / 8 - 3);
  EXPECT_EQ(WrapWidthOf(wwRight, 70, 100, 32, 8), 20);
}

TScrollState State(int64_t count, int64_t first, int64_t visible) {
  TScrollState s;
  s.Count = count;
  s.FirstLine = first;
  s.VisibleLines = visible;
  return s;
}

TEST(ViewGeometry, VerticalRequestsClampToThreeRowsPastTheEnd) {
  // 100 rows in a 20-row view: the first row can reach 83.
  const TScrollState s = State(100, 50, 20);
  EXPECT_EQ(VerticalScrollTarget(s, scLineUp), 49);
  EXPECT_EQ(VerticalScrollTarget(s, scLineDown), 51);
  EXPECT_EQ(VerticalScrollTarget(s, scPageDown), 67);
  EXPECT_EQ(VerticalScrollTarget(s, scPageUp), 33);
  EXPECT_EQ(VerticalScrollTarget(s, scThumb, 70), 70);
  EXPECT_EQ(VerticalScrollTarget(s, scThumb, 500), 83);
  EXPECT_EQ(VerticalScrollTarget(s, scTop), 0);
  EXPECT_EQ(VerticalScrollTarget(s, scBottom), 83);
  EXPECT_EQ(VerticalScrollTarget(State(100, 80, 20), scPageDown), 83);
  EXPECT_EQ(VerticalScrollTarget(State(100, 10, 20), scPageUp), 0);
  // 10 rows in a 30-row view cannot scroll, and the bar says so.
  const TScrollState small = State(10, 0, 30);
  EXPECT_EQ(VerticalScrollTarget(small, scLineDown), 0);
  EXPECT_EQ(VerticalScrollTarget(small, scBottom), 0);
  EXPECT_FALSE(VerticalBarInfo(small).Scrollable());
  EXPECT_TRUE(VerticalBarInfo(s).Scrollable());
  EXPECT_EQ(VerticalBarInfo(s).Max, 102);
}

TEST(ViewGeometry, HorizontalRequestsCountWholeUnits) {
  TScrollState s;
  s.WrapByte = 100;
  s.VisibleBytes = 50;
  s.Unit = 8;
  s.FirstPix = 80;
  EXPECT_EQ(HorizontalScrollTarget(s, scLineUp), 9);
  EXPECT_EQ(HorizontalScrollTarget(s, scPageDown), 53);
  EXPECT_EQ(HorizontalScrollTarget(s, scBottom), 53);
  EXPECT_EQ(HorizontalScrollTarget(s, scThumb, 20), 20);
  EXPECT_EQ(HorizontalScrollTarget(s, scTop), 0);
  EXPECT_EQ(HorizontalBarInfo(s).Pos, 10);
  s.WrapByte = 30;
  s.FirstPix = 0;
  EXPECT_FALSE(HorizontalBarInfo(s).Scrollable());
}

TEST(ViewGeometry, WheelAccumulatesUntilAWholeNotch) {
  int16_t acc = 0;
  TWheelScroll w = WheelScroll(acc, 120, 3);
  EXPECT_EQ(w.Code, scLineUp);
  EXPECT_EQ(w.Requests, 3);
  EXPECT_EQ(acc, 0);
  // Touch-pad halves: nothing until the second arrives.
  w = WheelScroll(acc, -60, 3);
  EXPECT_EQ(w.Requests, 0);
  EXPECT_EQ(acc, -60);
  w = WheelScroll(acc, -60, 3);
  EXPECT_EQ(w.Code, scLineDown);
  EXPECT_EQ(w.Requests, 3);
  // The remainder beyond whole notches is dropped.
  w = WheelScroll(acc, 300, 1);
  EXPECT_EQ(w.Requests, 2);
  EXPECT_EQ(acc, 0);
  // Page-wise wheel setting: one page request per notch.
  w = WheelScroll(acc, -240, -1);
  EXPECT_EQ(w.Code, scPageDown);
  EXPECT_EQ(w.Requests, 2);
  // A setting of 0 lines scrolls nothing.
  w = WheelScroll(acc, 120, 0);
  EXPECT_EQ(w.Requests, 0);
}

TEST(ViewGeometry, FollowingTheCaretKeepsThreeRowsAndThreeUnits) {
  TScrollState s = State(100, 20, 20);
  s.Unit = 8;
  s.VisibleBytes = 50;
  s.WrapByte = 4000;
  // Inside the margins nothing moves.
  EXPECT_EQ(FollowCaret(s, 25, 0), (TScrollPosition{20, 0}));
  // Near the top: two rows stay above the caret.
  EXPECT_EQ(FollowCaret(s, 22, 0), (TScrollPosition{20, 0}));
  EXPECT_EQ(FollowCaret(s, 21, 0), (TScrollPosition{19, 0}));
  EXPECT_EQ(FollowCaret(s, 5, 0), (TScrollPosition{3, 0}));
  // Near the bottom: the caret stays three rows above the edge.
  EXPECT_EQ(FollowCaret(s, 36, 0), (TScrollPosition{20, 0}));
  EXPECT_EQ(FollowCaret(s, 37, 0), (TScrollPosition{21, 0}));
  // At the last row the limit of the end applies.
  EXPECT_EQ(FollowCaret(State(100, 83, 20), 99, 0).FirstLine, 83);
  // At the top edge of the text nothing moves.
  EXPECT_EQ(FollowCaret(State(100, 0, 20), 0, 0).FirstLine, 0);
  // Right: three units stay free right of the caret.
  EXPECT_EQ(FollowCaret(s, 25, 46 * 8).FirstPix, 0);
  EXPECT_EQ(FollowCaret(s, 25, 47 * 8).FirstPix, 8);
  // Back to the left edge.
  s.FirstPix = 80;
  EXPECT_EQ(FollowCaret(s, 25, 0).FirstPix, 0);
  EXPECT_EQ(FollowCaret(s, 25, 13 * 8).FirstPix, 80);
  EXPECT_EQ(FollowCaret(s, 25, 12 * 8).FirstPix, 80);
  EXPECT_EQ(FollowCaret(s, 25, 11 * 8).FirstPix, 72);
}

TEST(ViewGeometry, ClampAfterAShorterText) {
  EXPECT_EQ(ClampAfterChange(State(10, 50, 20), false).FirstLine, 7);
  EXPECT_EQ(ClampAfterChange(State(2, 1, 20), false).FirstLine, 0);
  EXPECT_EQ(ClampAfterChange(State(100, 50, 20), false).FirstLine, 50);
  TScrollState s = State(10, 0, 20);
  s.Unit = 8;
  s.WrapByte = 100;
  s.VisibleBytes = 50;
  s.FirstPix = 0;
  // A ruler drag keeps the wrap column visible.
  EXPECT_EQ(ClampAfterChange(s, true).FirstPix, 53 * 8);
  s.FirstPix = 2000;
  EXPECT_EQ(ClampAfterChange(s, true).FirstPix, 800);
}

TEST(ViewGeometry, SelectingOutsideScrollsOnlyWhereTheViewCanGo) {
  // 100 rows, 20 shown from row 40; 50 columns shown of a 200-column wrap; client 400x320.
  TScrollState s = State(100, 40, 20);
  s.Unit = 8;
  s.VisibleBytes = 50;
  s.WrapByte = 200;
  s.FirstPix = 16;
  struct Case {
    int64_t x, y;
    bool want;
  };
  const Case cases[] = {{10, 10, false}, {399, 319, false}, {0, 0, false},  // inside
                        {10, -1, true},  {10, 320, true},   {-1, 10, true}, {400, 10, true}};
  for (const Case& c : cases)
    EXPECT_EQ(SelectScrollWanted(s, c.x, c.y, 400, 320), c.want) << c.x << "," << c.y;
  // At the edges of the text each way stops.
  TScrollState top = s;
  top.FirstLine = 0;
  top.FirstPix = 0;
  EXPECT_FALSE(SelectScrollWanted(top, 10, -5, 400, 320));
  EXPECT_FALSE(SelectScrollWanted(top, -5, 10, 400, 320));
  TScrollState end = s;
  end.FirstLine = 80;             // rows 80..99 shown: nothing follows
  end.FirstPix = (200 - 50) * 8;  // the last column shown
  EXPECT_FALSE(SelectScrollWanted(end, 10, 400, 400, 320));
  EXPECT_FALSE(SelectScrollWanted(end, 500, 10, 400, 320));
  EXPECT_TRUE(SelectScrollWanted(end, 10, -1, 400, 320));
}

}  // namespace
}  // namespace kelp
