// Drops onto the editor: the offered effects, the drop position, scrolling
// near the edges, and what dropped text does to the document.

#include "input/drop_rules.h"

#include <gtest/gtest.h>

#include "core/input/input_test_util.h"

namespace kelp::test {
namespace {

TEST(DropEffects, EnterAndOver) {
  struct Enter {
    TDropKind kind;
    bool enabled, own, ctrl, box;
    TDropEffect want;
  };
  const Enter enters[] = {
      {TDropKind::Text, true, false, false, false, deCopy},
      {TDropKind::Text, true, true, false, false, deMove},
      {TDropKind::Text, true, true, true, false, deCopy},
      {TDropKind::Text, true, false, false, true, deNone},
      {TDropKind::Text, true, true, false, true, deNone},
      {TDropKind::Link, true, false, false, true, deLink},
      {TDropKind::Files, true, false, true, true, deCopy},
      {TDropKind::Text, false, true, false, false, deNone},
      {TDropKind::Files, false, false, false, false, deNone},
      {TDropKind::None, true, false, false, false, deNone},
  };
  for (const Enter& e : enters) {
    EXPECT_EQ(DropEnterEffect(e.kind, e.enabled, e.own, e.ctrl, e.box), e.want)
        << int(e.kind) << e.enabled << e.own << e.ctrl << e.box;
  }
  struct Over {
    TDropEffect entered;
    TDropKind kind;
    bool own, ctrl;
    TDropEffect want;
  };
  const Over overs[] = {
      {deMove, TDropKind::Text, true, true, deCopy},   {deCopy, TDropKind::Text, true, false, deMove},
      {deCopy, TDropKind::Text, false, false, deCopy}, {deNone, TDropKind::Text, true, false, deNone},
      {deLink, TDropKind::Link, false, true, deLink},  {deCopy, TDropKind::Files, false, false, deCopy},
  };
  for (const Over& o : overs) {
    EXPECT_EQ(DropOverEffect(o.entered, o.kind, o.own, o.ctrl), o.want) << int(o.entered) << o.own << o.ctrl;
  }
}

class DropTest : public DocTest {
 protected:
  TNotePadString d;
};

TEST_F(DropTest, ForeignTextIsInsertedAndLeftSelected) {
  d.SetText(u"abc def ghi");
  d.SetSelStart(4);
  d.SetSelEnd(7);
  ASSERT_TRUE(DropText(d, {1, 0}, u"XY", deCopy));
  EXPECT_EQ(d.GetText(), u"aXYbc def ghi");
  EXPECT_EQ(d.SelStart(), 1);
  EXPECT_EQ(d.SelEnd(), 3);
  d.Undo();
  EXPECT_EQ(d.GetText(), u"abc def ghi");
  // Line breaks in dropped text come in as LF.
  d.SetSelStart(0);
  d.SetSelEnd(0);
  ASSERT_TRUE(DropText(d, {11, 0}, u"\r\nz", deCopy));
  EXPECT_EQ(d.GetText(), u"abc def ghi\nz");
  EXPECT_EQ(d.GetSelText(), u"\nz");
}

TEST_F(DropTest, OwnTextMovesAndCopies) {
  d.SetText(u"abc def ghi");
  d.SetSelStart(4);
  d.SetSelEnd(7);
  ASSERT_TRUE(DropText(d, {11, 0}, u"def", deMove));
  EXPECT_EQ(d.GetText(), u"abc  ghidef");
  EXPECT_EQ(d.GetSelText(), u"def");
  d.Undo();
  EXPECT_EQ(d.GetText(), u"abc def ghi");
  d.SetSelStart(4);
  d.SetSelEnd(7);
  ASSERT_TRUE(DropText(d, {0, 0}, u"def", deCopy));
  EXPECT_EQ(d.GetText(), u"defabc def ghi");
  // Moving onto an end of the selection itself changes nothing.
  d.SetSelStart(7);
  d.SetSelEnd(10);
  EXPECT_FALSE(DropText(d, {7, 0}, u"def", deMove));
  EXPECT_EQ(d.GetText(), u"defabc def ghi");
}

TEST_F(DropTest, DropsInsideTheSelectionInBoxModeOrEmptyAreRefused) {
  d.SetText(u"ab\ncd\nef");
  d.SetSelStartPos({1, 0});
  d.SetSelEndPos({1, 2});
  struct Case {
    TNativePoint at;
    bool allowed;
  };
  const Case cases[] = {
      {{2, 0}, false},                  // inside on the first row
      {{1, 0}, true},                   // on the anchor itself
      {{0, 1}, false},                  // a whole middle row is inside
      {{2, 1}, false}, {{1, 2}, true},  // on the caret
      {{2, 2}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DropTextAllowed(d, c.at), c.allowed) << c.at.X << "," << c.at.Y;
  }
  EXPECT_FALSE(DropText(d, {0, 1}, u"x", deCopy));
  EXPECT_FALSE(DropText(d, {2, 2}, u"", deCopy));
  d.SetBoxMode(true);
  EXPECT_FALSE(DropText(d, {2, 2}, u"x", deCopy));
  EXPECT_EQ(d.GetText(), u"ab\ncd\nef");
  EXPECT_EQ(d.UndoCount(), 1);  // only the loading of the text
}

TEST_F(DropTest, DropPositionAndEdgeScrolling) {
  SetRows(d, {u"abc\n", u"日本\n", u"z"});
  const TViewGeometry g{20, 18, 1, 0, 0, 4, 13, 3, 8};
  struct Case {
    int64_t x, y;
    TNativePoint want;
  };
  const Case cases[] = {
      {26 + 5, 18 + 2, {1, 0}},                         // rounded to the nearer edge
      {26 + 200, 18, {3, 0}},                           // beyond the row's end: its end
      {26 + 9, 36 + 1, {1, 1}},                         // past the middle of a wide character
      {26 + 7, 36 + 1, {0, 1}}, {26 + 4, 500, {0, 2}},  // below the text: the last row
      {0, 20, {0, 0}},                                  // over the bar
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DropCaretAt(d, g, c.x, c.y), c.want) << c.x << "," << c.y;
  }
  EXPECT_EQ(DragScrollStep(g, 170, 200), 1);
  EXPECT_EQ(DragScrollStep(g, 164, 200), 0);
  EXPECT_EQ(DragScrollStep(g, 53, 200), -1);
  EXPECT_EQ(DragScrollStep(g, 54, 200), 0);
}

}  // namespace
}  // namespace kelp::test
