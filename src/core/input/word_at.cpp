#include "input/word_at.h"

#include <algorithm>

namespace kelp {

TWordInfo WordAt(TNotePadString& doc, const TWordTokenizer& tokenizer, int64_t X, int64_t Y) {
  TLineList& lines = doc.InternalLines();
  const int64_t y = std::clamp<int64_t>(Y, 0, doc.Count() - 1);
  const int64_t x = std::clamp<int64_t>(X, 0, lines.LengthOf(y));
  int64_t first = y;
  int64_t k = 0;
  while (first > 0 && lines.LineEndOf(first - 1) == leWrap) {
    --first;
    k += lines.LengthOf(first);
  }
  int64_t last = y;
  while (last < doc.Count() - 1 && lines.LineEndOf(last) == leWrap) ++last;
  const int64_t start = lines.StartOf(first);
  const int64_t end = lines.StartOf(last) + lines.LengthOf(last);
  TWordInfo w;
  w.Start = w.PreviousStart = start + x + k;
  if (!tokenizer) return w;
  const std::u16string line = doc.GetString(start, end - start);
  const TLineToken t = tokenizer(line, x + k);
  const int64_t n = static_cast<int64_t>(line.size());
  // A tokenizer's answer never reaches outside its line.
  w.Start = start + std::clamp<int64_t>(t.Start, 0, n);
  w.Length = std::clamp<int64_t>(t.Length, 0, n - (w.Start - start));
  w.PreviousStart = start + std::clamp<int64_t>(t.Previous, 0, n);
  w.CanJump = t.CanJump;
  return w;
}

}  // namespace kelp
