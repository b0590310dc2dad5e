// TNotePadString: wrapping logical lines into display lines.
#include <algorithm>
#include <vector>

#include "document/line_break.h"
#include "document/notepad_string.h"
#include "width/char_width.h"

namespace kelp {

namespace {
constexpr char16_t kLF = u'\n';
constexpr char16_t kTab = u'\t';
}  // namespace

// Number of characters of the first display line of the len characters at p,
// which start at text offset absStart; len when the line is not split.
int64_t TNotePadString::BreakLength(const char16_t* p, int64_t len, int64_t absStart) const {
  const int64_t U = WidthUnit();
  const int64_t T = FTabCount;
  const int64_t limit = U * FWrapByte;
  if (limit <= 0) return len;  // no width unit yet: nothing is measured, nothing wraps
  int64_t x = 0;
  for (int64_t k = 0; k < len; ++k) {
    const char16_t c = p[k];
    const int64_t w = c == kTab ? TabPixelWidth(x, U, T) : CharPixelWidth(c);
    x += w;
    if (x <= limit) continue;
    int64_t i;
    if (IsHangingPunctuation(c)) {
      i = k;  // the mark stays on this line, past the limit
    } else {
      i = k - 1;
      x -= w;
    }
    if (i < 0) {  // a single character wider than the line still takes one line
      i = 0;
      x += w;
    }
    if (absStart + i + 1 < TextLength()) {
      // Look back, no further than half the width, for a place where the rules
      // allow a break.
      for (int64_t e = i; e >= 0; --e) {
        if (x <= limit / 2) break;
        const char16_t n = e + 1 < len ? p[e + 1] : kLF;
        if (BreakAllowed(p[e], n)) {
          i = e;
          break;
        }
        x -= p[e] == kTab ? TabPixelWidth(x, U, T) : CharPixelWidth(p[e]);
      }
    }
    return i < len - 1 ? i + 1 : len;
  }
  return len;
}

// Splits the logical line of len characters at p (text offset start) into
// display lines, handing each to sink(start, length, lineEnd).
template <class Sink>
void TNotePadString::WrapText(const char16_t* p, int64_t start, int64_t len, TLineEnd last,
                              Sink&& sink) const {
  int64_t off = 0;
  for (;;) {
    const int64_t rest = len - off;
    const int64_t n = BreakLength(p + off, rest, start + off);
    if (n >= rest) {
      sink(start + off, rest, last);
      return;
    }
    sink(start + off, n, leWrap);
    off += n;
  }
}

void TNotePadString::WrapAll() {
  const int64_t len = TextLength();
  const std::u16string_view text = FBuffer.View(0, len);
  const char16_t* p = text.data();
  TLineList fresh(Count());
  const int64_t oldCount = FLinesStale ? 0 : Count();
  int64_t old = 0;  // first display line of the current logical line in the old list
  int64_t pos = 0;
  for (;;) {
    const char16_t* lf =
        pos < len ? std::char_traits<char16_t>::find(p + pos, static_cast<size_t>(len - pos), kLF) : nullptr;
    const int64_t end = lf ? lf - p : len;
    // Every display line of a logical line takes the parser state of its first.
    TLineData proto;
    if (old < oldCount) {
      proto = FStrings.Get(old);
      while (old < oldCount && FStrings.LineEndOf(old) == leWrap) ++old;
      ++old;
    }
    proto.NeedWrap = false;
    WrapText(p + pos, pos, end - pos, lf ? leLF : leNone, [&](int64_t s, int64_t n, TLineEnd le) {
      proto.Start = s;
      proto.Length = n;
      proto.LineEnd = le;
      fresh.Add(proto);
    });
    if (!lf) break;
    pos = end + 1;
  }
  FStrings = std::move(fresh);
  FLinesStale = false;
  AbsoluteWalk();
  FChangedStart = 0;
  FChangedEnd = std::max(FChangedEnd, Count() - 1);
  if (FOnNeedParse) FOnNeedParse(*this);
  FParseDone = true;
}

void TNotePadString::WrapNeeded() {
  if (FLinesStale) {
    WrapAll();
    return;
  }
  bool any = false;
  int64_t j = std::max<int64_t>(FChangedStart, 0);
  std::vector<TLineData> old;
  std::vector<TLineData> pieces;
  while (j <= std::min(Count() - 1, FChangedEnd)) {
    if (!FStrings.NeedWrapOf(j)) {
      ++j;
      continue;
    }
    // Text can flow back onto the display line before a marked one. At the end
    // of the text one more line is taken, whose break may depend on where the
    // text ends.
    int64_t s = j;
    if (s > 0 && FStrings.LineEndOf(s - 1) == leWrap) --s;
    int64_t e = s;
    for (;;) {
      while (FStrings.LineEndOf(e) == leWrap) ++e;
      if (e + 1 < Count() && e + 1 <= FChangedEnd && FStrings.NeedWrapOf(e + 1)) {
        ++e;
        continue;
      }
      break;
    }
    if (FStrings.LineEndOf(e) == leNone && s > 0 && FStrings.LineEndOf(s - 1) == leWrap) --s;
    FChangedStart = std::min(FChangedStart, s);
    // Re-flow the logical lines of s..e in one go.
    old.clear();
    for (int64_t k = s; k <= e; ++k) old.push_back(FStrings.Get(k));
    const int64_t from = old.front().Start;
    const int64_t to = old.back().Start + old.back().Length;
    const char16_t* p = FBuffer.View(from, to - from).data();
    pieces.clear();
    size_t o = 0;  // the old record of the current logical line
    size_t piece = 0;
    int64_t pos = from;
    for (;;) {
      const size_t firstOld = o;
      while (o < old.size() && old[o].LineEnd == leWrap) ++o;
      const size_t lastOld = o;  // the old record that ends the logical line
      ++o;
      const int64_t end = old[lastOld].Start + old[lastOld].Length;
      piece = firstOld;
      WrapText(p + (pos - from), pos, end - pos, old[lastOld].LineEnd,
               [&](int64_t st, int64_t n, TLineEnd le) {
                 TLineData d;
                 if (piece <= lastOld) {
                   d = old[piece];
                 }
                 ++piece;
                 d.NeedWrap = false;
                 d.Start = st;
                 d.Length = n;
                 d.LineEnd = le;
                 pieces.push_back(std::move(d));
               });
      if (o >= old.size()) break;
      pos = end + 1;
    }
    const int64_t n = static_cast<int64_t>(pieces.size());
    const int64_t delta = n - (e - s + 1);
    FStrings.ReplaceRange(s, e - s + 1, std::move(pieces));
    pieces = {};
    FChangedEnd = std::max(FChangedEnd + delta, s + n - 1);
    j = s + n;
    any = true;
  }
  if (any) AbsoluteWalk();
  RedrawCurrent();
  if (FOnNeedParse) FOnNeedParse(*this);
  FParseDone = true;
}

}  // namespace kelp
