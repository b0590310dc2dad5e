#include "search/regex_matcher.h"

#include <oniguruma.h>

#include <algorithm>
#include <bit>
#include <mutex>

#include "base/utf.h"

namespace kelp {

namespace {

OnigEncoding TextEncoding() {
  if constexpr (std::endian::native == std::endian::little) {
    return ONIG_ENCODING_UTF16_LE;
  } else {
    return ONIG_ENCODING_UTF16_BE;
  }
}

const OnigUChar* Bytes(const char16_t* p) { return reinterpret_cast<const OnigUChar*>(p); }

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// p lies between the two halves of a surrogate pair.
bool InsidePair(const char16_t* text, const char16_t* p, const char16_t* end) {
  return p > text && p < end && IsLowSurrogate(*p) && IsHighSurrogate(p[-1]);
}

OnigOptionType ParseOptions(std::u16string_view options) {
  OnigOptionType o = ONIG_OPTION_CAPTURE_GROUP;
  for (char16_t c : options) {
    switch (c) {
      case u'i':
        o |= ONIG_OPTION_IGNORECASE;
        break;
      case u'm':
        o |= ONIG_OPTION_NEGATE_SINGLELINE;
        break;
      case u's':
        o |= ONIG_OPTION_MULTILINE;
        break;
      case u'x':
        o |= ONIG_OPTION_EXTEND;
        break;
      default:
        break;
    }
  }
  return o;
}

// "\G" (the search start) means the start of each attempt only when every
// position is tried on its own; such expressions are searched backward by
// stepping.
bool MentionsSearchStart(std::u16string_view e) {
  for (size_t i = 0; i + 1 < e.size(); ++i) {
    if (e[i] == u'\\') {
      if (e[i + 1] == u'G') return true;
      ++i;  // skip the escaped character
    }
  }
  return false;
}

// The library tries an expression that begins with a greedy ".*" or ".+"
// only at line starts, which is right only when nothing else stands in front
// of it; with a zero-width assertion there ("(?<!a).+x", "\b.*x") its search
// passes over matches. Such expressions (found here generously: an assertion
// anywhere before the first unbounded repeat of ".") are searched by an
// attempt at each position.
bool NeedsExhaustiveSearch(std::u16string_view e) {
  bool assertion = false;
  for (size_t i = 0; i < e.size(); ++i) {
    const char16_t c = e[i];
    const char16_t next = i + 1 < e.size() ? e[i + 1] : u'\0';
    if (c == u'\\') {
      if (std::u16string_view(u"bBGZzKyY").find(next) != std::u16string_view::npos) assertion = true;
      ++i;
    } else if (c == u'.') {
      if (assertion && (next == u'*' || next == u'+' || next == u'{')) return true;
    } else if (c == u'$') {
      assertion = true;
    } else if (c == u'(' && next == u'?' && i + 2 < e.size()) {
      const char16_t kind = e[i + 2];
      const char16_t after = i + 3 < e.size() ? e[i + 3] : u'\0';
      if (kind == u'=' || kind == u'!' || (kind == u'<' && (after == u'=' || after == u'!')))
        assertion = true;
    }
  }
  return false;
}

std::u16string ErrorMessage(int code, OnigErrorInfo* info) {
  OnigUChar buf[ONIG_MAX_ERROR_MESSAGE_LEN];
  const int len =
      info != nullptr ? onig_error_code_to_str(buf, code, info) : onig_error_code_to_str(buf, code);
  if (len <= 0) return u"regular expression error";
  return Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(buf), static_cast<size_t>(len)));
}

}  // namespace

void InitRegexEngine() {
  static std::once_flag once;
  std::call_once(once, [] {
    OnigEncoding encodings[] = {TextEncoding()};
    onig_initialize(encodings, 1);
  });
}

std::u16string RegexEngineVersion() { return u"Oniguruma " + Utf8ToUtf16(onig_version()); }

struct TRegexMatcher::Compiled {
  std::u16string expression;
  std::u16string options;
  regex_t* re = nullptr;  // null: the expression did not compile
  std::u16string error;
  bool step_backward = false;  // search backward by trying each position
  bool exhaustive = false;     // search forward by trying each position too

  Compiled() = default;
  Compiled(const Compiled&) = delete;
  Compiled& operator=(const Compiled&) = delete;
  ~Compiled() {
    if (re != nullptr) onig_free(re);
  }
};

struct TRegexMatcher::State {
  std::vector<std::unique_ptr<Compiled>> cache;  // most recently used first
  std::unique_ptr<TBRegExpRec> spare;            // a freed result, reused by the next one
  OnigRegion* region = nullptr;
  OnigMatchParam* param = nullptr;

