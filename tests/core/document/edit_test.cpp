// Editing operations, and undo and redo of each of them.
#include <functional>
#include <string>
#include <vector>

#include "doc_test_util.h"

namespace kelp {
namespace {

using test::DocTest;

struct State {
  std::u16string text;
  int64_t selStart, selEnd;
  TLineEnds lineEnds;
  AInteger marks;
  friend bool operator==(const State&, const State&) = default;
};

State Take(const TNotePadString& d) {
  return {d.GetText(), d.SelStart(), d.SelEnd(), d.LineEnds(), d.MarkArray()};
}

void PrintTo(const State& s, std::ostream* os) {
  *os << "text of " << s.text.size() << " units, sel " << s.selStart << ".." << s.selEnd << ", le "
      << int(s.lineEnds) << ", " << s.marks.size() << " marks";
}

struct UndoCase {
  const char* name;
  const char16_t* text;
  int64_t selStart, selEnd;
  bool box;
  std::vector<int64_t> marks;
  std::function<void(TNotePadString&)> op;
  const char16_t* expected;  // the text after the operation
};

// Every operation records one step: undo brings back the text, selection,
// line-end convention and marks from before; redo those from after; the
// display lines are always those a fresh wrap of the text gives.
TEST_F(DocTest, UndoAndRedoOfEveryOperation) {
  const UndoCase cases[] = {
      {"type over a selection",
       u"abc\r\ndef",
       1,
       5,
       false,
       {0, 5},
       [](TNotePadString& d) { d.SetSelText(u"X"); },
       u"aXef"},
      {"paste CR LF lines",
       u"abc\ndef",
       2,
       2,
       false,
       {4},
       [](TNotePadString& d) { d.SetSelText(u"1\r\n2\r\n3"); },
       u"ab1\n2\n3c\ndef"},
      {"box replace",
       u"abcdef\nghijkl\nmn",
       1,
       11,
       true,
       {7},
       [](TNotePadString& d) { d.SetSelText(u"Z"); },
       u"aZef\ngkl\nmn"},
      {"box paste",
       u"ab\ncd",
       4,
       4,
       false,
       {3},
       [](TNotePadString& d) { d.SetSelTextBox(u"1\n2\n3\n"); },
       u"ab\nc1d\n2\n3"},
      {"box paste over a box",
       u"abcd\nefgh\nijkl",
       1,
       8,
       true,
       {},
       [](TNotePadString& d) { d.SetSelTextBox(u"X\nY\n"); },
       u"aXd\neYh\nijkl"},
      {"backspace joins lines",
       u"ab\ncd\nef",
       3,
       3,
       false,
       {3, 6},
       [](TNotePadString& d) { d.InputBackKey(); },
       u"abcd\nef"},
      {"backspace deletes a selection",
       u"ab\ncd",
       1,
       4,
       false,
       {},
       [](TNotePadString& d) { d.InputBackKey(); },
       u"ad"},
      {"delete joins lines",
       u"ab\ncd\nef",
       2,
       2,
       false,
       {3},
       [](TNotePadString& d) { d.InputDelKey(); },
       u"abcd\nef"},
      {"indent",
       u"zero\none\n\nthree\nfour",
       6,
       13,
       false,
       {5, 10},
       [](TNotePadString& d) { EXPECT_TRUE(d.DoTabIndent(false)); },
       u"zero\n\tone\n\n\tthree\nfour"},
      {"unindent",
       u"\ta\n\t\tb\n c",
       0,
       9,
       false,
       {3},
       [](TNotePadString& d) { EXPECT_TRUE(d.DoTabIndent(true)); },
       u"a\n\tb\n c"},
      {"drag up",
       u"one two three",
       8,
       13,
       false,
       {0},
       [](TNotePadString& d) {
         d.DragMove({0, 0});
       },
       u"threeone two "},
      {"drag down",
       u"ab\ncd\nef",
       0,
       2,
       false,
       {3, 6},
       [](TNotePadString& d) {
         d.DragMove({1, 2});
       },
       u"\ncd\neabf"},
      {"replace without select",
       u"hello world",
       3,
       3,
       false,
       {},
       [](TNotePadString& d) { d.ReplaseWithoutSelect(u"X\r\nY", 6, 5); },
       u"hello X\nY"},
      {"set text",
       u"old\r\ntext",
       2,
       6,
       false,
       {4},
       [](TNotePadString& d) { d.SetText(u"new\rtext\r"); },
       u"new\ntext\n"},
  };
  for (const UndoCase& c : cases) {
    SCOPED_TRACE(c.name);
    TNotePadString d;
    d.SetWrapByte(20);
    d.SetText(c.text);
    d.ClearUndo();
    d.SetSelStart(c.selStart);
    d.SetSelEnd(c.selEnd);
    d.SetBoxMode(c.box);
    for (int64_t m : c.marks) d.AddMark(m);
    const State before = Take(d);
    c.op(d);
    EXPECT_EQ(d.GetText(), c.expected);
    const State after = Take(d);
    ASSERT_EQ(d.UndoCount(), 1);
    const TUndoData r = d.GetLastUndo();
    EXPECT_EQ(r.SelStartAfter, after.selStart);
    EXPECT_EQ(r.SelEndAfter, after.selEnd);
    EXPECT_EQ(r.MarksAfter, after.marks);
    // At Position, Deleted was replaced by Added; the rest is the same on both sides.
    const size_t p = static_cast<size_t>(r.Position);
    EXPECT_EQ(before.text.substr(p, r.Deleted.size()), r.Deleted);
    EXPECT_EQ(after.text.substr(p, r.Added.size()), r.Added);
    EXPECT_EQ(before.text.substr(0, p), after.text.substr(0, p));
    EXPECT_EQ(before.text.substr(p + r.Deleted.size()), after.text.substr(p + r.Added.size()));
    test::ExpectConsistentLines(d);
    EXPECT_EQ(test::Shapes(d), test::FreshShapes(d));

    d.Undo();
    State undone = Take(d);
    if (std::string(c.name) == "indent" || std::string(c.name) == "unindent") {
      // The step recorded is the replacement of the block the selection was widened to.
      EXPECT_EQ(undone.selStart, r.SelStartBefore);
      EXPECT_EQ(undone.selEnd, r.SelEndBefore);
      undone.selStart = before.selStart;
      undone.selEnd = before.selEnd;
    }
    EXPECT_EQ(undone, before);
    test::ExpectConsistentLines(d);
    EXPECT_EQ(test::Shapes(d), test::FreshShapes(d));
    EXPECT_TRUE(d.CanRedo());
    const TUndoData rr = d.GetLastRedo();
    EXPECT_EQ(rr.Deleted, r.Deleted);
    EXPECT_EQ(rr.Added, r.Added);

    d.Redo();
    EXPECT_EQ(Take(d), after);
    test::ExpectConsistentLines(d);
    EXPECT_EQ(test::Shapes(d), test::FreshShapes(d));
    EXPECT_FALSE(d.CanRedo());
    d.Undo();
    EXPECT_EQ(d.GetText(), before.text);
  }
}

TEST_F(DocTest, TypingUndoRedoAndANewEditDropsRedo) {
  TNotePadString d;
  d.SetSelText(u"a");
  d.SetSelText(u"b");
  d.Undo();
  d.Undo();
  EXPECT_EQ(d.GetText(), u"");
  d.Redo();
  EXPECT_EQ(d.GetText(), u"a");
  EXPECT_EQ(d.SelStart(), 1);
  EXPECT_EQ(d.SelEnd(), 1);
  EXPECT_TRUE(d.CanRedo());
  d.SetSelText(u"c");
  EXPECT_FALSE(d.CanRedo());
  EXPECT_EQ(d.GetText(), u"ac");
  EXPECT_TRUE(d.Modified());
  d.Undo();
  d.Undo();
  d.Undo();  // nothing left: no effect
  EXPECT_EQ(d.GetText(), u"");
  EXPECT_TRUE(d.Modified());  // undo does not clear it
}

TEST_F(DocTest, TypingOverASelectionRecordsWhatItReplaced) {
  TNotePadString d;
  d.SetText(u"hello");
  d.SetSelStart(4);
  d.SetSelEnd(1);
  d.SetSelText(u"J");
  const TUndoData r = d.GetLastUndo();
  EXPECT_EQ(r.Position, 1);
  EXPECT_EQ(r.Deleted, u"ell");
  EXPECT_EQ(r.Added, u"J");
  EXPECT_EQ(r.SelStartBefore, 4);
  EXPECT_EQ(r.SelEndBefore, 1);
  EXPECT_EQ(d.GetText(), u"hJo");
  d.Undo();
  EXPECT_EQ(d.SelStart(), 4);
  EXPECT_EQ(d.SelEnd(), 1);
}

TEST_F(DocTest, PastingCrLfLinesAddsOneLinePerPair) {
  TNotePadString d;
  d.SetSelText(u"a\r\nb\r\nc");
  EXPECT_EQ(d.GetText(), u"a\nb\nc");
  EXPECT_EQ(d.Count(), 3);
  EXPECT_EQ(d.GetLastUndo().SelStartAfter, 5);
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{5, 1, 2}));
  EXPECT_EQ(d.LineEnds(), lsCRLF);  // only a whole-text replacement changes the convention
}

