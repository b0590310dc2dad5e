#pragma once
// What a drop onto the editor may do: the effect offered while something is
// dragged over the view, the drop position under the pointer, scrolling near
// the edges, and putting dropped text into the document.

#include <cstdint>
#include <string_view>

#include "document/notepad_string.h"
#include "input/geometry.h"

namespace kelp {

enum TDropEffect : uint8_t {
  deNone = 0,
  deCopy = 1,
  deMove = 2,
  deLink = 4,
};

// What the dragged data is, as the drop target sees it.
enum class TDropKind : uint8_t {
  None,
  Text,
  Link,
  Files,
};

// The effect decided when the data enters the view. `ownData`: the data is the
// one this view is dragging out itself.
TDropEffect DropEnterEffect(TDropKind kind, bool enabled, bool ownData, bool ctrl, bool boxMode);
// The effect while the data moves over the view: the view's own text moves,
// or is copied with Ctrl.
TDropEffect DropOverEffect(TDropEffect entered, TDropKind kind, bool ownData, bool ctrl);

// The drop position (offset in the row, row) under client point (x, y).
TNativePoint DropCaretAt(TNotePadString& doc, const TViewGeometry& g, int64_t x, int64_t y);
// Rows to scroll while dragging at client y: +1 near the bottom, -1 near the top, else 0.
int DragScrollStep(const TViewGeometry& g, int64_t y, int64_t clientHeight);

// Text may be dropped at `at` unless box mode is on or the position lies
// strictly inside the selection on its row.
bool DropTextAllowed(TNotePadString& doc, TNativePoint at);
// Drops text at `at`: with deMove the selection itself moves there; otherwise
// the text is inserted and left selected. Answers whether anything changed.
bool DropText(TNotePadString& doc, TNativePoint at, std::u16string_view text, TDropEffect effect);

}  // namespace kelp
