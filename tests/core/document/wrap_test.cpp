// Wrapping logical lines into display lines by the line-breaking rules.
#include <random>
#include <string>
#include <vector>

#include "doc_test_util.h"
#include "document/line_break.h"

namespace kelp {
namespace {

using test::DocTest;
using test::LineShape;
using test::Shapes;

const std::u16string kA9 = u"\u3042\u3042\u3042\u3042\u3042\u3042\u3042\u3042\u3042";  // 9 wide: 18 units

// The lengths of the display lines of `text` wrapped at 20 units.
std::vector<int64_t> Lengths(const std::u16string& text, int64_t wrap = 20) {
  TNotePadString d;
  d.SetWrapByte(wrap);
  d.SetText(text);
  std::vector<int64_t> v;
  for (int64_t i = 0; i < d.Count(); ++i) v.push_back(d.Items(i).Length);
  return v;
}

TEST(LineBreak, ClassesOfTheTable) {
  const struct {
    char16_t c;
    uint8_t cls;
  } cases[] = {
      {u'a', lbWord},         {u'0', lbWord},      {u'"', lbWord},         {u'~', lbWord},
      {0x00C0, lbWord},       {0x0410, lbWord},    {0xFE76, lbWord},       {u'(', lbOpening},
      {0x300C, lbOpening},    {0xFF62, lbOpening}, {u')', lbClosing},      {u'!', lbClosing},
      {0x3002, lbClosing},    {0xFF64, lbClosing}, {u' ', lbSpace},        {u'\t', lbSpace},
      {0x3000, lbSpace},      {0x200B, lbSpace},   {0x3063, lbNonStarter}, {0x30FC, lbNonStarter},
      {0xFF70, lbNonStarter}, {u'%', lbPostfix},   {u'/', lbPostfix},      {0x2103, lbPostfix},
      {u'$', lbPrefix},       {u'\\', lbPrefix},   {0xFFE5, lbPrefix},     {u',', lbInfix},
      {u'.', lbInfix},        {u';', lbInfix},     {0x3042, lbAny},        {0x6F22, lbAny},
      {0xAC00, lbAny},        {u'\n', lbAny},      {u'`', lbWord},         {u'_', lbWord},
      {u'[', lbOpening},      {u'{', lbOpening},   {u'}', lbClosing},      {u'?', lbClosing},
      {u'-', lbAny},          {u'#', lbWord},      {u'&', lbWord},         {0x02BA, lbAny},
  };
  for (const auto& c : cases) EXPECT_EQ(LineBreakClass(c.c), c.cls) << std::hex << int(c.c);
  EXPECT_TRUE(IsHangingPunctuation(0x3001));
  EXPECT_TRUE(IsHangingPunctuation(0xFF61));
  EXPECT_FALSE(IsHangingPunctuation(0x300D));
}

TEST(LineBreak, Rules) {
  const struct {
    char16_t c, n;
    bool allowed;
  } cases[] = {
      {u'(', 0x3042, false},                          // nothing after an opening bracket
      {0x3042, u')', false},                          // nothing before a closing one
      {0x3042, u',', false},                          // nor before an infix separator
      {0x3042, 0x3063, false}, {u' ', 0x3063, true},  // small kana: only after a space
      {u'5', u'%', false},     {u'a', u'%', true},   {u'$', u'5', false}, {u',', u'5', false},
      {u'$', u'a', true},      {u'a', u'b', false},  {u'a', u' ', true},  {0x3042, 0x3042, true},
      {u'a', 0x3042, true},    {u'%', u'5', true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BreakAllowed(c.c, c.n), c.allowed) << std::hex << int(c.c) << " " << int(c.n);
  }
}

TEST_F(DocTest, BreakSearch) {
  const struct {
    const char* name;
    std::u16string text;
    std::vector<int64_t> lengths;
  } cases[] = {
      {"a run of letters breaks at the limit", std::u16string(45, u'a'), {20, 20, 5}},
      {"words break after a space", u"aaaa bbbb cccc dddd eeee", {20, 4}},
      {"the full stop hangs past the limit", kA9 + u"\u3042\u3002\u3044", {11, 1}},
      {"the closing bracket takes the character before it", kA9 + u"\u3042\u300D\u3044", {9, 3}},
      {"no break after an opening bracket", kA9 + u"(\u3042\u3042", {9, 3}},
      {"no break between a digit and a percent sign", kA9 + u" 5%\u3042", {10, 3}},
      {"no break between a dollar sign and a digit", kA9 + u" $5\u3042", {10, 3}},
      {"a mark hanging at the very end stays", kA9 + u"\u3042\u3002", {11}},
      {"the last character of the text is not searched back for", std::u16string(20, u'a') + u"b", {20, 1}},
      {"wide characters count two units", std::u16string(12, 0x3042), {10, 2}},
      {"tabs end on tab stops", u"a\tb\tc\td", {5, 2}},
      {"the search goes back no further than half the width", u"ab " + std::u16string(30, u'c'), {20, 13}},
      {"a break found within half the width is taken",
       std::u16string(12, u'c') + u" " + std::u16string(30, u'd'),
       {13, 20, 10}},
  };
  for (const auto& c : cases) EXPECT_EQ(Lengths(c.text), c.lengths) << c.name;
}

TEST_F(DocTest, NoWrapWidthSplitsALineOfDigitsAt4000) {
  EXPECT_EQ(Lengths(std::u16string(5000, u'0'), 4000), (std::vector<int64_t>{4000, 1000}));
}

TEST_F(DocTest, WrappedLinesEndInWrapAndKeepTheLogicalEnd) {
  TNotePadString d;
  d.SetWrapByte(20);
  d.SetText(std::u16string(25, u'x') + u"\n" + std::u16string(45, u'y'));
  EXPECT_EQ(Shapes(d),
            (std::vector<LineShape>{
                {0, 20, leWrap}, {20, 5, leLF}, {26, 20, leWrap}, {46, 20, leWrap}, {66, 5, leNone}}));
  EXPECT_EQ(d.LinesPosToWrapPos(20, 0), (TNativePoint{20, 0}));  // a wrap boundary: the upper line
  EXPECT_EQ(d.LinesPosToWrapPos(21, 0), (TNativePoint{1, 1}));
  EXPECT_EQ(d.LinesPosToWrapPos(44, 1), (TNativePoint{4, 4}));
  EXPECT_EQ(d.LinesPosToWrapPos(0, 1), (TNativePoint{0, 2}));
  EXPECT_EQ(d.LinesPosToWrapPos(0, 2), (TNativePoint{5, 4}));  // past the last logical line
  EXPECT_EQ(d.LinesPosToWrapPos(3, 9), (TNativePoint{5, 4}));
}

TEST_F(DocTest, AnEditThatShortensAWrappedLinePullsTextBack) {
  TNotePadString d;
  d.SetWrapByte(20);
  d.SetText(u"aaaa bbbb cccc dddd eeee ffff");
  ASSERT_EQ(Shapes(d), (std::vector<LineShape>{{0, 20, leWrap}, {20, 9, leNone}}));
  d.SetSelStart(5);
  d.SetSelEnd(10);
  d.SetSelText(u"");
  EXPECT_EQ(Shapes(d), (std::vector<LineShape>{{0, 20, leWrap}, {20, 4, leNone}}));
  EXPECT_EQ(d.LineView(0), u"aaaa cccc dddd eeee ");
  d.SetSelStart(0);
  d.SetSelEnd(15);
  d.SetSelText(u"");
  EXPECT_EQ(Shapes(d), (std::vector<LineShape>{{0, 9, leNone}}));
}

TEST_F(DocTest, AnEditAtTheStartOfAContinuationLineReflowsTheLineAbove) {
  TNotePadString d;
  d.SetWrapByte(20);
  d.SetText(u"aaaa bbbb cccc dddd eeee");
  d.SetSelStartPos({0, 1});
  d.SetSelEndPos({0, 1});
  int64_t changedStart = -1;
  d.SetOnChanged([&](TNotePadString& s) { changedStart = s.ChangedStart(); });
  d.SetSelText(u"\u300D");  // a closing bracket may not start the line
  EXPECT_EQ(Shapes(d), (std::vector<LineShape>{{0, 19, leWrap}, {19, 6, leNone}}));
  EXPECT_EQ(changedStart, 0);
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{21, 2, 1}));
}

