// The search engines against peers measured in the same run: the literal
// searcher against the standard library's Boyer-Moore-Horspool searcher, the
// regular-expression adapter against calling Oniguruma directly, and the
// backward regular-expression search against the forward one.
#include <oniguruma.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include "harness.h"
#include "search/oni_regexp2.h"
#include "search/search_bm.h"
#include "search/upper_case.h"

namespace {

// Japanese prose in UTF-16, count code units long, made of shuffled phrases;
// `needle` is put in every `every` characters or so.
std::u16string JapaneseText(size_t count, std::u16string_view needle, size_t every) {
  static const std::u16string_view phrases[] = {u"吾輩は猫である。",
                                                u"名前はまだ無い。",
                                                u"どこで生れたかとんと見当がつかぬ。",
                                                u"何でも薄暗いじめじめした所で",
                                                u"ニャーニャー泣いていた事だけは記憶している。",
                                                u"エディタで文字列を探す。",
                                                u"全角ＡＢＣと半角ｱｲｳ、",
                                                u"Kelp editor 2026 ",
                                                u"検索と置換、",
                                                u"行番号とルーラー。\n",
                                                u"漢字かな交じり文の段落です。\n"};
  std::mt19937 rng(42);
  std::u16string text;
  text.reserve(count + 64);
  size_t next_needle = every;
  while (text.size() < count) {
    text += phrases[rng() % std::size(phrases)];
    if (!needle.empty() && text.size() >= next_needle) {
      text += needle;
      next_needle += every;
    }
  }
  text.resize(count);
  return text;
}

size_t CountBM(kelp::TSearchBM& bm, const std::u16string& text) {
  const auto n = static_cast<int64_t>(text.size());
  size_t count = 0;
  for (int64_t p = bm.Search(text.data(), n, 0, n, true); p != 0; p = bm.Search(text.data(), n, p, n, true))
    ++count;
  return count;
}

template <class Searcher>
size_t CountStd(const Searcher& searcher, const std::u16string& text) {
  size_t count = 0;
  auto it = text.begin();
  for (;;) {
    const auto [first, last] = searcher(it, text.end());
    if (first == text.end()) break;
    ++count;
    it = first + 1;
  }
  return count;
}

struct UpperHash {
  size_t operator()(char16_t c) const { return std::hash<char16_t>()(kelp::UpperCaseUnit(c)); }
};
struct UpperEqual {
  bool operator()(char16_t a, char16_t b) const { return kelp::UpperCaseUnit(a) == kelp::UpperCaseUnit(b); }
};

// Processor time of this thread for one call: time the thread spends
// descheduled on a busy machine does not count.
template <class F>
double CpuSeconds(F&& f) {
  timespec t0{};
  timespec t1{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t0);
  f();
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t1);
  return static_cast<double>(t1.tv_sec - t0.tv_sec) + static_cast<double>(t1.tv_nsec - t0.tv_nsec) * 1e-9;
}

// Times ours and the peer in turns and keeps the best of each, which
// steadies the ratio on a shared machine. The short runs of --quick take more
// turns.
int g_turns = 5;

template <class A, class B>
std::pair<double, double> BestOfTurns(A&& ours, B&& peer) {
  double a = 1e30;
  double b = 1e30;
  for (int i = 0; i < g_turns; ++i) {
    a = std::min(a, CpuSeconds(ours));
    b = std::min(b, CpuSeconds(peer));
  }
  return {a, b};
}

void Mismatch(const char* what, size_t ours, size_t peer) {
  std::fprintf(stderr, "%s: counts differ (%zu against %zu)\n", what, ours, peer);
}

}  // namespace

