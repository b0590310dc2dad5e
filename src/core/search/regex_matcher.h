#pragma once
// The regular-expression matcher: a thin layer over Oniguruma on UTF-16 text.
//
// Expressions use Perl-like syntax (named groups allowed; plain groups keep
// capturing beside named ones). The option letters are:
//   "m"  "^" and "$" match at every line start and end, not only at the ends
//        of the text; "." never matches LF (as in Perl with /m, without /s).
//   "i"  ignore case (Unicode case folding; a match may differ in length from
//        the pattern, e.g. "ss" matches "ß").
//   "s"  "." matches LF too.
//   "x"  white space and #-comments in the expression are ignored.
// Other letters are ignored. The editor passes "m", or "im" to ignore case.
//
// One matcher object belongs to one user (one adapter) and is used by one
// thread at a time; different threads may search at the same time, each with
// its own matcher. InitRegexEngine must have run once before the first thread
// other than the main one starts (every matcher also makes sure of it).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kelp {

// Prepares the matcher library for the whole process. Idempotent and
// thread-safe; call it at start-up, before any worker thread starts.
void InitRegexEngine();

// The library's version text for the About box, such as "Oniguruma 6.9.8".
std::u16string RegexEngineVersion();

// The result of one successful matcher call. Entry 0 of startp and endp is the
// match (the end is the first character after it), entry n for 1 <= n <=
// nparens is group n. Both pointers of a group that took no part are null.
struct TBRegExpRec {
  std::vector<const char16_t*> startp;
  std::vector<const char16_t*> endp;
  int64_t nparens = 0;
};

class TRegexMatcher {
 public:
  // Result of the matcher calls.
  static constexpr int kMatched = 1;
  static constexpr int kNoMatch = 0;
  static constexpr int kError = -1;  // see ErrorText(); counts as no match

  // Backtracking steps allowed for one attempt at one position; a pattern
  // that needs more (such as "^(a+)+$" on a long line of "a"s ending in "b")
  // fails with an error instead of running without end.
  static constexpr unsigned long kRetryLimit = 1'000'000;
  // Compiled expressions kept per matcher.
  static constexpr size_t kCacheCapacity = 16;

  TRegexMatcher();
  ~TRegexMatcher();
  TRegexMatcher(const TRegexMatcher&) = delete;
  TRegexMatcher& operator=(const TRegexMatcher&) = delete;

  // Compiles (or finds compiled) the expression; false with ErrorText() set
  // when it does not compile.
  bool Prepare(std::u16string_view expression, std::u16string_view options);

  // Forward. The text runs from `text` to `end` (the first character not
  // searched; look-behind, "^" and "\b" see the text before `start`). Not
  // anchored: the leftmost match that begins at or after `start` and at or
  // before `end`. Anchored: only a match that begins exactly at `start`.
  // On kMatched `rxp` holds a fresh result; otherwise it is null.
  int BoMatch(std::u16string_view expression, std::u16string_view options, const char16_t* text,
              const char16_t* start, const char16_t* end, bool anchored, std::unique_ptr<TBRegExpRec>& rxp);

  // Backward: the match that begins nearest before or at `start` (not before
  // `text`), with the extent an anchored BoMatch at that position gives; the
  // same answer as trying every position from `start` down with anchored
  // calls, in one pass over the text.
  int BoMatchBackward(std::u16string_view expression, std::u16string_view options, const char16_t* text,
                      const char16_t* start, const char16_t* end, std::unique_ptr<TBRegExpRec>& rxp);

  // The error of the last call (compile error or exceeded retry limit);
  // empty after a call without error.
  const std::u16string& ErrorText() const { return error_; }

  size_t CachedPatterns() const;

  // Frees a result (rxp becomes null); its storage serves the next result.
  void Release(std::unique_ptr<TBRegExpRec>& rxp);

 private:
  struct Compiled;
  struct State;
  Compiled* Lookup(std::u16string_view expression, std::u16string_view options);
  int Finish(int r, const char16_t* text, std::unique_ptr<TBRegExpRec>& rxp);
  int StepBackward(Compiled& c, const char16_t* text, const char16_t* start, const char16_t* end,
                   std::unique_ptr<TBRegExpRec>& rxp);

  std::unique_ptr<State> state_;
  std::u16string error_;
};

}  // namespace kelp
