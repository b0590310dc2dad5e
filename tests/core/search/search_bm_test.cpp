#include "search/search_bm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "search/upper_case.h"

namespace kelp {
namespace {

int64_t Find(TSearchBM& bm, std::u16string_view text, int64_t start, int64_t end, bool down) {
  return bm.Search(text.data(), static_cast<int64_t>(text.size()), start, end, down);
}

struct BmCase {
  const char16_t* pattern;
  const char16_t* text;
  bool ig_case;
  int64_t start, end;
  bool down;
  int64_t want;
};

TEST(SearchBM, PositionsForwardAndBackward) {
  const BmCase cases[] = {
      // forward: after the first StartPos characters, ending at or before EndPos
      {u"aa", u"aaaa", false, 0, 4, true, 1},
      {u"aa", u"aaaa", false, 1, 4, true, 2},
      {u"aa", u"aaaa", false, 2, 3, true, 0},  // the match at 3 would end at 4
      {u"aa", u"aaaa", false, 2, 4, true, 3},
      {u"cd", u"abcd", false, 0, 4, true, 3},     // match at the very end
      {u"cd", u"abcd", false, 0, 99, true, 3},    // EndPos cut to the length
      {u"cd", u"abcd", false, 0, 3, true, 0},     // one short of the end
      {u"ab", u"abcd", false, 0, 2, true, 1},     // match at the very start
      {u"ab", u"abcd", false, 1, 4, true, 0},     // start already past it
      {u"abcde", u"abcd", false, 0, 4, true, 0},  // longer than the text
      {u"ab", u"abcd", false, -5, 4, true, 1},    // a start before the text counts as 0
      // backward: the rightmost match beginning from StartPos down to EndPos
      {u"ab", u"abab", false, 3, 1, false, 3},
      {u"ab", u"abab", false, 2, 1, false, 1},
      {u"ab", u"abab", false, 4, 1, false, 3},  // a window past the end never matches
      {u"ab", u"abab", false, 3, 0, false, 3},  // EndPos 0 counts as 1
      {u"ab", u"abab", false, 2, 2, false, 0},
      {u"ab", u"abab", false, 1000, 1, false, 3},
      {u"b", u"abab", false, 4, 1, false, 4},  // last character
      {u"a", u"abab", false, 1, 1, false, 1},  // first character
      {u"abcde", u"abcd", false, 4, 1, false, 0},
      // case
      {u"Kelp", u"xxKELPxx", true, 0, 8, true, 3},
      {u"Kelp", u"xxKELPxx", false, 0, 8, true, 0},
      {u"kelp", u"kelpKELP", true, 8, 1, false, 5},
      {u"kelp", u"kelpKELP", false, 8, 1, false, 1},
      {u"ＡＢＣ", u"xｘａｂｃ", true, 0, 5, true, 3},
      {u"ａｂｃ", u"xＡＢＣ", true, 4, 1, false, 2},
      {u"Straße", u"STRASSE", true, 0, 7, true, 0},
      {u"straße", u"STRAßE", true, 0, 6, true, 1},
      {u"привет", u"ПРИВЕТ", true, 0, 6, true, 1},
      {u"αβγ", u"ΑΒΓ", true, 3, 1, false, 1},
      {u"あ", u"ア", true, 0, 1, true, 0},  // kana stay apart
      {u"ｱ", u"ア", true, 0, 1, true, 0},   // half width stays apart
      // empty input
      {u"", u"abc", false, 0, 3, true, 0},
      {u"a", u"", false, 0, 0, true, 0},
      {u"a", u"", false, 1, 1, false, 0},
  };
  for (const BmCase& c : cases) {
    TSearchBM bm;
    bm.SetIgCase(c.ig_case);
    bm.SetSubStr(c.pattern);
    EXPECT_EQ(Find(bm, c.text, c.start, c.end, c.down), c.want)
        << "pattern " << testing::PrintToString(std::u16string(c.pattern)) << " start " << c.start << " end "
        << c.end << (c.down ? " down" : " up") << (c.ig_case ? " igcase" : "");
  }
}

TEST(SearchBM, NeverReadsPastTheGivenLength) {
  // The text handed over is a window of a larger buffer; characters behind it
  // must not take part in a match in either direction.
  const std::u16string buffer = u"xxabab";
  TSearchBM bm;
  bm.SetIgCase(false);
  bm.SetSubStr(u"aba");
  EXPECT_EQ(bm.Search(buffer.data(), 4, 4, 1, false), 0);  // "aba" would need the 5th character
  EXPECT_EQ(bm.Search(buffer.data(), 4, 0, 99, true), 0);
  EXPECT_EQ(bm.Search(buffer.data(), 5, 4, 1, false), 3);
  // A pattern holding U+0000 must not meet a terminating zero beyond the text.
  const std::u16string zeros(u"ab\0\0", 4);
  bm.SetSubStr(std::u16string_view(u"b\0", 2));
  EXPECT_EQ(bm.Search(zeros.data(), 2, 2, 1, false), 0);
  EXPECT_EQ(bm.Search(zeros.data(), 3, 2, 1, false), 2);
}

TEST(SearchBM, TablesRebuildOnlyWhenThePatternOrCaseChanges) {
  TSearchBM bm;
  EXPECT_TRUE(bm.IgCase());
  EXPECT_FALSE(bm.NeedInit());
  bm.SetSubStr(u"abc");
  EXPECT_TRUE(bm.NeedInit());
  const std::u16string text = u"xxABCabc";
  EXPECT_EQ(Find(bm, text, 0, 8, true), 3);
  EXPECT_FALSE(bm.NeedInit());
  bm.SetSubStr(u"abc");  // same value: nothing to do
  EXPECT_FALSE(bm.NeedInit());
  bm.SetIgCase(true);  // unchanged
  EXPECT_FALSE(bm.NeedInit());
  bm.SetIgCase(false);
  EXPECT_TRUE(bm.NeedInit());
  EXPECT_EQ(Find(bm, text, 0, 8, true), 6);
  bm.SetIgCase(true);
  EXPECT_EQ(Find(bm, text, 0, 8, true), 3);
}

// The leftmost (forward) or rightmost (backward) match, found by trying every position.
int64_t Naive(std::u16string_view text, std::u16string_view pattern, bool ig, int64_t start, int64_t end,
              bool down) {
  const int64_t len = static_cast<int64_t>(text.size());
  const int64_t n = static_cast<int64_t>(pattern.size());
  if (len <= 0 || n <= 0) return 0;
  auto fold = [ig](char16_t c) { return ig ? UpperCaseUnit(c) : c; };
  auto at = [&](int64_t a) {
    for (int64_t i = 0; i < n; ++i) {
      if (fold(text[static_cast<size_t>(a - 1 + i)]) != fold(pattern[static_cast<size_t>(i)])) return false;
    }
    return true;
  };
  if (down) {
    for (int64_t a = std::max<int64_t>(start, 0) + 1; a <= std::min(end, len) - n + 1; ++a) {
      if (at(a)) return a;
    }
  } else {
    for (int64_t a = std::min(start, len - n + 1); a >= std::max<int64_t>(end, 1); --a) {
      if (at(a)) return a;
    }
  }
  return 0;
}

TEST(SearchBM, AgreesWithTryingEveryPosition) {
  // One instance is reused for pattern after pattern, as the views do, so
  // stale table entries of a previous pattern would show here too.
  std::mt19937 rng(20261210);
  const std::u16string alphabet = u"aAbBcあア\n";
  auto pick = [&](size_t len) {
    std::u16string s;
    for (size_t i = 0; i < len; ++i) s.push_back(alphabet[rng() % alphabet.size()]);
    return s;
  };
  TSearchBM bm;
  for (int round = 0; round < 4000; ++round) {
    const std::u16string text = pick(rng() % 40);
    std::u16string pattern = pick(1 + rng() % 5);
    if (!text.empty() && rng() % 2 == 0) {  // often a piece of the text itself
      const size_t at = rng() % text.size();
      pattern = text.substr(at, 1 + rng() % 5);
    }
    const bool ig = rng() % 2 == 0;
    const bool down = rng() % 2 == 0;
    const int64_t len = static_cast<int64_t>(text.size());
    const int64_t start = static_cast<int64_t>(rng() % (text.size() + 3));
    const int64_t end = down ? len - static_cast<int64_t>(rng() % 3) : static_cast<int64_t>(rng() % 4);
    bm.SetIgCase(ig);
    bm.SetSubStr(pattern);
    ASSERT_EQ(Find(bm, text, start, end, down), Naive(text, pattern, ig, start, end, down))
        << "text " << testing::PrintToString(text) << " pattern " << testing::PrintToString(pattern)
        << " start " << start << " end " << end << (down ? " down" : " up") << (ig ? " igcase" : "");
  }
}

}  // namespace
}  // namespace kelp
