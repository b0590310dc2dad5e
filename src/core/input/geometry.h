#pragma once
// Pixel arithmetic between the view's client area and document positions.

#include <cstdint>

#include "document/notepad_string.h"

namespace kelp {

// The view's measurements that the arithmetic needs.
struct TViewGeometry {
  int64_t LeftBarWidth = 0;
  int64_t LineHeight = 1;
  int64_t ShowRuler = 0;  // 1 when the ruler takes the first row
  int64_t FirstVisibleLine = 0;
  int64_t FirstVisiblePix = 0;
  int64_t LineMargin = 0;
  int64_t Ascent = 0;
  int64_t Descent = 0;
  int64_t Unit = 1;  // the width unit
};

// A pixel X inside a row and a row index; the row is not clamped to the rows
// that exist.
struct TPixelRow {
  int64_t X = 0;
  int64_t Y = 0;
  friend bool operator==(const TPixelRow&, const TPixelRow&) = default;
};

// Client point (x, y) to a pixel within a row. Over the ruler or above, the
// pixel snaps to the unit grid; on a row it snaps to a character edge (with
// `round`, to the nearer one); beyond a row's end it stays as it is.
TPixelRow PointToCaret(TNotePadString& doc, const TViewGeometry& g, int64_t x, int64_t y, bool round);

// Where the caret for text position (X, Y) stands in client pixels, and
// whether it lies right of the left text edge and not above the first
// visible row.
struct TCaretPlace {
  int64_t X = 0;
  int64_t Y = 0;
  bool Visible = false;
};
TCaretPlace CaretClientPlace(TNotePadString& doc, const TViewGeometry& g, TNativePoint at);

// The client point just under the caret, where the completion list opens.
TNativePoint CompletePoint(TNotePadString& doc, const TViewGeometry& g);

// The rectangle that confines the input method's composition window.
struct TPixelRect {
  int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TPixelRect&, const TPixelRect&) = default;
};
TPixelRect CompositionArea(const TViewGeometry& g, int64_t clientWidth, int64_t clientHeight);

}  // namespace kelp
