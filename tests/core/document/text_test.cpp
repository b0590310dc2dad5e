// The document's state, text in and out, positions, columns and the update
// protocol.
#include <string>
#include <vector>

#include "doc_test_util.h"

namespace kelp {
namespace {

using test::DocTest;
using test::LineShape;
using test::Shapes;

TEST_F(DocTest, NewDocument) {
  TNotePadString d;
  EXPECT_EQ(d.Count(), 1);
  EXPECT_EQ(d.Items(0).Start, 0);
  EXPECT_EQ(d.Items(0).Length, 0);
  EXPECT_EQ(d.Items(0).LineEnd, leNone);
  EXPECT_EQ(d.LineEnds(), lsCRLF);
  EXPECT_EQ(d.TabCount(), 8);
  EXPECT_EQ(d.WrapByte(), 4000);
  EXPECT_FALSE(d.Modified());
  EXPECT_FALSE(d.CanUndo());
  EXPECT_FALSE(d.CanRedo());
  EXPECT_EQ(d.TextLength(), 0);
}

TEST_F(DocTest, SetTextNormalisesLineEndsAndTheLastKindWins) {
  const struct {
    const char16_t* in;
    const char16_t* stored;
    TLineEnds before, after;
  } cases[] = {
      {u"a\r\nb\rc", u"a\nb\nc", lsCRLF, lsCR},  // the last line end was a lone CR
      {u"a\rb\r\nc", u"a\nb\nc", lsLF, lsCRLF},
      {u"a\nb\r", u"a\nb\n", lsCRLF, lsCR},
      {u"a\r\rb", u"a\n\nb", lsLF, lsCR},
      {u"a\r\n\nb", u"a\n\nb", lsCR, lsLF},
      {u"\r\n", u"\n", lsLF, lsCRLF},
      {u"no line end", u"no line end", lsCR, lsCR},  // kept as it was
      {u"", u"", lsLF, lsLF},
  };
  for (const auto& c : cases) {
    for (bool given : {false, true}) {  // a text lent, and a text given away
      TNotePadString d;
      if (c.before != lsCRLF) d.SetText(c.before == lsCR ? u"x\ry" : u"x\ny");
      ASSERT_EQ(d.LineEnds(), c.before);
      if (given) {
        d.SetText(std::u16string(c.in));
      } else {
        d.SetText(std::u16string_view(c.in));
      }
      EXPECT_EQ(d.GetText(), c.stored);
      EXPECT_EQ(d.LineEnds(), c.after);
      test::ExpectConsistentLines(d);
      // Typing into an adopted text works like any other.
      d.SetSelStart(1);
      d.SetSelEnd(1);
      d.SetSelText(u"#");
      EXPECT_EQ(d.GetText(), std::u16string(c.stored).insert(std::min<size_t>(1, d.TextLength() - 1), u"#"));
      d.Undo();
      d.Undo();
      EXPECT_EQ(d.GetText(), c.before == lsCRLF ? u"" : u"x\ny");
    }
  }
}

TEST(ParseDataString, ReadsAndAssignsLikeAString) {
  TLineData a;
  EXPECT_TRUE(a.ParseDataString.empty());
  a.ParseDataString = u"EOT";
  TLineData b = a;  // an own copy
  b.ParseDataString = std::u16string(u"END");
  EXPECT_EQ(a.ParseDataString, u"EOT");
  EXPECT_EQ(b.ParseDataString.size(), 3u);
  const std::u16string s = a.ParseDataString;
  const std::u16string_view v = b.ParseDataString;
  EXPECT_EQ(s + std::u16string(v), u"EOTEND");
  b.ParseDataString = u"";
  EXPECT_TRUE(b.ParseDataString.empty());
  EXPECT_FALSE(a.ParseDataString == b.ParseDataString);
  a.ParseDataString.clear();
  EXPECT_TRUE(a.ParseDataString == b.ParseDataString);
}

TEST_F(DocTest, TextOutWithTheThreeConventions) {
  const struct {
    const char16_t* in;
    const char16_t *ifText, *cr, *crlf;
  } cases[] = {
      {u"a\r\nb\r\n", u"a\r\nb\r\n", u"a\rb\r", u"a\r\nb\r\n"},
      {u"a\nb", u"a\nb", u"a\rb", u"a\r\nb"},
      {u"a\r\rb", u"a\r\rb", u"a\r\rb", u"a\r\n\r\nb"},
      {u"plain", u"plain", u"plain", u"plain"},
  };
  for (const auto& c : cases) {
    TNotePadString d;
    d.SetText(c.in);
    EXPECT_EQ(d.GetTextIf(), c.ifText);
    EXPECT_EQ(d.TextIf(), c.ifText);
    EXPECT_EQ(d.GetTextCR(), c.cr);
    EXPECT_EQ(d.GetTextLF(), d.GetText());
    EXPECT_EQ(d.GetTextCRLF(), c.crlf);
  }
}

TEST_F(DocTest, ReturnedStringBreaksAtWrapPoints) {
  TNotePadString d;
  d.SetWrapByte(20);
  d.SetText(std::u16string(25, u'x') + u"\r\nab");  // the first line wraps after 20
  ASSERT_EQ(d.Count(), 3);
  EXPECT_EQ(d.Items(0).LineEnd, leWrap);
  EXPECT_EQ(d.GetReturnedString(), std::u16string(20, u'x') + u"\r\n" + std::u16string(5, u'x') + u"\r\nab");
  EXPECT_EQ(d.GetTextIf(), std::u16string(25, u'x') + u"\r\nab");
}

TEST_F(DocTest, TabAndWrapSettings) {
  TNotePadString d;
  const struct {
    int64_t in, out;
  } tabs[] = {{3, 8}, {2, 2}, {4, 4}, {6, 6}, {0, 8}, {-4, 8}, {8, 8}, {16, 8}};
  for (const auto& t : tabs) {
    d.SetTabCount(t.in);
    EXPECT_EQ(d.TabCount(), t.out) << t.in;
  }
  const struct {
    int64_t in, out;
  } wraps[] = {{10, 20}, {5000, 4000}, {20, 20}, {80, 80}, {4000, 4000}, {-1, 20}};
  for (const auto& w : wraps) {
    d.SetWrapByte(w.in);
    EXPECT_EQ(d.WrapByte(), w.out) << w.in;
  }
}

TEST_F(DocTest, SettingTabCountToTheSameValueRunsNoUpdate) {
  TNotePadString d;
  int changed = 0;
  d.SetOnChanged([&](TNotePadString&) { ++changed; });
  d.SetTabCount(8);
  EXPECT_EQ(changed, 0);
  d.SetTabCount(4);
  EXPECT_EQ(changed, 1);
  d.SetWrapByte(4000);  // the same wrap width still re-wraps
  EXPECT_EQ(changed, 2);
  EXPECT_EQ(d.ChangedStart(), 0);
}

TEST_F(DocTest, CallbacksComeInOrderOncePerOutermostUpdate) {
  TNotePadString d;
  std::vector<std::string> log;
  d.SetOnChanging([&](TNotePadString&) { log.push_back("changing"); });
  d.SetOnModified([&](TNotePadString&) { log.push_back("modified"); });
  d.SetOnNeedParse([&](TNotePadString& s) {
    if (log.back() != "needparse") {
      EXPECT_FALSE(s.ParseDone());  // cleared when the update began
    }
    log.push_back("needparse");
  });
  d.SetOnChanged([&](TNotePadString& s) {
    log.push_back("changed");
    EXPECT_TRUE(s.ParseDone());
  });
  d.SetSelText(u"a");
  EXPECT_EQ(log, (std::vector<std::string>{"changing", "modified", "needparse", "changed"}));
  log.clear();
  d.SetSelText(u"b");  // already modified
  EXPECT_EQ(log, (std::vector<std::string>{"changing", "needparse", "changed"}));
  log.clear();
  d.BeginUpdate();
  d.SetSelText(u"c");
  d.SetSelText(u"\n");
  d.EndUpdate();
  EXPECT_EQ(log, (std::vector<std::string>{"changing", "needparse", "needparse", "changed"}));
  EXPECT_EQ(d.CountBeforeChanged(), 1);
  EXPECT_EQ(d.Count(), 2);
  log.clear();
  d.ClearModified();
  d.SetText(u"x\ny\nz");
  EXPECT_EQ(log, (std::vector<std::string>{"changing", "modified", "needparse", "changed"}));
  EXPECT_EQ(d.ChangedStart(), 0);
  EXPECT_EQ(d.ChangedEnd(), 2);
  log.clear();
  d.EndUpdate();  // unmatched: nothing happens
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(d.UpdateCount(), 0);
}

TEST_F(DocTest, SetTextInsideAnOuterUpdateWrapsAtItsEnd) {
  TNotePadString d;
  d.SetWrapByte(20);
  d.BeginUpdate();
  d.SetText(std::u16string(30, u'q') + u"\nz");
  d.SetSelStart(31);  // the lines are usable inside the update
  EXPECT_EQ(d.StartCaret().Position, 31);
  d.EndUpdate();
  EXPECT_EQ(d.Count(), 3);
  test::ExpectConsistentLines(d);
  EXPECT_EQ(d.StartCaret(), (TCaretPosition{31, 0, 2}));
}

TEST_F(DocTest, SelectionIsClampedAndCopiedWhenEqual) {
  TNotePadString d;
  d.SetText(u"abc\ndefg\nh");
  d.SetSelStart(100);
  EXPECT_EQ(d.StartCaret(), (TCaretPosition{10, 1, 2}));
  d.SetSelStartPos({99, 1});  // beyond the line: its end, before the LF
  EXPECT_EQ(d.StartCaret(), (TCaretPosition{8, 4, 1}));
  d.SetSelEndPos({2, 99});
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{11 - 1, 1, 2}));
  d.SetSelEnd(8);
  EXPECT_EQ(d.EndCaret(), d.StartCaret());
  d.SetSelStart(2);
  EXPECT_EQ(d.StartCaret(), (TCaretPosition{2, 2, 0}));
  EXPECT_EQ(d.SelLength(), 6);
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{2, 0}));
  EXPECT_EQ(d.GetSelText(), u"c\ndefg");
  d.SelEndToSelStart();
  EXPECT_EQ(d.EndCaret(), d.StartCaret());
  EXPECT_EQ(d.GetSelText(), u"");
}