TEST_F(DocTest, TypingAtTheEndOfALineWrapsIt) {
  TNotePadString d;
  d.SetWrapByte(20);
  d.SetText(std::u16string(19, u'x'));
  d.SetSelStart(19);
  d.SetSelEnd(19);
  d.SetSelText(u"x");
  EXPECT_EQ(d.Count(), 1);
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{20, 20, 0}));
  d.SetSelText(u"x");
  EXPECT_EQ(Shapes(d), (std::vector<LineShape>{{0, 20, leWrap}, {20, 1, leNone}}));
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{21, 1, 1}));
  d.InputBackKey();
  EXPECT_EQ(d.Count(), 1);
  EXPECT_EQ(d.EndCaret(), (TCaretPosition{20, 20, 0}));  // the boundary lands on the upper line
}

TEST_F(DocTest, ChangingTheTabWidthRewrapsEverything) {
  TNotePadString d;
  d.SetWrapByte(20);
  d.SetText(u"a\tb\tc\td\nx\ty\tz\tw");
  EXPECT_EQ(d.Count(), 4);
  int needParse = 0;
  d.SetOnNeedParse([&](TNotePadString&) { ++needParse; });
  d.SetTabCount(4);
  EXPECT_EQ(Shapes(d), (std::vector<LineShape>{{0, 7, leLF}, {8, 7, leNone}}));
  EXPECT_EQ(needParse, 1);
  EXPECT_TRUE(d.ParseDone());
  EXPECT_EQ(d.ChangedStart(), 0);
  EXPECT_EQ(d.ChangedEnd(), 3);
  d.SetWrapByte(4000);
  d.SetWrapByte(20);
  EXPECT_EQ(Shapes(d), test::FreshShapes(d));
}

