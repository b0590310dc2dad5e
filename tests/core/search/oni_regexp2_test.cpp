#include "search/oni_regexp2.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "search/search_bm.h"

namespace kelp {
namespace {

class OniRegexp2Test : public testing::Test {
 protected:
  static void SetUpTestSuite() { InitRegexEngine(); }

  // Compiles, points at text and runs one Exec over the whole text.
  bool Run(std::u16string_view re, const std::u16string& text, int64_t offset, bool forward,
           bool replace1st = false, bool ig = false) {
    rx.Compile(re, ig);
    rx.SetInputString(text.c_str());
    const auto len = static_cast<int64_t>(text.size());
    return rx.Exec(offset, len, len, forward, replace1st);
  }

  TOniRegexp2 rx;
};

TEST_F(OniRegexp2Test, ForwardPassesOverAnEmptyMatchAtItsStartUnlessReplacingFirst) {
  const std::u16string text = u"abc";
  ASSERT_TRUE(Run(u"x*", text, 3, true));
  EXPECT_EQ(rx.MatchPos(), 4);
  EXPECT_EQ(rx.MatchLen(), 0);
  EXPECT_EQ(rx.MatchEnd(), 4);
  ASSERT_TRUE(Run(u"x*", text, 3, true, /*replace1st=*/true));
  EXPECT_EQ(rx.MatchPos(), 3);
  EXPECT_EQ(rx.MatchLen(), 0);
  // At the very end there is no further position to try.
  EXPECT_FALSE(rx.Exec(4, 3, 4, true, false));
  ASSERT_TRUE(rx.Exec(4, 3, 4, true, true));
  EXPECT_EQ(rx.MatchPos(), 4);
  // A non-empty match at the start is reported as it is.
  ASSERT_TRUE(Run(u"b+", text, 2, true));
  EXPECT_EQ(rx.MatchPos(), 2);
  EXPECT_EQ(rx.MatchLen(), 1);
  EXPECT_EQ(rx.MatchEnd(), 3);
  // The pass-over steps over a whole surrogate pair.
  const std::u16string pair = u"😀z";
  ASSERT_TRUE(Run(u"y*", pair, 1, true));
  EXPECT_EQ(rx.MatchPos(), 3);
}

TEST_F(OniRegexp2Test, BackwardReportsTheMatchNearestBeforeOrAtTheOffset) {
  const std::u16string text = u"abab";
  ASSERT_TRUE(Run(u"b", text, 4, false));
  EXPECT_EQ(rx.MatchPos(), 4);
  EXPECT_EQ(rx.MatchLen(), 1);
  ASSERT_TRUE(Run(u"b", text, 3, false));
  EXPECT_EQ(rx.MatchPos(), 2);
  EXPECT_FALSE(Run(u"b", text, 1, false));
  EXPECT_FALSE(Run(u"b", text, 0, false));
  ASSERT_TRUE(Run(u"b", text, 99, false));  // an offset past the end starts at the end
  EXPECT_EQ(rx.MatchPos(), 4);
  ASSERT_TRUE(Run(u"B", text, 3, false, false, /*ig=*/true));
  EXPECT_EQ(rx.MatchPos(), 2);
}

TEST_F(OniRegexp2Test, RangesLimitsAndPreconditions) {
  const std::u16string text = u"ab\ncd";
  TOniRegexp2 fresh;
  EXPECT_FALSE(fresh.Compiled());
  fresh.SetInputString(text.c_str());
  EXPECT_FALSE(fresh.Exec(1, 5, 5, true, false));  // nothing compiled
  TOniRegexp2 no_input;
  no_input.Compile(u"a", false);
  EXPECT_TRUE(no_input.Compiled());
  EXPECT_FALSE(no_input.Exec(1, 5, 5, true, false));  // no text set

  rx.Compile(u"c", false);
  rx.SetInputString(text.c_str());
  EXPECT_FALSE(rx.Exec(4, 5, 3, true, false));  // AOffset - 1 >= ALimit
  ASSERT_TRUE(rx.Exec(3, 5, 3, true, false));   // AOffset - 1 < ALimit; the match may lie beyond
  EXPECT_EQ(rx.MatchPos(), 4);
  EXPECT_FALSE(rx.Exec(1, 3, 5, true, false));  // the last point hides it
  rx.Compile(u"b$", false);                     // "$" at the line end, and at the last point
  ASSERT_TRUE(rx.Exec(1, 2, 5, true, false));
  EXPECT_EQ(rx.MatchPos(), 2);
  rx.Compile(u"^c", false);
  ASSERT_TRUE(rx.Exec(5, 5, 5, false, false));
  EXPECT_EQ(rx.MatchPos(), 4);
  EXPECT_EQ(rx.Expression(), u"^c");
  EXPECT_EQ(rx.Option(), u"m");
  rx.Compile(u"^C", true);
  EXPECT_EQ(rx.Option(), u"im");
}

TEST_F(OniRegexp2Test, ErrorsAreNoMatchesWithAText) {
  const std::u16string text = std::u16string(64, u'a') + u"b";
  rx.Compile(u"(ab", false);
  EXPECT_TRUE(rx.Compiled());
  EXPECT_FALSE(rx.ErrorText().empty());
  rx.SetInputString(text.c_str());
  EXPECT_FALSE(rx.Exec(1, 65, 65, true, false));
  EXPECT_FALSE(rx.ErrorText().empty());

  for (bool forward : {true, false}) {
    EXPECT_FALSE(Run(u"^(a+)+$", text, forward ? 1 : 65, forward));
    EXPECT_NE(rx.ErrorText().find(u"retry-limit"), std::u16string::npos);
  }
  ASSERT_TRUE(Run(u"a+b", text, 1, true));
  EXPECT_TRUE(rx.ErrorText().empty());
  EXPECT_EQ(rx.MatchLen(), 65);
}

TEST(OniRegexp2Substitute, PreSubstituteTable) {
  struct Case {
    std::u16string in, out;
  };
  const Case cases[] = {
      {u"\\1-\\t", u"$1-\t"},
      {u"\\9\\0", u"$90"},  // "\0" is no group reference
      {u"a\\\\b", u"a\\b"},
      {u"\\\\1", u"\\1"},
      {u"\\a\\e\\f\\n\\r\\t", u"\a\x1B\f\n\r\t"},
      {u"\\x\\$\\あ", u"x$あ"},
      {u"end\\", u"end"},
      {u"plain $1 text", u"plain $1 text"},
      {u"", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TOniRegexp2::PreSubstitute(c.in), c.out) << testing::PrintToString(c.in);
  }
}

TEST_F(OniRegexp2Test, SubstituteFillsInGroups) {
  const std::u16string text = u"name: Kelp";
  ASSERT_TRUE(Run(u"(\\w+): (\\w+)(x)?", text, 1, true));
  EXPECT_EQ(rx.GroupCount(), 3);
  EXPECT_EQ(rx.GroupPos(2), 7);
  EXPECT_EQ(rx.GroupEnd(2), 11);
  EXPECT_EQ(rx.GroupPos(3), 0);
  EXPECT_EQ(rx.GroupPos(4), 0);
  struct Case {
    std::u16string in, out;
  };
  const Case cases[] = {
      {u"$2=$1", u"Kelp=name"},
      {u"[$0]", u"[name: Kelp]"},
      {u"$3|$9", u"|"},
      {u"$$1", u"$name"},
      {u"cost $", u"cost $"},
      {u"$x", u"$x"},
      {u"", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(rx.Substitute(c.in), c.out) << testing::PrintToString(c.in);

  const std::u16string xa = u"xa";  // the text must outlive the match
  ASSERT_TRUE(Run(u"(a)", xa, 1, true));
  EXPECT_EQ(rx.Substitute(u"$2"), u"");  // only one group
  EXPECT_EQ(rx.Substitute(u"<$1>"), u"<a>");
  // After a search that failed there are no groups left to fill in.
  EXPECT_FALSE(Run(u"(q)", xa, 1, true));
  EXPECT_EQ(rx.Substitute(u"<$1>"), u"<>");
}

TEST(OniRegexp2Version, IsTheLibraryVersion) {
  EXPECT_EQ(TOniRegexp2::Version(), RegexEngineVersion());
  EXPECT_FALSE(TOniRegexp2::Version().empty());
}

// The backward search tried position by position: from AOffset down to 1,
// a match that begins exactly at that position.
struct Stepped {
  bool found = false;
  int64_t pos = 0, len = 0;
};
Stepped StepBackward(TRegexMatcher& m, std::u16string_view re, std::u16string_view opts, const char16_t* text,
                     int64_t offset, int64_t last_point) {
  std::unique_ptr<TBRegExpRec> rxp;
  for (int64_t p = offset; p >= 1; --p) {
    if (m.BoMatch(re, opts, text, text + (p - 1), text + last_point, true, rxp) == TRegexMatcher::kMatched) {
      return {true, (rxp->startp[0] - text) + 1, rxp->endp[0] - rxp->startp[0]};
    }
  }
  return {};
}

Stepped StepForward(TRegexMatcher& m, std::u16string_view re, std::u16string_view opts, const char16_t* text,
                    int64_t offset, int64_t last_point) {
  std::unique_ptr<TBRegExpRec> rxp;
  for (int64_t p = offset; p <= last_point + 1; ++p) {
    if (m.BoMatch(re, opts, text, text + (p - 1), text + last_point, true, rxp) == TRegexMatcher::kMatched) {
      return {true, (rxp->startp[0] - text) + 1, rxp->endp[0] - rxp->startp[0]};
    }
  }
  return {};
}

std::u16string RandomPattern(std::mt19937& rng) {
  static const std::u16string_view atoms[] = {u"a",     u"b",       u"A",      u"あ",   u".",
                                              u"[ab]",  u"[^a\\n]", u"\\w",    u"\\s",  u"\\n",
                                              u"(a|b)", u"(ab|a)",  u"(?:a|)", u"(a*)", u"ア"};
  static const std::u16string_view anchors[] = {u"^", u"$", u"\\b", u"(?=a)", u"(?<=b)", u"(?!a)", u"(?<!a)"};
  static const std::u16string_view quantifiers[] = {u"", u"", u"*", u"+", u"?", u"*?", u"{1,2}", u"+?"};
  std::u16string p;
  const int pieces = 1 + static_cast<int>(rng() % 3);
  for (int i = 0; i < pieces; ++i) {
    if (rng() % 4 == 0) {
      p += anchors[rng() % std::size(anchors)];
    } else {
      p += atoms[rng() % std::size(atoms)];
      p += quantifiers[rng() % std::size(quantifiers)];
    }
  }
  if (rng() % 5 == 0) {
    p += u"|";
    p += atoms[rng() % std::size(atoms)];
  }
  return p;
}

TEST_F(OniRegexp2Test, SearchesEqualSteppingOnRandomInput) {
  std::mt19937 rng(61210);
  const std::u16string alphabet = u"abA \nあア";
  TRegexMatcher reference;
  int found = 0;
  for (int round = 0; round < 3000; ++round) {
    std::u16string text;
    if (round % 10 == 0) {
      // Long texts with few matches.
      const size_t len = rng() % 1200;
      for (size_t i = 0; i < len; ++i)
        text.push_back(rng() % 97 == 0 ? alphabet[rng() % alphabet.size()] : u'x');
    } else {
      const size_t len = rng() % 60;
      for (size_t i = 0; i < len; ++i) text.push_back(alphabet[rng() % alphabet.size()]);
    }
    if (rng() % 8 == 0 && !text.empty()) text.insert(rng() % text.size(), u"😀");
    const std::u16string re = RandomPattern(rng);
    const bool ig = rng() % 2 == 0;
    const auto n = static_cast<int64_t>(text.size());
    const int64_t last_point = n - static_cast<int64_t>(rng() % 3 == 0 ? rng() % (text.size() + 1) : 0);
    const int64_t offset = 1 + static_cast<int64_t>(rng() % (text.size() + 2));

    rx.Compile(re, ig);
    rx.SetInputString(text.c_str());
    // Forward, the match reported is the one at the first position where an
    // attempt succeeds.
    const bool ahead = rx.Exec(offset, last_point, n + 1, true, true);
    const Stepped first = StepForward(reference, re, rx.Option(), text.c_str(), offset, last_point);
    ASSERT_EQ(ahead, first.found) << "forward, pattern " << testing::PrintToString(re) << " text "
                                  << testing::PrintToString(text) << " offset " << offset << " last "
                                  << last_point;
    if (ahead) {
      ASSERT_EQ(rx.MatchPos(), first.pos) << "forward, pattern " << testing::PrintToString(re) << " text "
                                          << testing::PrintToString(text) << " offset " << offset;
      ASSERT_EQ(rx.MatchLen(), first.len) << "forward, pattern " << testing::PrintToString(re);
    }

    const bool fast = rx.Exec(offset, last_point, n, false, false);
    const Stepped slow = StepBackward(reference, re, rx.Option(), text.c_str(), offset, last_point);
    ASSERT_EQ(fast, slow.found) << "pattern " << testing::PrintToString(re) << " text "
                                << testing::PrintToString(text) << " offset " << offset << " last "
                                << last_point << (ig ? " im" : " m") << " error "
                                << testing::PrintToString(rx.ErrorText());
    if (!fast) continue;
    ++found;
    ASSERT_EQ(rx.MatchPos(), slow.pos) << "pattern " << testing::PrintToString(re) << " text "
                                       << testing::PrintToString(text) << " offset " << offset;
    ASSERT_EQ(rx.MatchLen(), slow.len) << "pattern " << testing::PrintToString(re) << " text "
                                       << testing::PrintToString(text) << " offset " << offset;
  }
  EXPECT_GT(found, 1000);  // the comparison must mostly be about real matches
}

// Every match of re in text, found by stepping forward with Exec.
std::vector<std::pair<int64_t, int64_t>> AllMatches(TOniRegexp2& rx, std::u16string_view re,
                                                    const std::u16string& text) {
  std::vector<std::pair<int64_t, int64_t>> out;
  rx.Compile(re, true);
  rx.SetInputString(text.c_str());
  const auto n = static_cast<int64_t>(text.size());
  int64_t at = 1;
  while (rx.Exec(at, n, n, true, false)) {
    out.emplace_back(rx.MatchPos(), rx.MatchLen());
    at = rx.MatchLen() > 0 ? rx.MatchEnd() : rx.MatchPos();
  }
  return out;
}

std::vector<int64_t> AllLiteral(TSearchBM& bm, std::u16string_view pattern, const std::u16string& text) {
  std::vector<int64_t> out;
  bm.SetSubStr(pattern);
  const auto n = static_cast<int64_t>(text.size());
  for (int64_t p = bm.Search(text.data(), n, 0, n, true); p != 0; p = bm.Search(text.data(), n, p, n, true)) {
    out.push_back(p);
  }
  return out;
}

TEST(SearchThreads, TwoThreadsSearchAtOnceWithTheirOwnObjects) {
  InitRegexEngine();  // once, before any thread starts
  std::u16string text;
  std::mt19937 rng(7);
  const std::u16string_view words[] = {u"けるぷ ", u"Kelp ",   u"kelp2026 ", u"検索 ",
                                       u"\n",      u"editor ", u"ＫＥＬＰ "};
  while (text.size() < 200000) text += words[rng() % std::size(words)];

  struct Job {
    std::u16string regex, literal;
  };
  const Job jobs[2] = {{u"kelp\\d*", u"検索"}, {u"^(け|ＫＥ)\\S+", u"editor"}};
  std::vector<std::pair<int64_t, int64_t>> want_rx[2];
  std::vector<int64_t> want_bm[2];
  for (int j = 0; j < 2; ++j) {
    TOniRegexp2 rx;
    TSearchBM bm;
    want_rx[j] = AllMatches(rx, jobs[j].regex, text);
    want_bm[j] = AllLiteral(bm, jobs[j].literal, text);
    ASSERT_GT(want_rx[j].size(), 100u);
    ASSERT_GT(want_bm[j].size(), 100u);
  }
  bool same[2] = {false, false};
  auto work = [&](int j) {
    TOniRegexp2 rx;
    TSearchBM bm;
    bool ok = true;
    for (int round = 0; round < 6; ++round) {
      ok = ok && AllMatches(rx, jobs[j].regex, text) == want_rx[j];
      ok = ok && AllLiteral(bm, jobs[j].literal, text) == want_bm[j];
      rx.Compile(jobs[j].regex, true);
      rx.SetInputString(text.c_str());
      const auto n = static_cast<int64_t>(text.size());
      ok = ok && rx.Exec(n, n, n, false, false) && rx.MatchPos() == want_rx[j].back().first;
    }
    same[j] = ok;
  };
  std::thread a(work, 0);
  std::thread b(work, 1);
  a.join();
  b.join();
  EXPECT_TRUE(same[0]);
  EXPECT_TRUE(same[1]);
}

}  // namespace
}  // namespace kelp
