#include "view/search_marks.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "width/char_width.h"

namespace kelp {
namespace {

class SearchMarks : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharPixelWidths(std::make_shared<TFixedWidthMeasurer>(8, 16), 8); }

  // The marked characters of row `index`, as a string of '#' and '.'.
  std::string Plain(TNotePadString& d, int64_t index, std::u16string_view text, bool ig) {
    std::vector<TTokenCode> t(static_cast<size_t>(d.Items(index).Length), 0);
    MarkPlainMatches(d, index, bm_, text, ig, t.data());
    return Show(t);
  }
  std::string Regex(TNotePadString& d, int64_t index, std::u16string_view expr) {
    std::vector<TTokenCode> t(static_cast<size_t>(d.Items(index).Length), 0);
    re_.Compile(expr, false);
    MarkRegexMatches(d, index, re_, t.data());
    return Show(t);
  }
  static std::string Show(const std::vector<TTokenCode>& t) {
    std::string s;
    for (TTokenCode c : t) s += c == tk::kHighlight ? '#' : '.';
    return s;
  }

  TSearchBM bm_;
  TOniRegexp2 re_;
};

TEST_F(SearchMarks, PlainMatchesOverlapAndCrossTheWrap) {
  TNotePadString d;
  d.SetText(u"aaaa\nxAbx ab\nzz");
  EXPECT_EQ(Plain(d, 0, u"aa", false), "####");
  EXPECT_EQ(Plain(d, 1, u"ab", true), ".##..##");
  EXPECT_EQ(Plain(d, 1, u"ab", false), ".....##");
  EXPECT_EQ(Plain(d, 2, u"ab", true), "..");
  EXPECT_EQ(Plain(d, 0, u"", false), "....");

  // Wrapped at 20 units: a match across the wrap is marked on both rows.
  TNotePadString w;
  w.SetWrapByte(20);
  w.SetText(u"0123456789012345678XY0123");
  ASSERT_EQ(w.Count(), 2);
  ASSERT_EQ(w.Items(0).Length, 20);
  EXPECT_EQ(Plain(w, 0, u"XY", false), "...................#");
  EXPECT_EQ(Plain(w, 1, u"XY", false), "#....");
}

TEST_F(SearchMarks, RegexMatchesAreMarkedOnTheirStartingRow) {
  TNotePadString d;
  d.SetText(u"foo bar\nfoo");
  EXPECT_EQ(Regex(d, 0, u"o+|ba"), ".##.##.");
  EXPECT_EQ(Regex(d, 1, u"^f"), "#..");
  // The LF after the row may take part; empty matches mark nothing.
  EXPECT_EQ(Regex(d, 0, u"r\\n"), "......#");
  EXPECT_EQ(Regex(d, 0, u"x*"), ".......");

  TNotePadString w;
  w.SetWrapByte(20);
  w.SetText(u"0123456789012345678XY0123");
  ASSERT_EQ(w.Count(), 2);
  EXPECT_EQ(Regex(w, 0, u"XY"), "...................#");
  EXPECT_EQ(Regex(w, 1, u"XY"), ".....");
  // Not compiled: nothing.
  TOniRegexp2 fresh;
  std::vector<TTokenCode> t(7, 0);
  MarkRegexMatches(d, 0, fresh, t.data());
  EXPECT_EQ(Show(t), ".......");
}

}  // namespace
}  // namespace kelp
