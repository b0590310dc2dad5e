// Selection properties, the caret's lines, the shape questions, the word
// under a position and the pixel arithmetic of the client area.

#include "input/selection.h"

#include <gtest/gtest.h>

#include "core/input/input_test_util.h"
#include "input/geometry.h"
#include "input/word_at.h"

namespace kelp::test {
namespace {

class SelectionTest : public DocTest {
 protected:
  TNotePadString d;
};

TEST_F(SelectionTest, OffsetsAreClampedAndLengthIsSigned) {
  d.SetText(u"hello\nworld");  // 11 characters
  struct Case {
    int64_t start, len;
    int64_t wantAnchor, wantCaret;
  };
  const Case selects[] = {{2, 3, 2, 5}, {8, -4, 8, 4}, {9, 10, 9, 11}, {20, 1, 11, 11}, {-3, 2, 0, 0}};
  for (const Case& c : selects) {
    Select(d, c.start, c.len);
    EXPECT_EQ(d.SelStart(), c.wantAnchor) << c.start << "," << c.len;
    EXPECT_EQ(d.SelEnd(), c.wantCaret) << c.start << "," << c.len;
    EXPECT_EQ(SelectionLength(d), c.wantCaret - c.wantAnchor);
  }

  Select(d, 7, 2);
  d.SetBoxMode(true);
  SetSelectionLength(d, -5);
  EXPECT_FALSE(d.BoxMode());
  EXPECT_EQ(d.SelEnd(), 2);
  EXPECT_EQ(SelectionLength(d), -5);
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{2, 2, 0}));
  SetSelectionLength(d, 100);
  EXPECT_EQ(d.SelEnd(), 11);
  SetSelectionLength(d, -100);
  EXPECT_EQ(d.SelEnd(), 0);

  // Writing the start collapses, except when it names the anchor already.
  Select(d, 3, 4);
  SetSelectionStart(d, 3);
  EXPECT_EQ(SelectionLength(d), 4);
  SetSelectionStart(d, 50);
  EXPECT_EQ(d.SelStart(), 11);
  EXPECT_EQ(SelectionLength(d), 0);
  EXPECT_EQ(SelectionStart(d), 11);

  d.SetBoxMode(true);
  SelectAll(d);
  EXPECT_FALSE(d.BoxMode());
  EXPECT_EQ(d.SelStart(), 0);
  EXPECT_EQ(d.SelEnd(), 11);
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{11, 5, 1}));
}

TEST_F(SelectionTest, ChangesRunInOneUpdateThatRedrawsBothEnds) {
  SetRows(d, ManyRows(10, u"abc"));
  Select(d, 0, 0);
  int changes = 0;
  int64_t from = -1, to = -1;
  d.SetOnChanged([&](TNotePadString& s) {
    ++changes;
    from = s.ChangedStart();
    to = s.ChangedEnd();
  });
  Select(d, 4 * 6 + 1, 5);  // row 6 to row 7
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(from, 0);  // the old caret's row is redrawn too
  EXPECT_EQ(to, 7);
}

TEST_F(SelectionTest, CaretLineCountsLogicalLinesOverWrappedRows) {
  // Logical lines: "abcdef" (rows 0, 1), "gh" (row 2), "ijklmn" (rows 3, 4, 5).
  SetRows(d, {u"abc", u"def\n", u"gh\n", u"ij", u"kl", u"mn"});
  struct Case {
    TNativePoint caret;
    int64_t line;
  };
  const Case cases[] = {{{0, 0}, 0}, {{2, 1}, 0}, {{1, 2}, 1}, {{0, 3}, 2}, {{2, 5}, 2}};
  for (const Case& c : cases) {
    d.SetSelEndPos(c.caret);
    EXPECT_EQ(CaretLine(d), c.line) << c.caret.Y;
    EXPECT_EQ(CaretLineWraped(d), c.caret.Y);
  }

  Select(d, 4, 3);     // caret on row 2
  SetCaretLine(d, 1);  // the caret's row already: the selection stays
  EXPECT_EQ(SelectionLength(d), 3);
  SetCaretLine(d, 2);
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{10, 0, 3}));
  EXPECT_EQ(d.StartCaret(), d.EndCaret());
  SetCaretLine(d, 99);  // past the last line: the end of the text
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{2, 5}));

  Select(d, 1, 2);  // the caret walks back from the last row onto row 1, offset 0
  SetCaretLineWraped(d, 1);
  EXPECT_EQ(SelectionLength(d), 2);
  SetCaretLineWraped(d, 4);
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{12, 0, 4}));
  EXPECT_EQ(SelectionLength(d), 0);
}

TEST_F(SelectionTest, ShapeQuestions) {
  SetRows(d, {u"abc", u"def\n", u"gh\n", u"ij"});
  struct Case {
    TNativePoint anchor, caret;
    bool box;
    bool boxSelected, withoutCRLF;
  };
  const Case cases[] = {
      {{1, 0}, {1, 0}, false, false, false},  // empty
      {{1, 0}, {3, 0}, false, false, true},   // one row
      {{1, 0}, {2, 1}, false, false, true},   // over a wrap
      {{2, 1}, {1, 0}, false, false, true},   // the same, caret first
      {{1, 0}, {1, 2}, false, false, false},  // over a hard break
      {{3, 1}, {0, 2}, false, false, false},  // the break alone
      {{1, 0}, {2, 1}, true, true, false},    // a box over two rows
      {{1, 2}, {2, 2}, true, false, true},    // a box on one row
  };
  for (const Case& c : cases) {
    d.SetSelStartPos(c.anchor);
    d.SetSelEndPos(c.caret);
    d.SetBoxMode(c.box);
    EXPECT_EQ(BoxSelected(d), c.boxSelected) << c.anchor.X << "," << c.anchor.Y << " " << c.caret.Y;
    EXPECT_EQ(SelectedWithoutCRLF(d), c.withoutCRLF) << c.anchor.X << "," << c.anchor.Y << " " << c.caret.Y;
  }
}