// A display line "ab" ending in leWrap followed by "cd", built by hand.
class WrapBoundary : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    d.SetText(u"abcd");
    TLineData first = d.Items(0);
    first.Length = 2;
    first.LineEnd = leWrap;
    d.SetItems(0, first);
    TLineData second;
    second.Start = 2;
    second.Length = 2;
    second.LineEnd = leNone;
    d.InternalLines().Insert(1, second);
  }
  TNotePadString d;
};

TEST_F(WrapBoundary, WalkFromAboveEndsOnTheUpperLineAndFromBelowOnTheLower) {
  d.SetSelStart(1);
  d.SetSelEnd(1);
  d.SetSelEnd(2);  // forward from offset 1
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{2, 2, 0}));
  d.SetSelEndPos({1, 1});  // offset 3 on the second line
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{3, 1, 1}));
  d.SetSelEnd(2);  // backward from the second line
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{2, 0, 1}));
  d.SetSelStart(4);
  EXPECT_EQ(d.StartCaret(), (TCaretPosition{4, 2, 1}));
  d.SetSelStart(0);
  EXPECT_EQ(d.StartCaret(), (TCaretPosition{0, 0, 0}));
}

TEST_F(WrapBoundary, LinesPositionsAndIndent) {
  EXPECT_EQ(d.GetLineLength(0), 2);
  int64_t xx = -1;
  EXPECT_EQ(d.GetLineString(1, 1, xx), u"abcd");
  EXPECT_EQ(xx, 3);
  EXPECT_EQ(d.LinesPosToWrapPos(2, 0), (TNativePoint{2, 0}));  // the boundary: end of the upper line
  EXPECT_EQ(d.LinesPosToWrapPos(3, 0), (TNativePoint{1, 1}));
  EXPECT_EQ(d.LinesPosToWrapPos(0, 5), (TNativePoint{2, 1}));  // past the last logical line
}

