// The key table of the caret: moves, Shift selections, Shift+Alt boxes, the
// blocked moves, the view's clamping, column keeping and character input.

#include "input/key_handler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/input/input_test_util.h"
#include "input/selection.h"

namespace kelp::test {
namespace {

class FakeHost : public TKeyHost {
 public:
  explicit FakeHost(TNotePadString& d) : doc(d) {}
  int64_t FirstVisibleLine() const override { return first; }
  int64_t VisibleLineCount() const override { return visible; }
  TWordInfo WordAt(int64_t X, int64_t Y) override { return kelp::WordAt(doc, SimpleTokenizer, X, Y); }
  void Copy() override { calls += "copy;"; }
  void Cut() override { calls += "cut;"; }
  void Paste() override { calls += "paste;"; }
  void SelectAll() override { calls += "all;"; }
  void ScrollPageUp() override { calls += "pgup;"; }
  void ScrollPageDown() override { calls += "pgdn;"; }

  TNotePadString& doc;
  int64_t first = 0;
  int64_t visible = 10;
  std::string calls;
};

constexpr TShiftState kNone{};
constexpr TShiftState kShift{true, false, false};
constexpr TShiftState kCtrl{false, true, false};
constexpr TShiftState kAlt{false, false, true};
constexpr TShiftState kShiftAlt{true, false, true};
constexpr TShiftState kShiftCtrl{true, true, false};

class KeyTest : public DocTest {
 protected:
  void Place(TNativePoint anchor, TNativePoint caret, bool box = false) {
    d.SetSelStartPos(anchor);
    d.SetSelEndPos(caret);
    d.SetBoxMode(box);
  }
  void Press(TEditKey k, TShiftState s = kNone) { keys.HandleKeyDown(k, s); }