TEST_F(SelectionTest, WordAtJoinsWrappedRowsIntoTheLogicalLine) {
  // "ab cdef gh" wrapped after "ab cd", then "x http://a.b/c y".
  SetRows(d, {u"ab cd", u"ef gh\n", u"x http://a.b/c y"});
  struct Case {
    TNativePoint at;
    int64_t start, length, previous;
    bool jump;
  };
  const Case cases[] = {
      {{4, 0}, 3, 4, 2, false},    // "cdef" from its upper row
      {{1, 1}, 3, 4, 2, false},    // and from its lower row
      {{5, 1}, 8, 2, 7, false},    // the end of the line gives its last token
      {{0, 0}, 0, 2, 0, false},    // the first token has no previous one
      {{5, 2}, 13, 12, 12, true},  // a link
  };
  for (const Case& c : cases) {
    const TWordInfo w = WordAt(d, SimpleTokenizer, c.at.X, c.at.Y);
    EXPECT_EQ(w.Start, c.start) << c.at.X << "," << c.at.Y;
    EXPECT_EQ(w.Length, c.length) << c.at.X << "," << c.at.Y;
    EXPECT_EQ(w.PreviousStart, c.previous) << c.at.X << "," << c.at.Y;
    EXPECT_EQ(w.CanJump, c.jump) << c.at.X << "," << c.at.Y;
  }
  // A tokenizer's answer outside the line is held inside it.
  const TWordInfo w = WordAt(
      d,
      [](std::u16string_view, int64_t) {
        return TLineToken{50, 9, -4, false};
      },
      0, 2);
  EXPECT_EQ(w.Start, 27);
  EXPECT_EQ(w.Length, 0);
  EXPECT_EQ(w.PreviousStart, 11);
}

// Bar 20 px, rows 18 px with the ruler on top, unit 8 px: text pixel p sits at
// client x = 26 + p on row r at client y = 18 * (r + 1).
class GeometryTest : public SelectionTest {
 protected:
  TViewGeometry g{20, 18, 1, 0, 0, 4, 13, 3, 8};
  int64_t X(int64_t p) const { return 26 + p; }
  int64_t Y(int64_t r) const { return 18 * (r + 1) + 5; }
};

TEST_F(GeometryTest, PointToCaretSnapsToCharacterEdges) {
  // "ab\tc": a 0-8, b 8-16, the tab 16-64, c 64-72.
  SetRows(d, {u"ab\tc\n", u"日本", u"z"});
  struct Case {
    int64_t x, y;
    bool round;
    TPixelRow want;
  };
  const Case cases[] = {
      {X(3), Y(0), true, {0, 0}},   {X(5), Y(0), true, {8, 0}},     {X(5), Y(0), false, {0, 0}},
      {X(40), Y(0), true, {16, 0}}, {X(41), Y(0), true, {64, 0}},   {X(63), Y(0), false, {16, 0}},
      {X(72), Y(0), true, {72, 0}}, {X(100), Y(0), true, {100, 0}}, {X(9), Y(1), true, {16, 1}},
      {X(-30), Y(1), true, {0, 1}}, {X(13), 5, true, {16, 0}},      {X(13), 5, false, {8, 0}},
      {X(12), -40, true, {8, 0}},   {X(9), Y(7), true, {9, 7}},     {X(3), Y(7), true, {0, 7}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PointToCaret(d, g, c.x, c.y, c.round), c.want) << c.x << "," << c.y << " " << c.round;
  }
  // Scrolled two rows down and 16 pixels right.
  g.FirstVisibleLine = 2;
  g.FirstVisiblePix = 16;
  EXPECT_EQ(PointToCaret(d, g, X(0), Y(0), false), (TPixelRow{16, 2}));
  EXPECT_EQ(PointToCaret(d, g, X(0), 5, true), (TPixelRow{16, 1}));  // over the ruler
}

TEST_F(GeometryTest, CaretPlaceAndCompletePoint) {
  SetRows(d, ManyRows(10, u"ab日"));
  d.SetSelEndPos({3, 4});  // pixel 32 on row 4
  EXPECT_EQ(CompletePoint(d, g), (TNativePoint{20 + 5 + 32, 5 * 18 + 2 + 16}));
  const TCaretPlace c = CaretClientPlace(d, g, d.SelEndPos());
  EXPECT_EQ(c.X, 57);
  EXPECT_EQ(c.Y, 5 * 18 + 2);
  EXPECT_TRUE(c.Visible);
  g.FirstVisibleLine = 5;
  EXPECT_FALSE(CaretClientPlace(d, g, d.SelEndPos()).Visible);
  g.FirstVisibleLine = 4;
  g.FirstVisiblePix = 40;
  EXPECT_FALSE(CaretClientPlace(d, g, d.SelEndPos()).Visible);
  g.FirstVisiblePix = 32;
  EXPECT_TRUE(CaretClientPlace(d, g, d.SelEndPos()).Visible);
  EXPECT_EQ(CompositionArea(g, 300, 200), (TPixelRect{25, 0, 292, 200}));
  EXPECT_EQ(CompositionArea(g, 4, 200), (TPixelRect{25, 0, 0, 200}));
}

}  // namespace
}  // namespace kelp::test
