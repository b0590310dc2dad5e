#pragma once
// The arithmetic of the editor view that needs no window: bar width,
// visible counts, wrap width, and scrolling by line, page, thumb and wheel,
// following the caret and clamping after edits. All quantities are pixels,
// display rows or width units, as the names say.

#include <cstdint>

#include "view/notepad_options.h"

namespace kelp {

// Row height from the font's height and external leading and the margin.
inline int64_t LineHeightOf(int64_t height, int64_t externalLeading, int64_t lineMargin) {
  return height + externalLeading + 1 + lineMargin;
}

// Width of the line-number digits: one more digit than the row count has,
// in width units; 0 when the bar is hidden.
int64_t LeftBarWidthOf(int64_t count, int64_t fontWidth, int64_t showLeftBar);

// Rows shown (at least 5) and text-area width in units (at least 20).
int64_t VisibleLineCountOf(int64_t clientHeight, int64_t lineHeight, int64_t showRuler);
int64_t VisibleByteCountOf(int64_t clientWidth, int64_t leftBarWidth, int64_t fontWidth);

// The wrap width in units for a wrap mode, clamped to 20..4000.
int64_t WrapWidthOf(TWordWrap mode, int64_t wordWrapCount, int64_t clientWidth, int64_t leftBarWidth,
                    int64_t fontWidth);

// What the scrolling arithmetic looks at.
struct TScrollState {
  int64_t Count = 1;          // display rows of the document
  int64_t FirstLine = 0;      // first row shown
  int64_t FirstPix = 0;       // horizontal offset in pixels, a multiple of Unit
  int64_t VisibleLines = 5;   // FVisibleLineCount
  int64_t VisibleBytes = 20;  // FVisibleByteCount
  int64_t WrapByte = 4000;    // the document's wrap width in units
  int64_t Unit = 8;           // the width unit in pixels
};

// Scroll requests of the scroll bars.
enum TScrollCode : uint8_t { scLineUp, scLineDown, scPageUp, scPageDown, scThumb, scTop, scBottom };

// Largest first row and first column the view may scroll to (never below 0).
int64_t MaxFirstLine(const TScrollState& s);
int64_t MaxFirstColumn(const TScrollState& s);

// New first row for a vertical request (pos: thumb position for scThumb).
int64_t VerticalScrollTarget(const TScrollState& s, TScrollCode code, int64_t pos = 0);
// New first column for a horizontal request (scLineUp = left, scTop = left
// edge, scBottom = right edge).
int64_t HorizontalScrollTarget(const TScrollState& s, TScrollCode code, int64_t pos = 0);

// Scroll-bar figures in the form of a range 0..Max with a page.
struct TScrollBarInfo {
  int64_t Max = 0;
  int64_t Page = 0;
  int64_t Pos = 0;
  // Something can be scrolled: the range is larger than the page.
  bool Scrollable() const { return Max + 1 > Page; }
};
TScrollBarInfo VerticalBarInfo(const TScrollState& s);
TScrollBarInfo HorizontalBarInfo(const TScrollState& s);

// Turning the wheel: `delta` is added to `accumulated`; whole notches
// (120 each) become scroll requests. `scrollLines` is the system's lines per
// notch, -1 for a page per notch.
struct TWheelScroll {
  TScrollCode Code = scLineUp;
  int64_t Requests = 0;  // how many requests of Code to send
};
TWheelScroll WheelScroll(int16_t& accumulated, int delta, int scrollLines);

// Where the view scrolls so that the caret (row, pixel x) stays in view with
// a margin of three rows and three units.
struct TScrollPosition {
  int64_t FirstLine = 0;
  int64_t FirstPix = 0;
  friend bool operator==(const TScrollPosition&, const TScrollPosition&) = default;
};
TScrollPosition FollowCaret(const TScrollState& s, int64_t caretRow, int64_t caretX);
// Without following: the first row is pulled back when the text got shorter;
// during a ruler drag the wrap column is kept in view.
TScrollPosition ClampAfterChange(const TScrollState& s, bool rulerDrag);

// While the left button selects, the pointer at client (x, y) outside the
// client area asks for another step of selecting (and so of scrolling) when
// the view can go that way: above with rows scrolled off the top, below with
// rows after the last shown, left when scrolled right, right with columns
// after the last shown.
bool SelectScrollWanted(const TScrollState& s, int64_t x, int64_t y, int64_t clientWidth,
                        int64_t clientHeight);

}  // namespace kelp