  TNotePadString d;
  FakeHost host{d};
  TKeyHandler keys{d, host};
};

// A row "abc" wrapped into "def", then hard lines.
const std::vector<std::u16string> kWrapped = {u"abc", u"def\n", u"gh\n", u"ijklm"};

struct MoveCase {
  const char* name;
  TNativePoint anchor, caret;
  bool box;
  TEditKey key;
  TShiftState mods;
  TNativePoint wantAnchor, wantCaret;
  bool wantBox;
  friend void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }
};

class KeyTable : public KeyTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(KeyTable, MovesTheEndsAndSetsTheBoxMode) {
  const MoveCase& c = GetParam();
  SetRows(d, kWrapped);
  Place(c.anchor, c.caret, c.box);
  Press(c.key, c.mods);
  EXPECT_EQ(d.SelStartPos(), c.wantAnchor);
  EXPECT_EQ(d.SelEndPos(), c.wantCaret);
  EXPECT_EQ(d.BoxMode(), c.wantBox);
  // Positions always agree with the rows they name.
  EXPECT_EQ(d.EndCaret().Position, d.Items(d.EndCaret().Y).Start + d.EndCaret().X);
  EXPECT_EQ(d.StartCaret().Position, d.Items(d.StartCaret().Y).Start + d.StartCaret().X);
}

const MoveCase kMoves[] = {
    {"RightAtWrapEndGoesToNextRowStart",
     {3, 0},
     {3, 0},
     false,
     TEditKey::Right,
     kNone,
     {0, 1},
     {0, 1},
     false},
    {"RightAfterWrapMovesOneCharacter", {0, 1}, {0, 1}, false, TEditKey::Right, kNone, {1, 1}, {1, 1}, false},
    {"LeftAtRowStartGoesToPreviousRowEnd",
     {0, 1},
     {0, 1},
     false,
     TEditKey::Left,
     kNone,
     {3, 0},
     {3, 0},
     false},
    {"LeftOverHardBreak", {0, 2}, {0, 2}, false, TEditKey::Left, kNone, {3, 1}, {3, 1}, false},
    {"LeftAtTextStartDoesNothing", {0, 0}, {0, 0}, false, TEditKey::Left, kNone, {0, 0}, {0, 0}, false},
    {"BlockedLeftCollapsesAtCaret", {2, 0}, {0, 0}, true, TEditKey::Left, kNone, {0, 0}, {0, 0}, false},
    {"BlockedShiftLeftKeepsEverything", {2, 0}, {0, 0}, true, TEditKey::Left, kShift, {2, 0}, {0, 0}, true},
    {"ShiftRightExtends", {1, 2}, {1, 2}, false, TEditKey::Right, kShift, {1, 2}, {2, 2}, false},
    {"ShiftAltRightMakesBox", {1, 2}, {1, 2}, false, TEditKey::Right, kShiftAlt, {1, 2}, {2, 2}, true},
    {"PlainLeftEndsBoxAndCollapses", {1, 0}, {2, 2}, true, TEditKey::Left, kNone, {1, 2}, {1, 2}, false},
    {"AltAloneIsNoBox", {1, 2}, {1, 2}, false, TEditKey::Right, kAlt, {2, 2}, {2, 2}, false},
    {"RightAtTextEndBlocked", {5, 3}, {5, 3}, false, TEditKey::Right, kNone, {5, 3}, {5, 3}, false},
    {"UpOnFirstRowBlocked", {2, 0}, {2, 0}, false, TEditKey::Up, kNone, {2, 0}, {2, 0}, false},
    {"ShiftUpOnFirstRowGoesToStart", {2, 0}, {2, 0}, false, TEditKey::Up, kShift, {2, 0}, {0, 0}, false},
    {"ShiftAltUpOnFirstRowDoesNothing",
     {2, 0},
     {2, 0},
     false,
     TEditKey::Up,
     kShiftAlt,
     {2, 0},
     {2, 0},
     false},
    {"ShiftDownOnLastRowSelectsToItsEnd",
     {2, 3},
     {2, 3},
     false,
     TEditKey::Down,
     kShift,
     {2, 3},
     {5, 3},
     false},
    {"ShiftAltDownOnLastRowDoesNothing",
     {2, 3},
     {2, 3},
     false,
     TEditKey::Down,
     kShiftAlt,
     {2, 3},
     {2, 3},
     false},
    {"DownOnLastRowCollapsesSelection", {0, 0}, {2, 3}, false, TEditKey::Down, kNone, {2, 3}, {2, 3}, false},
    {"DownKeepsPixelColumn", {2, 0}, {2, 0}, false, TEditKey::Down, kNone, {2, 1}, {2, 1}, false},
    {"DownOntoShorterRowStopsAtItsEnd", {3, 1}, {3, 1}, false, TEditKey::Down, kNone, {2, 2}, {2, 2}, false},
    {"ShiftAltDownMakesBox", {1, 1}, {1, 1}, false, TEditKey::Down, kShiftAlt, {1, 1}, {1, 2}, true},
    {"HomeGoesToRowStart", {2, 1}, {2, 1}, false, TEditKey::Home, kNone, {0, 1}, {0, 1}, false},
    {"HomeAtRowStartBlocked", {0, 1}, {0, 1}, false, TEditKey::Home, kShift, {0, 1}, {0, 1}, false},
    {"CtrlHome", {1, 2}, {1, 2}, false, TEditKey::Home, kCtrl, {0, 0}, {0, 0}, false},
    {"ShiftCtrlHomeSelectsToStart", {1, 2}, {1, 2}, false, TEditKey::Home, kShiftCtrl, {1, 2}, {0, 0}, false},
    {"EndGoesToRowEndNotLogicalEnd", {1, 0}, {1, 0}, false, TEditKey::End, kNone, {3, 0}, {3, 0}, false},
    {"CtrlEndGoesToTextEnd", {1, 0}, {1, 0}, false, TEditKey::End, kCtrl, {5, 3}, {5, 3}, false},
    {"CtrlEndAtTextEndBlocked", {1, 0}, {5, 3}, false, TEditKey::End, kShiftCtrl, {1, 0}, {5, 3}, false},
};

INSTANTIATE_TEST_SUITE_P(Moves, KeyTable, ::testing::ValuesIn(kMoves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyTest, DownFromAboveTheViewLandsOnItsThirdRow) {
  SetRows(d, ManyRows(40, u"abcdef"));
  host.first = 10;
  Place({2, 3}, {2, 3});
  Press(TEditKey::Down);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{2, 12}));
  // Near the end the third row does not exist: the last row is taken.
  host.first = 38;
  Place({1, 0}, {1, 0});
  Press(TEditKey::Down);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{1, 39}));
}

TEST_F(KeyTest, UpFromBelowTheViewStartsFromItsLowerRows) {
  SetRows(d, ManyRows(40, u"abcdef"));
  host.first = 5;
  host.visible = 10;
  Place({2, 30}, {2, 30});
  Press(TEditKey::Up);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{2, 11}));  // counted as row 12, then one up
  Press(TEditKey::Up);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{2, 10}));
}