KELP_BENCH(SearchBoyerMoore) {
  g_turns = opts.quick ? 9 : 7;
  const size_t units = opts.quick ? (8u << 20) : (50u << 20);  // 100 MB of UTF-16 in the full run
  const std::u16string needle = u"ＫＥＬＰ検索語";
  const std::u16string text = JapaneseText(units, needle, 200000);
  const double mb = static_cast<double>(text.size()) * 2 / 1e6;

  kelp::TSearchBM bm;
  bm.SetIgCase(false);
  bm.SetSubStr(needle);
  size_t ours_count = 0;
  size_t peer_count = 0;
  const std::boyer_moore_horspool_searcher std_searcher(needle.begin(), needle.end());
  const auto [ours, peer] = BestOfTurns([&] { ours_count = CountBM(bm, text); },
                                        [&] { peer_count = CountStd(std_searcher, text); });
  if (ours_count != peer_count) Mismatch("bm", ours_count, peer_count);
  kelp::bench::Report({"search_bm_forward_s", ours, "cpu s", "std::boyer_moore_horspool_searcher", peer,
                       kelp::bench::Target{kelp::bench::Target::kAtMost, 1.0, true}});

  // Ignoring case: the peer folds with the same per-unit upper-casing.
  const std::u16string folded_needle = u"ｋｅｌｐ検索語";
  bm.SetIgCase(true);
  bm.SetSubStr(folded_needle);
  const std::boyer_moore_horspool_searcher<std::u16string::const_iterator, UpperHash, UpperEqual> std_ic(
      folded_needle.begin(), folded_needle.end());
  const auto [ours_ic, peer_ic] =
      BestOfTurns([&] { ours_count = CountBM(bm, text); }, [&] { peer_count = CountStd(std_ic, text); });
  if (ours_count != peer_count) Mismatch("bm ignoring case", ours_count, peer_count);
  kelp::bench::Report({"search_bm_forward_igcase_s", ours_ic, "cpu s",
                       "std::boyer_moore_horspool_searcher+fold", peer_ic,
                       kelp::bench::Target{kelp::bench::Target::kAtMost, 1.0, true}});
  std::printf("  (%.0f MB of UTF-16, %zu matches)\n", mb, ours_count);
}

KELP_BENCH(SearchRegexAdapter) {
  g_turns = opts.quick ? 9 : 7;
  kelp::InitRegexEngine();
  const size_t units = opts.quick ? (2u << 20) : (5u << 20);  // 10 MB of UTF-16 in the full run
  const std::u16string text = JapaneseText(units, u"検索2026語", 3000);
  const std::u16string pattern = u"検索[0-9]+語";
  const auto n = static_cast<int64_t>(text.size());

  // Through the adapter: every match, one Exec after the other.
  kelp::TOniRegexp2 rx;
  size_t ours_count = 0;
  auto through_adapter = [&] {
    ours_count = 0;
    rx.Compile(pattern, false);
    rx.SetInputString(text.c_str());
    for (int64_t at = 1; rx.Exec(at, n, n, true, false); at = rx.MatchEnd()) ++ours_count;
  };

  // Oniguruma directly, with the same options.
  size_t peer_count = 0;
  auto direct = [&] {
    regex_t* re = nullptr;
    OnigErrorInfo info{};
    const auto* p = reinterpret_cast<const OnigUChar*>(pattern.data());
    onig_new(&re, p, p + pattern.size() * 2, ONIG_OPTION_NEGATE_SINGLELINE | ONIG_OPTION_CAPTURE_GROUP,
             ONIG_ENCODING_UTF16_LE, ONIG_SYNTAX_PERL_NG, &info);
    peer_count = 0;
    OnigRegion* region = onig_region_new();
    const auto* s = reinterpret_cast<const OnigUChar*>(text.data());
    const OnigUChar* end = s + text.size() * 2;
    const OnigUChar* at = s;
    while (onig_search(re, s, end, at, end, region, ONIG_OPTION_NONE) >= 0) {
      ++peer_count;
      at = s + region->end[0];
    }
    onig_region_free(region, 1);
    onig_free(re);
  };
  const auto [ours, peer] = BestOfTurns(through_adapter, direct);
  if (ours_count != peer_count) Mismatch("regex", ours_count, peer_count);
  kelp::bench::Report({"search_regex_adapter_forward_s", ours, "cpu s", "onig_search", peer,
                       kelp::bench::Target{kelp::bench::Target::kAtMost, 1.1, true}});

  // Backward from the end for a pattern found once near the start, against a
  // forward search over the same stretch (from just after that match to the
  // end, finding nothing).
  const std::u16string lone = u"唯一無二の語句";
  std::u16string once = text;
  once.replace(100, lone.size(), lone);
  const std::u16string lone_pattern = u"唯一[無有]二の語句";
  rx.Compile(lone_pattern, false);
  rx.SetInputString(once.c_str());
  bool found_back = false;
  int64_t back_pos = 0;
  bool found_fwd = true;
  const auto [back, fwd] = BestOfTurns(
      [&] {
        found_back = rx.Exec(n, n, n, false, false);
        back_pos = rx.MatchPos();
      },
      [&] { found_fwd = rx.Exec(102, n, n, true, false); });
  if (!found_back || back_pos != 101 || found_fwd)
    std::fprintf(stderr, "regex backward: unexpected result\n");
  kelp::bench::Report({"search_regex_backward_s", back, "cpu s", "forward over the same stretch", fwd,
                       kelp::bench::Target{kelp::bench::Target::kAtMost, 2.0, true}});
}