TEST_F(DocTest, EmptyReplacementOfNothingStillRecordsAStep) {
  TNotePadString d;
  d.SetText(u"x");
  d.ClearUndo();
  d.SetSelText(u"");
  EXPECT_EQ(d.UndoCount(), 1);
  EXPECT_EQ(d.GetText(), u"x");
}

struct KeyCase {
  const char* name;
  const char16_t* text;
  int64_t wrap;
  TNativePoint caret;
  bool back;
  const char16_t* after;
  int64_t caretAfter;
  bool recorded;
};

TEST_F(DocTest, BackspaceAndDeleteAcrossLineEnds) {
  const std::u16string x25(25, u'x');
  const std::u16string x24(24, u'x');
  const KeyCase cases[] = {
      {"back at the start of the text", u"ab", 4000, {0, 0}, true, u"ab", 0, false},
      {"back after a hard break joins", u"ab\ncd", 4000, {0, 1}, true, u"abcd", 2, true},
      {"back in a line", u"ab\ncd", 4000, {1, 1}, true, u"ab\nd", 3, true},
      {"back on a continuation line", x25.c_str(), 20, {0, 1}, true, x24.c_str(), 19, true},
      {"delete at the end of the text", u"ab", 4000, {2, 0}, false, u"ab", 2, false},
      {"delete at a hard break joins", u"ab\ncd", 4000, {2, 0}, false, u"abcd", 2, true},
      {"delete at a wrap point", x25.c_str(), 20, {20, 0}, false, x24.c_str(), 20, true},
      {"delete in a line", u"ab\ncd", 4000, {0, 1}, false, u"ab\nd", 3, true},
      {"back over a surrogate half", u"a\U0001F600", 4000, {3, 0}, true, u"a\xD83D", 2, true},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    TNotePadString d;
    d.SetWrapByte(c.wrap);
    d.SetText(c.text);
    d.ClearUndo();
    d.SetSelStartPos(c.caret);
    d.SetSelEndPos(c.caret);
    const int64_t caret = d.SelStart();
    if (c.back) {
      d.InputBackKey();
    } else {
      d.InputDelKey();
    }
    EXPECT_EQ(d.GetText(), c.after);
    EXPECT_EQ(d.SelStart(), c.caretAfter);
    EXPECT_EQ(d.SelEnd(), c.caretAfter);
    EXPECT_EQ(d.CanUndo(), c.recorded);
    test::ExpectConsistentLines(d);
    if (c.recorded) {
      const TUndoData r = d.GetLastUndo();
      EXPECT_EQ(r.SelStartBefore, caret);
      EXPECT_EQ(r.SelEndBefore, caret);
      EXPECT_EQ(r.Position, c.caretAfter);
      EXPECT_EQ(r.Added, u"");
      d.Undo();
      EXPECT_EQ(d.GetText(), c.text);
      EXPECT_EQ(d.SelStart(), caret);
    }
  }
}