TEST_F(DocTest, IndentString) {
  TNotePadString d;
  d.SetText(u"  \tx\n\u3000 y\nz");
  EXPECT_EQ(d.GetIndentString(4, 0), u"  \t");
  EXPECT_EQ(d.GetIndentString(1, 0), u" ");
  EXPECT_EQ(d.GetIndentString(0, 0), u"");
  EXPECT_EQ(d.GetIndentString(3, 1), u"\u3000 ");
  EXPECT_EQ(d.GetIndentString(1, 2), u"");
}

TEST_F(DocTest, IndentOfAWrappedBlankLineIsEmpty) {
  TNotePadString d;
  d.SetWrapByte(20);
  d.SetText(std::u16string(25, u' ') + u"x");
  ASSERT_EQ(d.Items(0).LineEnd, leWrap);
  ASSERT_EQ(d.Items(0).Length, 20);
  EXPECT_EQ(d.GetIndentString(3, 1), u"");  // all of the first display line is blank
  EXPECT_EQ(d.GetIndentString(3, 0), u"   ");
}

TEST_F(DocTest, CaretColumnsWithTabsAndWideCharacters) {
  TNotePadString d;
  d.SetTabCount(4);  // stops every 32 px
  d.SetText(u"a\tあb\t\tc\n");
  const struct {
    int64_t x, px;
  } cases[] = {{0, 0},  {1, 8},  {2, 32},  {3, 48},      {4, 56},
               {5, 64}, {6, 96}, {7, 104}, {8, 104 + 8}, {99, 104}};
  for (const auto& c : cases) EXPECT_EQ(d.GetCaretX(c.x, 0), c.px) << c.x;
  EXPECT_EQ(d.GetCaretX(0, 99), 0);  // the last line, which is empty
  EXPECT_EQ(d.GetCaretX(1, 99), 8);  // just past its end: one unit for the line-end mark
}