TEST_F(KeyTest, PageKeysMoveByThePageLessThreeAndScrollFirst) {
  SetRows(d, ManyRows(30, u"abcdef"));
  host.visible = 10;  // a page is 7 rows
  Place({3, 2}, {3, 2});
  Press(TEditKey::PageDown);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{3, 9}));
  EXPECT_EQ(d.SelStartPos(), d.SelEndPos());
  Press(TEditKey::PageDown, kShift);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{3, 16}));
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{3, 9}));
  Place({3, 25}, {3, 25});
  Press(TEditKey::PageDown);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{3, 29}));
  Press(TEditKey::PageDown);  // last row, no Shift: blocked
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{3, 29}));
  Press(TEditKey::PageDown, kShift);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{6, 29}));
  EXPECT_EQ(host.calls, "pgdn;pgdn;pgdn;pgdn;pgdn;");

  host.calls.clear();
  host.first = 0;
  Place({3, 5}, {3, 5});
  Press(TEditKey::PageUp);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{3, 0}));
  Press(TEditKey::PageUp, kShift);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{0, 0}));
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{3, 0}));
  EXPECT_EQ(host.calls, "pgup;pgup;");
  // From below the view a page up starts at the view's lower rows.
  Place({1, 28}, {1, 28});
  Press(TEditKey::PageUp);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{1, 0}));
  // From above the view a page down starts at its third row.
  host.first = 20;
  Place({1, 2}, {1, 2});
  Press(TEditKey::PageDown);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{1, 29}));
}

TEST_F(KeyTest, KeepColReturnsToTheStartColumnAfterAShortRow) {
  const std::u16string long40(40, u'x');
  for (bool keep : {false, true}) {
    SCOPED_TRACE(keep);
    SetRows(d, {long40 + u"\n", u"short\n", long40 + u"\n", long40});
    keys.SetKeepCol(keep);
    keys.SetColKeeping(-1);
    Place({30, 0}, {30, 0});
    Press(TEditKey::Down);
    EXPECT_EQ(d.SelEndPos(), (TNativePoint{5, 1}));
    Press(TEditKey::Down);
    EXPECT_EQ(d.SelEndPos(), (TNativePoint{keep ? 30 : 5, 2}));
    Press(TEditKey::Up);
    Press(TEditKey::Up);
    EXPECT_EQ(d.SelEndPos(), (TNativePoint{keep ? 30 : 5, 0}));
    // Any other key forgets the column.
    Press(TEditKey::Down);
    Press(TEditKey::Left);
    EXPECT_EQ(keys.ColKeeping(), -1);
    Press(TEditKey::Down);
    EXPECT_EQ(d.SelEndPos(), (TNativePoint{4, 2}));
  }
}

TEST_F(KeyTest, VerticalMovesLandOnTheCharacterUnderThePixel) {
  // Wide characters are two units wide: pixel 24 (after three narrow ones) is
  // inside the second wide character, which is taken without rounding.
  SetRows(d, {u"abcdef\n", u"日本語\n", u"a\tb"});
  Place({3, 0}, {3, 0});
  Press(TEditKey::Down);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{1, 1}));
  // A tab stretches to the tab stop (8 units): the column inside it falls on the tab.
  Place({5, 0}, {5, 0});
  Press(TEditKey::Down);
  Press(TEditKey::Down);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{1, 2}));
}

TEST_F(KeyTest, CtrlLeftAndRightJumpByWords) {
  SetRows(d, {u"abc  def.gh\n", u"x"});
  struct Step {
    TEditKey key;
    int64_t want;
  };
  // From inside "def": its start; at a word's start: the token before it
  // (the blank run); at the first word: one back to the text start.
  Place({6, 0}, {6, 0});
  const Step left[] = {{TEditKey::Left, 5}, {TEditKey::Left, 3}, {TEditKey::Left, 0}};
  for (const Step& s : left) {
    Press(s.key, kCtrl);
    EXPECT_EQ(d.SelEnd(), s.want);
  }
  Press(TEditKey::Left, kCtrl);  // at the text start: blocked
  EXPECT_EQ(d.SelEnd(), 0);
  // Right: to a word's end; at a word's end one further.
  const Step right[] = {{TEditKey::Right, 3}, {TEditKey::Right, 5},  {TEditKey::Right, 8},
                        {TEditKey::Right, 9}, {TEditKey::Right, 11}, {TEditKey::Right, 12}};
  for (const Step& s : right) {
    Press(s.key, kCtrl);
    EXPECT_EQ(d.SelEnd(), s.want);
    EXPECT_EQ(d.SelStart(), s.want);
  }
  // At the start of a line after an empty logical line Ctrl+Left goes back one.
  SetRows(d, {u"ab\n", u"\n", u"cd"});
  Place({0, 1}, {0, 1});
  Press(TEditKey::Left, kCtrl);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{2, 0}));
}

TEST_F(KeyTest, CtrlWordMovesSeeTheWholeLogicalLineAcrossWraps) {
  SetRows(d, {u"ab cd", u"ef gh"});  // "cdef" spans the wrap
  Place({1, 1}, {1, 1});
  Press(TEditKey::Right, kShiftCtrl);
  EXPECT_EQ(d.SelEnd(), 7);
  EXPECT_EQ(d.SelStart(), 6);
  Press(TEditKey::Left, kCtrl);
  EXPECT_EQ(d.SelEnd(), 3);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{3, 0}));
}

