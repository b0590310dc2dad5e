// Line marks: where they land, how they follow edits, and undo.
#include "doc_test_util.h"

namespace kelp {
namespace {

using test::DocTest;

TEST_F(DocTest, AddMarkMarksTheLogicalLine) {
  TNotePadString d;
  d.SetText(u"zero\none\ntwo\n");
  const struct {
    int64_t at;
    AInteger marks;
  } steps[] = {
      {6, {5}},         // the middle of a line: its start
      {7, {5}},         // the same line again: no change
      {0, {0, 5}},      // kept sorted
      {13, {0, 5, 9}},  // at the text length after a final LF: the last non-empty line
      {99, {0, 5, 9}},
  };
  for (const auto& s : steps) {
    d.AddMark(s.at);
    EXPECT_EQ(d.MarkArray(), s.marks) << s.at;
  }
  d.DeleteMark(1);
  EXPECT_EQ(d.MarkArray(), (AInteger{0, 9}));
  EXPECT_EQ(d.MarkCount(), 2);
  EXPECT_EQ(d.Marks(1), 9);
  TNotePadString empty;
  empty.AddMark(5);
  EXPECT_EQ(empty.MarkArray(), (AInteger{0}));
}

TEST_F(DocTest, MarksFollowInsertsAndDeletes) {
  TNotePadString d;
  d.SetText(u"l0\nl1\nl2\nl3\nl4");
  d.AddMark(9);  // line 3
  // Typing on lines 1 to 3 keeps the mark on line 3.
  for (int64_t line : {1, 2, 3}) {
    d.SetSelStartPos({1, line});
    d.SetSelEndPos({1, line});
    d.SetSelText(u"x");
  }
  EXPECT_EQ(d.GetText(), u"l0\nlx1\nlx2\nlx3\nl4");
  EXPECT_EQ(d.MarkArray(), (AInteger{11}));
  // Lines inserted above move it down with its line.
  d.SetSelStart(0);
  d.SetSelEnd(0);
  d.SetSelText(u"new\nnew\n");
  EXPECT_EQ(d.MarkArray(), (AInteger{19}));
  // A line break inserted exactly at the marked line's start moves it with the text.
  d.SetSelStart(19);
  d.SetSelEnd(19);
  d.SetSelText(u"\n");
  EXPECT_EQ(d.MarkArray(), (AInteger{20}));
  EXPECT_EQ(d.GetText().substr(20, 3), u"lx3");
  // Deleting the LF before the marked line moves the mark to the joined line.
  d.InputBackKey();
  EXPECT_EQ(d.MarkArray(), (AInteger{19}));
  d.InputBackKey();
  EXPECT_EQ(d.GetText(), u"new\nnew\nl0\nlx1\nlx2lx3\nl4");
  EXPECT_EQ(d.MarkArray(), (AInteger{15}));
}

TEST_F(DocTest, DeletingMarkedLinesMergesTheirMarks) {
  TNotePadString d;
  d.SetText(u"a\nb\nc\nd\ne");
  for (int64_t m : {0, 2, 4, 6, 8}) d.AddMark(m);
  d.SetSelStart(3);  // from the end of line 1 to the middle of line 3
  d.SetSelEnd(7);
  d.SetSelText(u"");
  EXPECT_EQ(d.GetText(), u"a\nb\ne");
  EXPECT_EQ(d.MarkArray(), (AInteger{0, 2, 4}));
  d.Undo();
  EXPECT_EQ(d.MarkArray(), (AInteger{0, 2, 4, 6, 8}));
  // Deleting everything leaves one mark at 0.
  d.SetSelStart(0);
  d.SetSelEnd(d.TextLength());
  d.SetSelText(u"");
  EXPECT_EQ(d.MarkArray(), (AInteger{0}));
}

TEST_F(DocTest, DeletingTheLastLineMovesItsMarkUp) {
  TNotePadString d;
  d.SetText(u"ab\ncd");
  d.AddMark(3);
  d.SetSelStart(3);
  d.SetSelEnd(5);
  d.SetSelText(u"");
  EXPECT_EQ(d.MarkArray(), (AInteger{0}));  // a mark stays below the text length
}

TEST_F(DocTest, UndoRestoresMarksChangedWithoutAnEdit) {
  TNotePadString d;
  d.SetText(u"a\nb\nc");
  d.AddMark(2);
  d.SetSelStart(0);
  d.SetSelEnd(0);
  d.SetSelText(u"x");  // marks before: {2}, after: {3}
  d.AddMark(0);
  d.DeleteMark(1);
  EXPECT_EQ(d.MarkArray(), (AInteger{0}));
  d.Undo();
  EXPECT_EQ(d.MarkArray(), (AInteger{2}));
  d.Redo();
  EXPECT_EQ(d.MarkArray(), (AInteger{3}));
}

}  // namespace
}  // namespace kelp