TEST_F(DocTest, OffsetUnderAPixel) {
  TNotePadString d;
  d.SetText(u"aあ\tb\n");
  d.SetTabCount(4);
  const struct {
    int64_t px, x;
    bool over;
  } cases[] = {{-5, 0, false}, {0, 0, false},  {7, 0, false},  {8, 1, false},
               {23, 1, false}, {24, 2, false}, {31, 2, false}, {32, 3, false},
               {39, 3, false}, {40, 4, false}, {41, 4, true},  {400, 4, true}};
  for (const auto& c : cases) {
    bool over = !c.over;
    EXPECT_EQ(d.FromCaretX(c.px, 0, over), c.x) << c.px;
    EXPECT_EQ(over, c.over) << c.px;
  }
  bool over = true;
  EXPECT_EQ(d.FromCaretX(0, 1, over), 0);  // an empty line
  EXPECT_FALSE(over);
  EXPECT_EQ(d.FromCaretX(1, 1, over), 0);
  EXPECT_TRUE(over);
}

TEST_F(DocTest, StreamSelectedArea) {
  TNotePadString d;
  d.SetText(u"abc\ndefg\nhi");
  d.SetSelStart(9 + 1);                                   // "h|i"
  d.SetSelEnd(1);                                         // "a|bc"
  EXPECT_EQ(d.GetSelectedArea(0), (TNativePoint{1, 4}));  // the LF is part of the selection
  EXPECT_EQ(d.GetSelectedArea(1), (TNativePoint{-1, 5}));
  EXPECT_EQ(d.GetSelectedArea(2), (TNativePoint{-1, 1}));
  EXPECT_EQ(d.GetSelectedArea(3), (TNativePoint{0, 0}));
  d.SetSelStart(1);
  EXPECT_EQ(d.GetSelectedArea(0), (TNativePoint{0, 0}));
}

// Lines of 6, 1, 0 and 6 characters; the box spans columns 2 to 4.
class BoxSelection : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    d.SetText(u"abcdef\nx\n\nghijkl");
    d.SetBoxMode(true);
    d.SetSelStartPos({2, 0});
    d.SetSelEndPos({4, 3});
  }
  TNotePadString d;
};

TEST_F(BoxSelection, ShortLinesGiveEmptyPartsAtTheirEnd) {
  EXPECT_EQ(d.GetSelectedArea(0), (TNativePoint{2, 4}));
  EXPECT_EQ(d.GetSelectedArea(1), (TNativePoint{1, 1}));  // shorter than the left column
  EXPECT_EQ(d.GetSelectedArea(2), (TNativePoint{0, 0}));
  EXPECT_EQ(d.GetSelectedArea(3), (TNativePoint{2, 4}));
  EXPECT_EQ(d.GetSelText(), u"cd\n\n\nij\n");  // still one LF per line
}

TEST_F(BoxSelection, ColumnsAreInPixelsAndANarrowColumnTakesACharacter) {
  d.SetText(u"a\u3042\u3044b\nabcdef");  // a 0-8 px, wide 8-24 and 24-40, b 40-48
  d.SetBoxMode(true);
  d.SetSelStartPos({2, 1});                               // 16 px
  d.SetSelEndPos({1, 0});                                 // 8 px
  EXPECT_EQ(d.GetSelectedArea(0), (TNativePoint{1, 2}));  // 8-16 px lies inside one wide character
  EXPECT_EQ(d.GetSelectedArea(1), (TNativePoint{1, 2}));
  d.SetSelStartPos({0, 1});  // 0 px
  d.SetSelEndPos({3, 0});    // 40 px
  EXPECT_EQ(d.GetSelectedArea(0), (TNativePoint{0, 3}));
  EXPECT_EQ(d.GetSelectedArea(1), (TNativePoint{0, 5}));
  EXPECT_EQ(d.GetSelText(), u"a\u3042\u3044\nabcde\n");
}

TEST_F(BoxSelection, SameColumnSelectsNothing) {
  d.SetSelEndPos({2, 3});
  EXPECT_EQ(d.GetSelectedArea(0), (TNativePoint{0, 0}));
  EXPECT_EQ(d.GetSelText(), u"\n\n\n\n");
}

}  // namespace
}  // namespace kelp
