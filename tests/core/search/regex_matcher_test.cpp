#include "search/regex_matcher.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

class RegexMatcherTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { InitRegexEngine(); }

  // 0-based start and length of the forward match in text from `from`, or {-1, -1}.
  std::pair<int64_t, int64_t> Find(std::u16string_view re, std::u16string_view opts, std::u16string_view text,
                                   size_t from = 0, bool anchored = false) {
    const int r =
        m.BoMatch(re, opts, text.data(), text.data() + from, text.data() + text.size(), anchored, rxp);
    if (r != TRegexMatcher::kMatched) return {-1, -1};
    return {rxp->startp[0] - text.data(), rxp->endp[0] - rxp->startp[0]};
  }

  TRegexMatcher m;
  std::unique_ptr<TBRegExpRec> rxp;
};

TEST_F(RegexMatcherTest, OptionsBehaveAsInPerlStyleEditorSearch) {
  struct Case {
    const char16_t* re;
    const char16_t* opts;
    const char16_t* text;
    int64_t pos, len;
  };
  const Case cases[] = {
      {u"^b", u"m", u"a\nb", 2, 1},     // "^" at each line start
      {u"a$", u"m", u"a\nb", 0, 1},     // "$" before each LF
      {u"a.b", u"m", u"a\nb", -1, -1},  // "." stops at LF
      {u"a.b", u"ms", u"a\nb", 0, 3},   // unless "s" is given
      {u"^b", u"", u"a\nb", -1, -1},    // without "m" only the text's ends count
      {u"KELP", u"m", u"kelp", -1, -1},
      {u"KELP", u"im", u"kelp", 0, 4},
      {u"ss", u"im", u"ßx", 0, 1},  // lengths come from the match, not the pattern
      {u"ｋｅｌｐ", u"im", u"ＫＥＬＰ", 0, 4},
      {u"\\d+", u"m", u"x１２3", 1, 3},
      {u"(?<w>け)る(ぷ)", u"m", u"けるぷ", 0, 3},
      {u"a b # comment", u"mx", u"ab", 0, 2},
      {u"\\bcat\\b", u"m", u"concat cat", 7, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Find(c.re, c.opts, c.text), std::make_pair(c.pos, c.len))
        << testing::PrintToString(std::u16string(c.re)) << " / "
        << testing::PrintToString(std::u16string(c.opts));
  }
}

TEST_F(RegexMatcherTest, SeesTheTextBeforeTheStartAndStopsAtTheEnd) {
  const std::u16string text = u"xab\nab";
  EXPECT_EQ(Find(u"^ab", u"m", text, 1), std::make_pair(int64_t{4}, int64_t{2}));  // "^" knows 'x' precedes
  EXPECT_EQ(Find(u"(?<=x)ab", u"m", text, 1), std::make_pair(int64_t{1}, int64_t{2}));
  EXPECT_EQ(Find(u"ab", u"m", text, 1, true), std::make_pair(int64_t{1}, int64_t{2}));
  EXPECT_EQ(Find(u"ab", u"m", text, 2, true), std::make_pair(int64_t{-1}, int64_t{-1}));
  // The end is where the text ends for the matcher: "$" matches there, and
  // nothing behind it is seen.
  const int r = m.BoMatch(u"b$", u"", text.data(), text.data(), text.data() + 3, false, rxp);
  ASSERT_EQ(r, TRegexMatcher::kMatched);
  EXPECT_EQ(rxp->startp[0] - text.data(), 2);
  EXPECT_EQ(m.BoMatch(u"ab\\n", u"m", text.data(), text.data(), text.data() + 3, false, rxp),
            TRegexMatcher::kNoMatch);
  EXPECT_EQ(rxp, nullptr);
}