  State() {
    region = onig_region_new();
    param = onig_new_match_param();
    onig_initialize_match_param(param);
    onig_set_retry_limit_in_match_of_match_param(param, kRetryLimit);
  }
  ~State() {
    cache.clear();
    onig_free_match_param(param);
    onig_region_free(region, 1);
  }
};

TRegexMatcher::TRegexMatcher() {
  InitRegexEngine();
  state_ = std::make_unique<State>();
}

TRegexMatcher::~TRegexMatcher() = default;

size_t TRegexMatcher::CachedPatterns() const { return state_->cache.size(); }

TRegexMatcher::Compiled* TRegexMatcher::Lookup(std::u16string_view expression, std::u16string_view options) {
  auto& cache = state_->cache;
  for (size_t i = 0; i < cache.size(); ++i) {
    if (cache[i]->expression == expression && cache[i]->options == options) {
      if (i != 0)
        std::rotate(cache.begin(), cache.begin() + static_cast<std::ptrdiff_t>(i),
                    cache.begin() + static_cast<std::ptrdiff_t>(i) + 1);
      return cache.front().get();
    }
  }
  auto c = std::make_unique<Compiled>();
  c->expression.assign(expression);
  c->options.assign(options);
  c->exhaustive = NeedsExhaustiveSearch(expression);
  c->step_backward = c->exhaustive || MentionsSearchStart(expression);
  OnigErrorInfo info{};
  const char16_t* p = c->expression.data();
  const int r = onig_new(&c->re, Bytes(p), Bytes(p + c->expression.size()), ParseOptions(options),
                         TextEncoding(), ONIG_SYNTAX_PERL_NG, &info);
  if (r != ONIG_NORMAL) {
    c->re = nullptr;
    c->error = ErrorMessage(r, &info);
  }
  if (cache.size() >= kCacheCapacity) cache.pop_back();
  cache.insert(cache.begin(), std::move(c));
  return cache.front().get();
}

bool TRegexMatcher::Prepare(std::u16string_view expression, std::u16string_view options) {
  const Compiled* c = Lookup(expression, options);
  error_ = c->error;
  return c->re != nullptr;
}

void TRegexMatcher::Release(std::unique_ptr<TBRegExpRec>& rxp) {
  if (rxp != nullptr) state_->spare = std::move(rxp);
}

int TRegexMatcher::Finish(int r, const char16_t* text, std::unique_ptr<TBRegExpRec>& rxp) {
  if (r >= 0) {
    const OnigRegion* region = state_->region;
    auto rec = state_->spare != nullptr ? std::move(state_->spare) : std::make_unique<TBRegExpRec>();
    const int n = std::max(region->num_regs, 1);
    rec->startp.assign(static_cast<size_t>(n), nullptr);
    rec->endp.assign(static_cast<size_t>(n), nullptr);
    for (int k = 0; k < region->num_regs; ++k) {
      if (region->beg[k] < 0) continue;
      rec->startp[static_cast<size_t>(k)] = text + region->beg[k] / 2;
      rec->endp[static_cast<size_t>(k)] = text + region->end[k] / 2;
    }
    rec->nparens = n - 1;
    rxp = std::move(rec);
    return kMatched;
  }
  if (r == ONIG_MISMATCH) return kNoMatch;
  error_ = ErrorMessage(r, nullptr);
  return kError;
}

int TRegexMatcher::BoMatch(std::u16string_view expression, std::u16string_view options, const char16_t* text,
                           const char16_t* start, const char16_t* end, bool anchored,
                           std::unique_ptr<TBRegExpRec>& rxp) {
  Release(rxp);
  error_.clear();
  Compiled* c = Lookup(expression, options);
  if (c->re == nullptr) {
    error_ = c->error;
    return kError;
  }
  if (text == nullptr || start < text || end < start) return kNoMatch;
  // Never hand the library half of a surrogate pair at either end.
  if (end > text && IsHighSurrogate(end[-1])) --end;
  if (start > end) return kNoMatch;
  if (InsidePair(text, start, end)) {
    if (anchored) return kNoMatch;
    ++start;
  }
  OnigRegion* region = state_->region;
  if (anchored || c->exhaustive) {
    for (const char16_t* p = start;; ++p) {
      if (!InsidePair(text, p, end)) {
        const int r = onig_match_with_param(c->re, Bytes(text), Bytes(end), Bytes(p), region,
                                            ONIG_OPTION_NONE, state_->param);
        if (r != ONIG_MISMATCH || anchored) return Finish(r, text, rxp);
      }
      if (p == end) return kNoMatch;
    }
  }
  const int r = onig_search_with_param(c->re, Bytes(text), Bytes(end), Bytes(start), Bytes(end), region,
                                       ONIG_OPTION_NONE, state_->param);
  return Finish(r, text, rxp);
}