TEST_F(DocTest, TabIndentWidensToWholeLinesAndSelectsTheBlock) {
  TNotePadString d;
  d.SetText(u"zero\none\n\nthree\nfour");
  d.SetSelStartPos({1, 1});
  d.SetSelEndPos({3, 3});
  EXPECT_TRUE(d.DoTabIndent(false));
  EXPECT_EQ(d.GetText(), u"zero\n\tone\n\n\tthree\nfour");
  EXPECT_EQ(d.SelStart(), 5);
  EXPECT_EQ(d.SelEnd(), 17);
  EXPECT_TRUE(d.DoTabIndent(true));
  EXPECT_EQ(d.GetText(), u"zero\none\n\nthree\nfour");
  EXPECT_EQ(d.SelStart(), 5);
  EXPECT_EQ(d.SelEnd(), 15);
  EXPECT_EQ(d.UndoCount(), 3);  // the text, then one step each

  // An upper end at the start of a line leaves that line out.
  d.SetSelStartPos({0, 1});
  d.SetSelEndPos({0, 3});
  EXPECT_TRUE(d.DoTabIndent(false));
  EXPECT_EQ(d.GetText(), u"zero\n\tone\n\nthree\nfour");

  // Nothing to unindent: handled, but no step.
  d.SetSelStartPos({0, 3});
  d.SetSelEndPos({0, 4});
  const int64_t steps = d.UndoCount();
  EXPECT_TRUE(d.DoTabIndent(true));
  EXPECT_EQ(d.UndoCount(), steps);

  // Inside one line it is not a block; one whole line is.
  d.SetSelStartPos({1, 0});
  d.SetSelEndPos({3, 0});
  EXPECT_FALSE(d.DoTabIndent(false));
  d.SetSelStartPos({4, 0});
  d.SetSelEndPos({0, 0});
  EXPECT_TRUE(d.DoTabIndent(false));
  EXPECT_EQ(d.GetText(), u"\tzero\n\tone\n\nthree\nfour");
  d.SetSelEndPos({0, 0});
  EXPECT_FALSE(d.DoTabIndent(false));  // empty selection
  d.SetBoxMode(true);
  d.SetSelEndPos({1, 2});
  EXPECT_FALSE(d.DoTabIndent(false));  // box mode
}