TEST_F(RegexMatcherTest, AnAssertionBeforeADotRepeatHidesNoMatch) {
  // A leading ".+" lets the search try line starts only; an assertion in
  // front of it makes other positions count too.
  EXPECT_EQ(Find(u"(?<=a).+\\n", u"m", u"ab\n"), std::make_pair(int64_t{1}, int64_t{2}));
  EXPECT_EQ(Find(u"\\b.+x", u"m", u" ab x"), std::make_pair(int64_t{1}, int64_t{4}));
  EXPECT_EQ(Find(u"(?=b).*", u"im", u"aB"), std::make_pair(int64_t{1}, int64_t{1}));
  const std::u16string text = u"ab\nab\n";
  const char16_t* t = text.data();
  ASSERT_EQ(m.BoMatchBackward(u"(?<=a).+\\n", u"m", t, t + 5, t + text.size(), rxp), TRegexMatcher::kMatched);
  EXPECT_EQ(rxp->startp[0] - t, 4);
}

TEST_F(RegexMatcherTest, GroupOffsets) {
  const std::u16string text = u"key=value;";
  ASSERT_EQ(Find(u"(\\w+)=(\\w+)(x)?", u"m", text), std::make_pair(int64_t{0}, int64_t{9}));
  ASSERT_EQ(rxp->nparens, 3);
  EXPECT_EQ(rxp->startp[1] - text.data(), 0);
  EXPECT_EQ(rxp->endp[1] - text.data(), 3);
  EXPECT_EQ(rxp->startp[2] - text.data(), 4);
  EXPECT_EQ(rxp->endp[2] - text.data(), 9);
  EXPECT_EQ(rxp->startp[3], nullptr);  // took no part
  EXPECT_EQ(rxp->endp[3], nullptr);
  // Plain groups keep their numbers beside named ones.
  ASSERT_EQ(Find(u"(?<k>\\w+)=(\\w+)", u"m", text), std::make_pair(int64_t{0}, int64_t{9}));
  ASSERT_EQ(rxp->nparens, 2);
  EXPECT_EQ(rxp->startp[2] - text.data(), 4);
}

TEST_F(RegexMatcherTest, CompileErrorsNeverMatchAndTellWhy) {
  const std::u16string text = u"a(b";
  for (const char16_t* bad : {u"a(b", u"[z-a]", u"*x", u"(?<n>a)\\k<m>"}) {
    EXPECT_FALSE(m.Prepare(bad, u"m")) << testing::PrintToString(std::u16string(bad));
    EXPECT_FALSE(m.ErrorText().empty());
    EXPECT_EQ(m.BoMatch(bad, u"m", text.data(), text.data(), text.data() + text.size(), false, rxp),
              TRegexMatcher::kError);
    EXPECT_FALSE(m.ErrorText().empty());
    EXPECT_EQ(rxp, nullptr);
  }
  EXPECT_TRUE(m.Prepare(u"a\\(b", u"m"));
  EXPECT_TRUE(m.ErrorText().empty());
  EXPECT_EQ(m.BoMatch(u"a\\(b", u"m", text.data(), text.data(), text.data() + text.size(), false, rxp),
            TRegexMatcher::kMatched);
  EXPECT_TRUE(m.ErrorText().empty());
}

TEST_F(RegexMatcherTest, CacheKeepsRecentPatternsAndStaysBounded) {
  const std::u16string text = u"abc";
  EXPECT_EQ(m.CachedPatterns(), 0u);
  Find(u"a", u"m", text);
  Find(u"a", u"m", text);
  EXPECT_EQ(m.CachedPatterns(), 1u);
  Find(u"a", u"im", text);  // other options: another compiled pattern
  EXPECT_EQ(m.CachedPatterns(), 2u);
  for (int i = 0; i < 40; ++i) {
    const std::u16string re =
        u"x{" + std::u16string(1, char16_t(u'1' + i % 9)) + u"}" + std::u16string(i, u'y');
    Find(re, u"m", text);
  }
  EXPECT_EQ(m.CachedPatterns(), TRegexMatcher::kCacheCapacity);
  // Evicted and recompiled patterns still answer rightly.
  EXPECT_EQ(Find(u"A", u"im", text), std::make_pair(int64_t{0}, int64_t{1}));
  EXPECT_EQ(Find(u"c", u"m", text), std::make_pair(int64_t{2}, int64_t{1}));
}