int TRegexMatcher::StepBackward(Compiled& c, const char16_t* text, const char16_t* start, const char16_t* end,
                                std::unique_ptr<TBRegExpRec>& rxp) {
  OnigRegion* region = state_->region;
  for (const char16_t* p = start;; --p) {
    if (!InsidePair(text, p, end)) {
      const int r = onig_match_with_param(c.re, Bytes(text), Bytes(end), Bytes(p), region, ONIG_OPTION_NONE,
                                          state_->param);
      if (r != ONIG_MISMATCH) return Finish(r, text, rxp);
    }
    if (p == text) return kNoMatch;
  }
}

int TRegexMatcher::BoMatchBackward(std::u16string_view expression, std::u16string_view options,
                                   const char16_t* text, const char16_t* start, const char16_t* end,
                                   std::unique_ptr<TBRegExpRec>& rxp) {
  Release(rxp);
  error_.clear();
  Compiled* c = Lookup(expression, options);
  if (c->re == nullptr) {
    error_ = c->error;
    return kError;
  }
  if (text == nullptr || start < text || end < text) return kNoMatch;
  if (end > text && IsHighSurrogate(end[-1])) --end;
  if (start > end) start = end;  // no match can begin after the end
  if (InsidePair(text, start, end)) --start;
  if (c->step_backward) return StepBackward(*c, text, start, end, rxp);

  // The library's backward scan lets a match reach no further than the
  // character after its start position: a match that needs more is passed
  // over, and a look-ahead that would see beyond it answers as at the end of
  // the text. An attempt at one position (as the stepping makes) sees up to
  // the end. So:
  // 1. find f, the first match start after `start`, by a forward scan to the
  //    end; no match begins between `start` and f;
  // 2. scan backward from the end when there is no f: nothing is cut off
  //    then. Otherwise scan backward from just before f for a candidate,
  //    confirmed by an attempt at its position (the next one back if not),
  //    and then scan forward from it, taking every match start before f, for
  //    a match that the backward scan passed over.
  OnigRegion* region = state_->region;
  auto forward = [&](const char16_t* from, const char16_t*& found) {
    found = nullptr;
    const int r = onig_search_with_param(c->re, Bytes(text), Bytes(end), Bytes(from), Bytes(end), region,
                                         ONIG_OPTION_NONE, state_->param);
    if (r >= 0) found = text + r / 2;
    return r;
  };
  auto backward = [&](const char16_t* from, const char16_t*& found) {
    found = nullptr;
    const int r = onig_search_with_param(c->re, Bytes(text), Bytes(end), Bytes(from), Bytes(text), region,
                                         ONIG_OPTION_NONE, state_->param);
    if (r >= 0) found = text + r / 2;
    return r;
  };
  auto attempt = [&](const char16_t* at) {
    return onig_match_with_param(c->re, Bytes(text), Bytes(end), Bytes(at), region, ONIG_OPTION_NONE,
                                 state_->param);
  };
  auto failed = [](int r) { return r < 0 && r != ONIG_MISMATCH; };
  auto after = [&](const char16_t* p) {
    const char16_t* next = p + 1;
    if (InsidePair(text, next, end)) ++next;
    return next;
  };

  const char16_t* f = nullptr;
  if (start < end) {
    const int r = forward(after(start), f);
    if (failed(r)) return Finish(r, text, rxp);
  }
  const char16_t* p = nullptr;
  if (f == nullptr) {
    const int r = backward(end, p);
    if (failed(r)) return Finish(r, text, rxp);
    if (p == nullptr) return kNoMatch;
    const int m = attempt(p);
    if (m == ONIG_MISMATCH || p > start) return StepBackward(*c, text, start, end, rxp);  // not expected
    return Finish(m, text, rxp);
  }
  const char16_t* from = f - 1;
  if (InsidePair(text, from, end)) --from;
  for (;;) {
    const int r = backward(from, p);
    if (failed(r)) return Finish(r, text, rxp);
    if (p == nullptr) break;
    const int m = attempt(p);
    if (failed(m)) return Finish(m, text, rxp);
    if (m != ONIG_MISMATCH) break;
    if (p == text) {
      p = nullptr;
      break;
    }
    from = p - 1;
    if (InsidePair(text, from, end)) --from;
  }
  for (const char16_t* x = p != nullptr ? after(p) : text; x <= start;) {
    const char16_t* q = nullptr;
    const int r = forward(x, q);
    if (failed(r)) return Finish(r, text, rxp);
    if (q == nullptr || q >= f) break;
    p = q;
    x = after(q);
  }
  if (p == nullptr) return kNoMatch;
  return Finish(attempt(p), text, rxp);
}

}  // namespace kelp