TEST_F(DocTest, WrapAllKeepsTheParserStateOfEachLogicalLine) {
  TNotePadString d;
  d.SetText(std::u16string(30, u'x') + u"\nshort");
  TLineData first = d.Items(0);
  first.EndToken = 7;
  first.ParseDataString = u"EOT";
  d.SetItems(0, first);
  d.SetWrapByte(20);
  ASSERT_EQ(d.Count(), 3);
  EXPECT_EQ(d.Items(0).EndToken, 7);
  EXPECT_EQ(d.Items(1).ParseDataString, u"EOT");
  EXPECT_EQ(d.Items(2).EndToken, 0);
}

TEST_F(DocTest, WithoutAWidthUnitNothingWraps) {
  ResetCharPixelWidths(nullptr, 0);
  TNotePadString d;
  d.SetWrapByte(20);
  d.SetText(std::u16string(100, u'x'));
  EXPECT_EQ(d.Count(), 1);
}

// Random edits of every kind: after each, the display lines are exactly those
// a full wrap of the text gives, and both selection ends agree with them.
TEST_F(DocTest, IncrementalWrapMatchesAFullWrapAfterRandomEdits) {
  std::mt19937 rng(20261210);
  const std::u16string alphabet =
      u"aaaabbbcc    0123456789%$()\t\n\n\u3042\u3044\u3046\u3063\u3002\u3001\u300C\u300D\u6F22\u5B57"
      u"\uFF08\uFF09.,;!?";
  auto randomText = [&](size_t n) {
    std::u16string s;
    for (size_t i = 0; i < n; ++i) s += alphabet[rng() % alphabet.size()];
    return s;
  };
  TNotePadString d;
  d.SetWrapByte(20);
  d.SetText(randomText(400));
  for (int step = 0; step < 3000; ++step) {
    const int64_t len = d.TextLength();
    auto pos = [&] { return static_cast<int64_t>(rng() % (len + 1)); };
    const int op = static_cast<int>(rng() % 100);
    d.SetBoxMode(op >= 90 && op < 95);
    d.SetSelStart(pos());
    d.SetSelEnd(rng() % 3 == 0 ? pos() : d.SelStart() + static_cast<int64_t>(rng() % 4));
    if (op < 40) {
      d.SetSelText(randomText(rng() % (step % 50 == 0 ? 200 : 4)));
    } else if (op < 55) {
      d.InputBackKey();
    } else if (op < 70) {
      d.InputDelKey();
    } else if (op < 78) {
      d.Undo();
    } else if (op < 84) {
      d.Redo();
    } else if (op < 87) {
      d.DragMove(d.LinesPosToWrapPos(rng() % 5, rng() % 10));
    } else if (op < 90) {
      d.DoTabIndent(rng() % 2 == 0);
    } else if (op < 95) {
      d.SetSelText(randomText(rng() % 3));
    } else if (op < 97) {
      d.SetSelTextBox(u"12\n34\n");
    } else if (op < 98) {
      d.SetTabCount(2 + 2 * static_cast<int64_t>(rng() % 4));
    } else if (op < 99) {
      d.SetWrapByte(20 + static_cast<int64_t>(rng() % 20));
    } else {
      d.ReplaseWithoutSelect(randomText(3), pos(), 2);
    }
    ASSERT_NO_FATAL_FAILURE(test::ExpectConsistentLines(d)) << "step " << step;
    ASSERT_EQ(Shapes(d), test::FreshShapes(d)) << "step " << step;
    for (const TCaretPosition* e : {&d.StartCaret(), &d.EndCaret()}) {
      ASSERT_GE(e->X, 0);
      ASSERT_LE(e->X, d.Items(e->Y).Length) << "step " << step;
      ASSERT_EQ(e->Position, d.Items(e->Y).Start + e->X) << "step " << step;
    }
  }
}

}  // namespace
}  // namespace kelp