TEST_F(DocTest, DragMoveOntoTheSelectionDoesNothing) {
  TNotePadString d;
  d.SetText(u"abcdef");
  d.ClearUndo();
  d.SetSelStart(1);
  d.SetSelEnd(4);
  for (int64_t x : {1, 2, 4}) {
    d.DragMove({x, 0});
    EXPECT_EQ(d.GetText(), u"abcdef");
    EXPECT_FALSE(d.CanUndo());
  }
  d.DragMove({6, 0});
  EXPECT_EQ(d.GetText(), u"aefbcd");
  EXPECT_EQ(d.SelStart(), 3);  // the anchor at the start of the moved text
  EXPECT_EQ(d.SelEnd(), 6);    // the caret at its end
  d.DragMove({0, 0});
  EXPECT_EQ(d.GetText(), u"bcdaef");
  EXPECT_EQ(d.SelStart(), 3);
  EXPECT_EQ(d.SelEnd(), 0);  // moving up leaves the caret at the start
  const TUndoData r = d.GetLastUndo();
  EXPECT_EQ(r.Position, 0);
  EXPECT_EQ(r.Deleted, u"aefbcd");
  EXPECT_EQ(r.Added, u"bcdaef");
  d.SetBoxMode(true);
  d.DragMove({6, 0});
  EXPECT_EQ(d.GetText(), u"bcdaef");
}

TEST_F(DocTest, BoxPasteAddsMissingLinesAtTheEnd) {
  TNotePadString d;
  d.SetText(u"ab\ncd");
  d.SetSelStartPos({1, 1});
  d.SetSelEndPos({1, 1});
  d.SetSelTextBox(u"1\r\n2\r\n3\r\n");
  EXPECT_EQ(d.GetText(), u"ab\nc1d\n2\n3");
  EXPECT_EQ(d.SelEnd(), d.TextLength());
  const TUndoData r = d.GetLastUndo();
  EXPECT_EQ(r.Position, 3);  // the first affected line; the records hold the rest of the text
  EXPECT_EQ(r.Deleted, u"cd");
  EXPECT_EQ(r.Added, u"c1d\n2\n3");
}

