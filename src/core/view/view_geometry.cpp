#include "view/view_geometry.h"

#include <algorithm>

#include "document/notepad_string.h"

namespace kelp {

int64_t LeftBarWidthOf(int64_t count, int64_t fontWidth, int64_t showLeftBar) {
  int64_t digits = 1;
  for (int64_t n = count; n >= 10; n /= 10) ++digits;
  return (digits + 1) * fontWidth * showLeftBar;
}

int64_t VisibleLineCountOf(int64_t clientHeight, int64_t lineHeight, int64_t showRuler) {
  if (lineHeight <= 0) return 5;
  return std::max<int64_t>(clientHeight / lineHeight - showRuler + 1, 5);
}

int64_t VisibleByteCountOf(int64_t clientWidth, int64_t leftBarWidth, int64_t fontWidth) {
  if (fontWidth <= 0) return 20;
  return std::max<int64_t>((clientWidth - leftBarWidth - 6) / fontWidth + 1, 20);
}

int64_t WrapWidthOf(TWordWrap mode, int64_t wordWrapCount, int64_t clientWidth, int64_t leftBarWidth,
                    int64_t fontWidth) {
  int64_t n;
  switch (mode) {
    case wwCount:
      n = wordWrapCount;
      break;
    case wwRight:
      n = fontWidth > 0 ? (clientWidth - leftBarWidth - 6) / fontWidth - 3 : MaxWrapByte;
      break;
    default:
      n = MaxWrapByte;
      break;
  }
  return std::clamp(n, MinWrapByte, MaxWrapByte);
}

int64_t MaxFirstLine(const TScrollState& s) { return std::max<int64_t>(s.Count - s.VisibleLines + 3, 0); }

int64_t MaxFirstColumn(const TScrollState& s) {
  return std::max<int64_t>(s.WrapByte - s.VisibleBytes + 3, 0);
}

int64_t VerticalScrollTarget(const TScrollState& s, TScrollCode code, int64_t pos) {
  int64_t d = 0;
  switch (code) {
    case scLineUp:
      d = -1;
      break;
    case scLineDown:
      d = 1;
      break;
    case scPageUp:
      d = 3 - s.VisibleLines;
      break;
    case scPageDown:
      d = s.VisibleLines - 3;
      break;
    case scThumb:
      d = pos - s.FirstLine;
      break;
    case scTop:
      d = -s.FirstLine;
      break;
    case scBottom:
      d = s.Count - s.VisibleLines - s.FirstLine + 3;
      break;
  }
  return std::max<int64_t>(std::min(s.FirstLine + d, s.Count - s.VisibleLines + 3), 0);
}

int64_t HorizontalScrollTarget(const TScrollState& s, TScrollCode code, int64_t pos) {
  const int64_t c = s.Unit > 0 ? s.FirstPix / s.Unit : 0;
  int64_t d = 0;
  switch (code) {
    case scLineUp:
      d = -1;
      break;
    case scLineDown:
      d = 1;
      break;
    case scPageUp:
      d = 3 - s.VisibleBytes;
      break;
    case scPageDown:
      d = s.VisibleBytes - 3;
      break;
    case scThumb:
      d = pos - c;
      break;
    case scTop:
      d = -c;
      break;
    case scBottom:
      d = s.WrapByte - s.VisibleBytes - c + 3;
      break;
  }
  return std::max<int64_t>(std::min(c + d, s.WrapByte - s.VisibleBytes + 3), 0);
}

TScrollBarInfo VerticalBarInfo(const TScrollState& s) {
  return {std::max(s.Count + 2, s.FirstLine + s.VisibleLines - 1), s.VisibleLines, s.FirstLine};
}

TScrollBarInfo HorizontalBarInfo(const TScrollState& s) {
  const int64_t c = s.Unit > 0 ? s.FirstPix / s.Unit : 0;
  return {std::max(s.WrapByte + 2, c + s.VisibleBytes - 1), s.VisibleBytes, c};
}

TWheelScroll WheelScroll(int16_t& accumulated, int delta, int scrollLines) {
  const int sum = accumulated + delta;
  TWheelScroll r;
  if (sum >= 120) {
    accumulated = 0;
    const int n = sum / 120;
    r.Code = scrollLines == -1 ? scPageUp : scLineUp;
    r.Requests = scrollLines == -1 ? n : std::max(n * scrollLines, 0);
  } else if (sum <= -120) {
    accumulated = 0;
    const int n = sum / 120;
    r.Code = scrollLines == -1 ? scPageDown : scLineDown;
    r.Requests = scrollLines == -1 ? -n : std::max(-n * scrollLines, 0);
  } else {
    accumulated = static_cast<int16_t>(sum);
  }
  return r;
}

TScrollPosition FollowCaret(const TScrollState& s, int64_t caretRow, int64_t caretX) {
  TScrollPosition p{s.FirstLine, s.FirstPix};
  const int64_t y = caretRow;
  if (y < s.FirstLine + 3 && s.FirstLine > 0) {
    p.FirstLine = std::max<int64_t>(y - 2, 0);
  } else if (y > s.FirstLine + s.VisibleLines - 4 && s.FirstLine < s.Count - s.VisibleLines + 3) {
    p.FirstLine = std::max<int64_t>(y - s.VisibleLines + 4, 0);
  }
  p.FirstLine = std::min(p.FirstLine, s.Count - 1);
  const int64_t U = s.Unit;
  if (U > 0) {
    const int64_t x = caretX;
    if (x < s.FirstPix + 3 * U && s.FirstPix > 0) {
      p.FirstPix = std::max<int64_t>((x / U - 2) * U, 0);
    } else if (x > s.FirstPix + (s.VisibleBytes - 4) * U &&
               s.FirstPix / U < s.WrapByte - s.VisibleBytes + 3) {
      p.FirstPix = std::max<int64_t>((x / U - s.VisibleBytes + 4) * U, 0);
    }
    p.FirstPix = std::min(p.FirstPix, U * (s.WrapByte - 1));
  }
  return p;
}

TScrollPosition ClampAfterChange(const TScrollState& s, bool rulerDrag) {
  TScrollPosition p{s.FirstLine, s.FirstPix};
  if (p.FirstLine > s.Count - 3) p.FirstLine = std::max<int64_t>(s.Count - 3, 0);
  if (rulerDrag) {
    p.FirstPix = std::min(p.FirstPix, s.WrapByte * s.Unit);
    p.FirstPix = std::max(p.FirstPix, (s.WrapByte - s.VisibleBytes + 3) * s.Unit);
  }
  return p;
}

bool SelectScrollWanted(const TScrollState& s, int64_t x, int64_t y, int64_t clientWidth,
                        int64_t clientHeight) {
  if (y < 0 && s.FirstLine > 0) return true;
  if (y >= clientHeight && s.FirstLine + s.VisibleLines < s.Count) return true;
  const int64_t firstColumn = s.Unit > 0 ? s.FirstPix / s.Unit : 0;
  if (x < 0 && s.FirstPix > 0) return true;
  return x >= clientWidth && firstColumn + s.VisibleBytes < s.WrapByte;
}

}  // namespace kelp