TEST_F(RegexMatcherTest, RunawayBacktrackingStopsWithAnError) {
  const std::u16string text = std::u16string(40, u'a') + u"b";
  for (bool backward : {false, true}) {
    const int r =
        backward
            ? m.BoMatchBackward(u"^(a+)+$", u"m", text.data(), text.data(), text.data() + text.size(), rxp)
            : m.BoMatch(u"^(a+)+$", u"m", text.data(), text.data(), text.data() + text.size(), false, rxp);
    EXPECT_EQ(r, TRegexMatcher::kError);
    EXPECT_NE(m.ErrorText().find(u"retry-limit"), std::u16string::npos);
  }
  // The same matcher goes on working.
  EXPECT_EQ(Find(u"a+b", u"m", text), std::make_pair(int64_t{0}, int64_t{41}));
}

TEST_F(RegexMatcherTest, BackwardFindsTheNearestMatchAtOrBeforeTheStart) {
  const std::u16string text = u"ab ab abc";
  const char16_t* t = text.data();
  const char16_t* e = t + text.size();
  ASSERT_EQ(m.BoMatchBackward(u"ab", u"m", t, t + 6, e, rxp), TRegexMatcher::kMatched);
  EXPECT_EQ(rxp->startp[0] - t, 6);
  ASSERT_EQ(m.BoMatchBackward(u"ab", u"m", t, t + 5, e, rxp), TRegexMatcher::kMatched);
  EXPECT_EQ(rxp->startp[0] - t, 3);
  ASSERT_EQ(m.BoMatchBackward(u"ab", u"m", t, t, e, rxp), TRegexMatcher::kMatched);
  EXPECT_EQ(rxp->startp[0] - t, 0);
  EXPECT_EQ(m.BoMatchBackward(u"abc", u"m", t, t + 5, e, rxp), TRegexMatcher::kNoMatch);
  // The extent is the one an attempt at that position gives, reaching past the start.
  ASSERT_EQ(m.BoMatchBackward(u"b\\w*", u"m", t, t + 7, e, rxp), TRegexMatcher::kMatched);
  EXPECT_EQ(rxp->startp[0] - t, 7);
  EXPECT_EQ(rxp->endp[0] - t, 9);
  // "\G" is the start of each attempt, so every "a" qualifies.
  ASSERT_EQ(m.BoMatchBackward(u"\\Ga", u"m", t, t + 8, e, rxp), TRegexMatcher::kMatched);
  EXPECT_EQ(rxp->startp[0] - t, 6);
}

TEST_F(RegexMatcherTest, NoMatchBeginsInsideASurrogatePair) {
  const std::u16string text = u"a😀b";  // a, high, low, b
  const char16_t* t = text.data();
  const char16_t* e = t + text.size();
  ASSERT_EQ(m.BoMatchBackward(u".", u"m", t, t + 2, e, rxp), TRegexMatcher::kMatched);
  EXPECT_EQ(rxp->startp[0] - t, 1);
  EXPECT_EQ(rxp->endp[0] - t, 3);
  EXPECT_EQ(m.BoMatch(u".", u"m", t, t + 2, e, true, rxp), TRegexMatcher::kNoMatch);
  ASSERT_EQ(m.BoMatch(u"", u"m", t, t + 2, e, false, rxp), TRegexMatcher::kMatched);
  EXPECT_EQ(rxp->startp[0] - t, 3);
  // An end that cuts a pair leaves its first half out.
  ASSERT_EQ(m.BoMatch(u".$", u"", t, t, t + 2, false, rxp), TRegexMatcher::kMatched);
  EXPECT_EQ(rxp->startp[0] - t, 0);
}

TEST(RegexEngine, VersionNamesTheLibrary) {
  const std::u16string v = RegexEngineVersion();
  EXPECT_EQ(v.rfind(u"Oniguruma ", 0), 0u);
  EXPECT_GT(v.size(), std::u16string(u"Oniguruma ").size());
}

}  // namespace
}  // namespace kelp