TEST_F(DocTest, BoxPasteTakesThePixelColumnOnEveryLine) {
  TNotePadString d;
  d.SetText(u"\u3042\u3044\u3046\nabcdef\nx");
  d.SetSelStartPos({1, 0});  // 16 px
  d.SetSelEndPos({1, 0});
  d.SetSelTextBox(u"1\n2\n3");
  EXPECT_EQ(d.GetText(), u"\u30421\u3044\u3046\nab2cdef\nx3");
}

TEST_F(DocTest, BoxDeleteLeavesTheCaretAtTheLeftColumnOfTheFirstLine) {
  TNotePadString d;
  d.SetText(u"abcdef\nghijkl\nmnopqr");
  d.SetBoxMode(true);
  d.SetSelStartPos({4, 0});  // the anchor at the upper right
  d.SetSelEndPos({1, 1});
  d.SetSelText(u"");
  EXPECT_EQ(d.GetText(), u"aef\ngkl\nmnopqr");
  EXPECT_EQ(d.StartCaret(), (TCaretPosition{1, 1, 0}));
  EXPECT_EQ(d.EndCaret(), d.StartCaret());
  const TUndoData r = d.GetLastUndo();
  EXPECT_EQ(r.Position, 0);
  EXPECT_EQ(r.Deleted, u"abcdef\nghijkl\nmnopqr");
  EXPECT_EQ(r.Added, u"aef\ngkl\nmnopqr");
  d.Undo();
  EXPECT_EQ(d.GetText(), u"abcdef\nghijkl\nmnopqr");
  EXPECT_EQ(d.SelStart(), 4);
  EXPECT_EQ(d.SelEnd(), 8);
  EXPECT_EQ(d.ChangedEnd(), 2);  // the record runs to the end of the text
}

TEST_F(DocTest, ReplaseWithoutSelectLeavesTheCaretAfterTheText) {
  TNotePadString d;
  d.SetText(u"one two");
  d.SetSelStart(1);
  d.SetSelEnd(2);
  d.ReplaseWithoutSelect(u"2\r", 4, 99);
  EXPECT_EQ(d.GetText(), u"one 2\n");
  EXPECT_EQ(d.SelStart(), 6);
  EXPECT_EQ(d.SelEnd(), 6);
  const TUndoData r = d.GetLastUndo();
  EXPECT_EQ(r.SelStartBefore, 1);
  EXPECT_EQ(r.SelEndBefore, 2);
  EXPECT_EQ(r.Deleted, u"two");
}

TEST_F(DocTest, SetTextUndoBringsBackTextConventionAndMarks) {
  TNotePadString d;
  d.SetText(u"a\r\nb\r\nc");
  d.AddMark(2);
  d.AddMark(4);
  d.SetSelStart(3);
  d.SetText(u"x\ry");
  EXPECT_EQ(d.LineEnds(), lsCR);
  EXPECT_EQ(d.MarkCount(), 0);
  EXPECT_EQ(d.SelStart(), 0);
  const TUndoData r = d.GetLastUndo();
  EXPECT_EQ(r.Deleted, u"a\nb\nc");
  EXPECT_EQ(r.Added, u"x\ny");
  EXPECT_EQ(r.LineEndBefore, lsCRLF);
  EXPECT_EQ(r.LineEndAfter, lsCR);
  d.Undo();
  EXPECT_EQ(d.GetText(), u"a\nb\nc");
  EXPECT_EQ(d.LineEnds(), lsCRLF);
  EXPECT_EQ(d.MarkArray(), (AInteger{2, 4}));
  EXPECT_EQ(d.SelStart(), 3);
  EXPECT_EQ(d.GetLastRedo().Added, u"x\ny");
  d.Redo();
  EXPECT_EQ(d.GetText(), u"x\ny");
  EXPECT_EQ(d.LineEnds(), lsCR);
  EXPECT_EQ(d.GetLastUndo().Added, u"x\ny");
  d.ClearAll();
  EXPECT_FALSE(d.CanUndo());
  EXPECT_FALSE(d.Modified());
  EXPECT_EQ(d.GetText(), u"");
}

}  // namespace
}  // namespace kelp