TEST_F(KeyTest, ClipboardAndDeleteKeysNeedExactModifiers) {
  SetRows(d, {u"abc"});
  struct Case {
    TEditKey key;
    TShiftState mods;
    const char* calls;
  };
  const Case cases[] = {
      {TEditKey::Insert, kShift, "paste;"}, {TEditKey::Insert, kCtrl, "copy;"},
      {TEditKey::Insert, kShiftCtrl, ""},   {TEditKey::Insert, kNone, ""},
      {TEditKey::Delete, kShift, "cut;"},   {TEditKey::Clear, kCtrl, "all;"},
      {TEditKey::Clear, kShiftCtrl, ""},    {TEditKey::Other, kCtrl, ""},
  };
  for (const Case& c : cases) {
    host.calls.clear();
    Press(c.key, c.mods);
    EXPECT_EQ(host.calls, c.calls);
  }
  EXPECT_EQ(d.GetText(), u"abc");
  // Delete with any other modifiers deletes forward.
  Place({1, 0}, {1, 0});
  Press(TEditKey::Delete, kShiftCtrl);
  EXPECT_EQ(d.GetText(), u"ac");
  Press(TEditKey::Delete);
  EXPECT_EQ(d.GetText(), u"a");
}

TEST_F(KeyTest, EnterFollowsAutoIndent) {
  struct Case {
    int64_t autoIndent;
    bool shift;
    const char16_t* want;
  };
  const Case cases[] = {
      {1, false, u" \tab\n \t"}, {1, true, u" \tab\n"},  {0, false, u" \tab\n"},
      {0, true, u" \tab\n \t"},  {2, false, u" \tab\n"}, {2, true, u" \tab\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.autoIndent << " " << c.shift);
    d.SetText(u" \tab");
    Place({4, 0}, {4, 0});
    keys.SetAutoIndent(c.autoIndent);
    EXPECT_TRUE(keys.InputChar(kCharEnter, {c.shift, false, false}));
    EXPECT_EQ(d.GetText(), c.want);
  }
}

TEST_F(KeyTest, EnterIndentsFromTheSelectionsLowerEnd) {
  // Caret before the anchor: the indentation is that of the caret's line.
  d.SetText(u"  ab\n\tcd");
  Place({2, 1}, {3, 0});
  keys.SetAutoIndent(1);
  keys.InputChar(kCharEnter, kNone);
  EXPECT_EQ(d.GetText(), u"  a\n  d");
  // Selecting into the indentation copies only what lies before the end.
  d.SetText(u"    ab");
  Place({2, 0}, {2, 0});
  keys.InputChar(kCharEnter, kNone);
  EXPECT_EQ(d.GetText(), u"  \n    ab");
}

TEST_F(KeyTest, TabIndentsABlockAndOtherwiseTypesATab) {
  d.SetText(u"a\nb\nc");
  Place({0, 0}, {0, 2});  // rows 0 and 1
  keys.InputChar(kCharTab, kNone);
  EXPECT_EQ(d.GetText(), u"\ta\n\tb\nc");
  keys.InputChar(kCharTab, kShift);
  EXPECT_EQ(d.GetText(), u"a\nb\nc");
  Place({1, 2}, {1, 2});
  keys.InputChar(kCharTab, kNone);
  EXPECT_EQ(d.GetText(), u"a\nb\nc\t");
  // Shift+Tab without a block still types a tab.
  keys.InputChar(kCharTab, kShift);
  EXPECT_EQ(d.GetText(), u"a\nb\nc\t\t");
}

TEST_F(KeyTest, CharactersReplaceTheSelectionAndControlCodesAreIgnored) {
  d.SetText(u"abcd");
  Place({1, 0}, {3, 0});
  keys.SetColKeeping(40);
  EXPECT_TRUE(keys.InputChar(u'本', kNone));
  EXPECT_EQ(d.GetText(), u"a本d");
  EXPECT_EQ(keys.ColKeeping(), -1);
  EXPECT_FALSE(keys.InputChar(1, kNone));
  EXPECT_FALSE(keys.InputChar(27, kNone));
  EXPECT_EQ(d.GetText(), u"a本d");
  EXPECT_TRUE(keys.InputChar(kCharBackspace, kNone));
  EXPECT_EQ(d.GetText(), u"ad");
  d.Undo();
  EXPECT_EQ(d.GetText(), u"a本d");
  EXPECT_EQ(CharFromMessageCode(0x672C00FFu), u'本');
  EXPECT_EQ(CharFromMessageCode(0x00FFu), u'\u00FF');
}

}  // namespace
}  // namespace kelp::test
