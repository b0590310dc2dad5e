#pragma once
// TOniRegexp2: the regular-expression searcher of the search commands, the
// match marking and grep. It remembers an expression, points at a text, finds
// the next or previous match in a range and builds replacement text from the
// groups of the last match. Positions are 1-based.
//
// Each user owns its own adapter; an adapter is used by one thread at a time.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "search/regex_matcher.h"

namespace kelp {

class TOniRegexp2 {
 public:
  TOniRegexp2();
  ~TOniRegexp2();
  TOniRegexp2(const TOniRegexp2&) = delete;
  TOniRegexp2& operator=(const TOniRegexp2&) = delete;

  bool Compiled() const { return FCompiled; }
  int64_t MatchPos() const { return FMatchPos; }
  int64_t MatchLen() const { return FMatchLen; }
  int64_t MatchEnd() const { return FMatchEnd; }
  const std::u16string& Expression() const { return FExpression; }
  const std::u16string& Option() const { return FOption; }

  // The text searched from now on (not owned; it must stay unchanged while it
  // is searched, and be set again after edits).
  void SetInputString(const char16_t* text);

  // Remembers the expression; the option is "im" when ignoring case, else
  // "m". An expression that does not compile never matches; ErrorText() then
  // tells why.
  void Compile(std::u16string_view AExpression, bool AIgCase);

  // Finds a match; on success MatchPos, MatchLen and MatchEnd describe it.
  // AOffset: 1-based position where the search begins. ALastPoint: the number
  // of characters of the text the matcher sees. Forward (LToR): the leftmost
  // match at or after AOffset, provided AOffset - 1 < ALimit; an empty match
  // exactly at AOffset is passed over unless Replace1st. Backward: the match
  // that begins nearest before or at AOffset.
  bool Exec(int64_t AOffset, int64_t ALastPoint, int64_t ALimit, bool LToR, bool Replace1st);

  // The replacement text for the last match: "$" and a digit n stand for
  // group n (0: the whole match; nothing for a group that does not exist).
  std::u16string Substitute(std::u16string_view Value);

  // Turns a user's replacement text ("\1", "\t", "\\", ...) into the form
  // Substitute expects.
  static std::u16string PreSubstitute(std::u16string_view Value);

  // The matcher library's version text.
  static std::u16string Version();

  // Why the last Compile or Exec found nothing, when it was an error (the
  // expression does not compile, or it backtracked past the retry limit);
  // empty otherwise.
  const std::u16string& ErrorText() const { return FError; }

  // Groups of the last match: their count (not counting the match itself),
  // and the 1-based start and end (first character after) of group n; both
  // 0 for a group that took no part or does not exist.
  int64_t GroupCount() const;
  int64_t GroupPos(int64_t n) const;
  int64_t GroupEnd(int64_t n) const;

 private:
  bool Forward(int64_t AOffset, int64_t ALastPoint, int64_t ALimit, bool Replace1st);
  bool Backward(int64_t AOffset, int64_t ALastPoint);
  bool Accept(int r);

  TRegexMatcher FMatcher;
  std::unique_ptr<TBRegExpRec> FRxp;
  bool FCompiled = false;
  std::u16string FOption;
  std::u16string FExpression;
  bool FInputed = false;
  const char16_t* FInput = nullptr;
  int64_t FMatchPos = 0;
  int64_t FMatchLen = 0;
  int64_t FMatchEnd = 0;
  std::u16string FSB;  // work buffer of Substitute
  std::u16string FError;
};

}  // namespace kelp
