#include "search/oni_regexp2.h"

#include <algorithm>

namespace kelp {

namespace {
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
}  // namespace

TOniRegexp2::TOniRegexp2() = default;
TOniRegexp2::~TOniRegexp2() = default;

void TOniRegexp2::SetInputString(const char16_t* text) {
  FInput = text;
  FInputed = text != nullptr;
}

void TOniRegexp2::Compile(std::u16string_view AExpression, bool AIgCase) {
  FExpression.assign(AExpression);
  FOption = AIgCase ? u"im" : u"m";
  FCompiled = true;
  FMatcher.Prepare(FExpression, FOption);
  FError = FMatcher.ErrorText();
}

bool TOniRegexp2::Accept(int r) {
  FError = FMatcher.ErrorText();
  if (r != TRegexMatcher::kMatched) return false;
  FMatchPos = (FRxp->startp[0] - FInput) + 1;
  FMatchEnd = (FRxp->endp[0] - FInput) + 1;
  FMatchLen = FMatchEnd - FMatchPos;
  return true;
}

bool TOniRegexp2::Forward(int64_t AOffset, int64_t ALastPoint, int64_t ALimit, bool Replace1st) {
  if (AOffset - 1 >= ALimit) return false;
  if (AOffset < 1) AOffset = 1;
  if (AOffset - 1 > ALastPoint) return false;
  const char16_t* end = FInput + ALastPoint;
  int r = FMatcher.BoMatch(FExpression, FOption, FInput, FInput + (AOffset - 1), end, false, FRxp);
  if (r == TRegexMatcher::kMatched && !Replace1st && FRxp->startp[0] == FRxp->endp[0] &&
      FRxp->startp[0] == FInput + (AOffset - 1)) {
    // An empty match at the start itself is passed over: search again one
    // character on (a whole surrogate pair on).
    int64_t next = AOffset + 1;
    if (next - 1 < ALastPoint && IsHighSurrogate(FInput[AOffset - 1]) && IsLowSurrogate(FInput[next - 1]))
      ++next;
    FMatcher.Release(FRxp);
    if (next - 1 > ALastPoint) {
      FError.clear();
      return false;
    }
    r = FMatcher.BoMatch(FExpression, FOption, FInput, FInput + (next - 1), end, false, FRxp);
  }
  return Accept(r);
}

bool TOniRegexp2::Backward(int64_t AOffset, int64_t ALastPoint) {
  if (AOffset < 1) return false;
  // Positions past the end of what the matcher sees cannot begin a match.
  const int64_t from = std::min(AOffset, ALastPoint + 1);
  const int r =
      FMatcher.BoMatchBackward(FExpression, FOption, FInput, FInput + (from - 1), FInput + ALastPoint, FRxp);
  return Accept(r);
}

bool TOniRegexp2::Exec(int64_t AOffset, int64_t ALastPoint, int64_t ALimit, bool LToR, bool Replace1st) {
  FMatcher.Release(FRxp);
  if (!FCompiled || !FInputed) return false;
  FError.clear();
  if (ALastPoint < 0) return false;
  return LToR ? Forward(AOffset, ALastPoint, ALimit, Replace1st) : Backward(AOffset, ALastPoint);
}

std::u16string TOniRegexp2::Substitute(std::u16string_view Value) {
  FSB.clear();
  for (size_t i = 0; i < Value.size(); ++i) {
    const char16_t c = Value[i];
    if (c == u'$' && i + 1 < Value.size() && Value[i + 1] >= u'0' && Value[i + 1] <= u'9') {
      const int64_t n = Value[i + 1] - u'0';
      ++i;
      if (FRxp != nullptr && n <= FRxp->nparens) {
        const char16_t* s = FRxp->startp[static_cast<size_t>(n)];
        const char16_t* e = FRxp->endp[static_cast<size_t>(n)];
        if (s != nullptr && e > s) FSB.append(s, e);
      }
      continue;
    }
    FSB.push_back(c);
  }
  return FSB;
}

std::u16string TOniRegexp2::PreSubstitute(std::u16string_view Value) {
  std::u16string out;
  out.reserve(Value.size());
  for (size_t i = 0; i < Value.size(); ++i) {
    const char16_t c = Value[i];
    if (c != u'\\') {
      out.push_back(c);
      continue;
    }
    if (i + 1 == Value.size()) break;  // a backslash at the very end stands for nothing
    const char16_t d = Value[++i];
    switch (d) {
      case u'a':
        out.push_back(u'\a');
        break;
      case u'e':
        out.push_back(u'\x1B');
        break;
      case u'f':
        out.push_back(u'\f');
        break;
      case u'n':
        out.push_back(u'\n');
        break;
      case u'r':
        out.push_back(u'\r');
        break;
      case u't':
        out.push_back(u'\t');
        break;
      default:
        if (d >= u'1' && d <= u'9') out.push_back(u'$');
        out.push_back(d);  // "\\" gives one backslash, "\x" gives "x"
        break;
    }
  }
  return out;
}

std::u16string TOniRegexp2::Version() { return RegexEngineVersion(); }

int64_t TOniRegexp2::GroupCount() const { return FRxp != nullptr ? FRxp->nparens : 0; }

int64_t TOniRegexp2::GroupPos(int64_t n) const {
  if (FRxp == nullptr || n < 0 || n > FRxp->nparens) return 0;
  const char16_t* s = FRxp->startp[static_cast<size_t>(n)];
  return s != nullptr ? (s - FInput) + 1 : 0;
}

int64_t TOniRegexp2::GroupEnd(int64_t n) const {
  if (FRxp == nullptr || n < 0 || n > FRxp->nparens) return 0;
  const char16_t* e = FRxp->endp[static_cast<size_t>(n)];
  return e != nullptr ? (e - FInput) + 1 : 0;
}

}  // namespace kelp
