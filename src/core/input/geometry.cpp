#include "input/geometry.h"

#include <algorithm>

namespace kelp {

namespace {

// Integer division rounding toward minus infinity, so that points above the
// client area fall on the rows above.
int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

}  // namespace

TPixelRow PointToCaret(TNotePadString& doc, const TViewGeometry& g, int64_t x, int64_t y, bool round) {
  const int64_t lh = std::max<int64_t>(g.LineHeight, 1);
  const int64_t r = FloorDiv(y, lh) + g.FirstVisibleLine - g.ShowRuler;
  const int64_t p = std::max<int64_t>(0, x - g.LeftBarWidth + g.FirstVisiblePix - 6);
  const int64_t row = std::max<int64_t>(r, 0);
  if (r < g.FirstVisibleLine) {
    const int64_t u = std::max<int64_t>(g.Unit, 1);
    const int64_t rem = p % u;
    int64_t snapped = p - rem;
    if (round && rem > u / 2) snapped += u;
    return {snapped, row};
  }
  const int64_t line = std::min(row, doc.Count() - 1);
  bool over = false;
  const int64_t k = doc.FromCaretX(p, line, over);
  if (over) return {p, row};
  const int64_t cx = doc.GetCaretX(k, line);
  if (k >= doc.InternalLines().LengthOf(line)) return {cx, row};
  const int64_t w = doc.GetCaretX(k + 1, line) - cx;
  if (round && (p - cx) * 2 > w) return {cx + w, row};
  return {cx, row};
}

TCaretPlace CaretClientPlace(TNotePadString& doc, const TViewGeometry& g, TNativePoint at) {
  const int64_t p = doc.GetCaretX(at.X, at.Y) - g.FirstVisiblePix;
  const int64_t d = at.Y - g.FirstVisibleLine;
  return {g.LeftBarWidth + 5 + p, (d + g.ShowRuler) * g.LineHeight + g.LineMargin / 2, p >= 0 && d >= 0};
}

TNativePoint CompletePoint(TNotePadString& doc, const TViewGeometry& g) {
  const TCaretPlace c = CaretClientPlace(doc, g, doc.SelEndPos());
  return {c.X, c.Y + g.Ascent + g.Descent};
}

TPixelRect CompositionArea(const TViewGeometry& g, int64_t clientWidth, int64_t clientHeight) {
  return {g.LeftBarWidth + 5, 0, std::max<int64_t>(clientWidth - g.Unit, 0), clientHeight};
}

}  // namespace kelp
