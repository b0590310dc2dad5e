// Word selection from a position or the anchor, and preparing a selection
// for reconversion.

#include "input/word_select.h"

#include <gtest/gtest.h>

#include "core/input/input_test_util.h"

namespace kelp::test {
namespace {

class WordSelectTest : public DocTest {
 protected:
  TNotePadString d;
};

TEST_F(WordSelectTest, WordsFromAPositionAndFromTheAnchor) {
  SetRows(d, {u"one tw", u"o three\n", u"four"});  // "two" spans the wrap
  SelectWord(d, SimpleTokenizer, 0, 1);
  EXPECT_EQ(d.SelStart(), 4);
  EXPECT_EQ(d.SelEnd(), 7);
  EXPECT_EQ(d.GetSelText(), u"two");

  // From the anchor, whatever the caret.
  d.SetSelStart(9);
  d.SetSelEnd(15);
  EXPECT_EQ(GetWordFromCaret(d, SimpleTokenizer), u"three");
  SelectWordFromCaret(d, SimpleTokenizer);
  EXPECT_EQ(d.SelStart(), 8);
  EXPECT_EQ(d.SelEnd(), 13);
  // At the end of a line the word is the line's last.
  d.SetSelStart(19);
  d.SetSelEnd(19);
  EXPECT_EQ(GetWordFromCaret(d, SimpleTokenizer), u"four");
}

TEST_F(WordSelectTest, ReconversionNeedsALineOfTextAndPutsTheCaretFirst) {
  SetRows(d, {u"abc", u"def\n", u"gh"});
  struct Case {
    int64_t anchor, caret;
    bool box;
    bool ok;
    int64_t wantAnchor, wantCaret;
  };
  const Case cases[] = {
      {1, 5, false, true, 5, 1},   // over the wrap, turned around
      {5, 1, false, true, 5, 1},   // already caret first
      {2, 2, false, false, 2, 2},  // empty
      {1, 8, false, false, 1, 8},  // over a line break
      {1, 5, true, false, 1, 5},   // a box over two rows
  };
  for (const Case& c : cases) {
    d.SetBoxMode(c.box);
    d.SetSelStart(c.anchor);
    d.SetSelEnd(c.caret);
    EXPECT_EQ(PrepareReconvert(d), c.ok) << c.anchor << "," << c.caret;
    EXPECT_EQ(d.SelStart(), c.wantAnchor);
    EXPECT_EQ(d.SelEnd(), c.wantCaret);
  }
}

}  // namespace
}  // namespace kelp::test
