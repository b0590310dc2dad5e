#include "syntax/reparse.h"

#include <algorithm>

#include "syntax/notepad_parser.h"

namespace kelp {

TReparseResult ParseChangedLines(const TNotePadMode& mode, TParseTarget& target, int64_t changedStart,
                                 int64_t changedEnd) {
  const int64_t count = target.LineCount();
  TReparseResult r;
  int64_t s = std::max<int64_t>(changedStart, 0);
  int64_t e = std::min<int64_t>(changedEnd, count - 1);
  if (s > e) {
    r.First = s;
    r.Last = r.Reached = e;
    return r;
  }
  while (s > 0 && target.LineAt(s - 1)->LineEnd == leWrap) --s;
  while (e < count - 1 && target.LineAt(e)->LineEnd == leWrap) ++e;
  const std::unique_ptr<TNotePadParser> parser = mode.NewParser(target);
  r.First = s;
  r.Last = e;
  r.Reached = parser->ParseRange(s, e);
  r.Spilled = r.Reached > e + 1;
  return r;
}

void ParseAllLines(const TNotePadMode& mode, TParseTarget& target) {
  const std::unique_ptr<TNotePadParser> parser = mode.NewParser(target);
  parser->ParseRange(0, target.LineCount() - 1);
}

}  // namespace kelp
