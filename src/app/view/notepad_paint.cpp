// TNotePad: painting. Every paint goes into one back buffer shared by all
// views; the damaged rectangles are then copied to the window.
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>
#include <QRawFont>
#include <algorithm>

#include "app/view/notepad.h"
#include "encoding/code_page_mask.h"
#include "search/search_bm.h"
#include "syntax/char_class.h"
#include "syntax/document_lines.h"
#include "syntax/notepad_parser.h"
#include "view/search_marks.h"
#include "width/char_width.h"

namespace kelp {

namespace {

QImage& BackBuffer() {
  static QImage image;
  return image;
}
QImage& BackgroundBuffer() {
  static QImage image;
  return image;
}
bool& BackgroundStale() {
  static bool stale = true;
  return stale;
}

TSearchBM& SharedSearcher() {
  static TSearchBM searcher;
  return searcher;
}

QColor ToQColor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

constexpr char16_t kTab = u'\t';
constexpr char16_t kSpace = u' ';
constexpr char16_t kIdeographicSpace = 0x3000;

bool IsControlChar(char16_t c) { return c < 0x20 || (c >= 0x80 && c <= 0x9F); }

// Characters that are always drawn one at a time.
bool IsRunBreakChar(char16_t c) {
  if (c == kTab || c == kSpace || c == kIdeographicSpace) return true;
  const uint8_t k = CharClass[c];
  return k == 12 || k == 68 || k == 70 || k == 255;
}

// A 1-pixel line that, like the platform's, leaves out its end point.
void Line(QPainter& p, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  const int64_t dx = x2 - x1;
  const int64_t dy = y2 - y1;
  if (dx == 0 && dy == 0) return;
  if (std::abs(dx) >= std::abs(dy)) {
    x2 -= dx > 0 ? 1 : -1;
  } else {
    y2 -= dy > 0 ? 1 : -1;
  }
  p.drawLine(QPoint(static_cast<int>(x1), static_cast<int>(y1)),
             QPoint(static_cast<int>(x2), static_cast<int>(y2)));
}

void Polyline(QPainter& p, std::initializer_list<QPoint> pts) {
  const QPoint* a = pts.begin();
  for (size_t k = 1; k < pts.size(); ++k) Line(p, a[k - 1].x(), a[k - 1].y(), a[k].x(), a[k].y());
}

QPoint Pt(int64_t x, int64_t y) { return QPoint(static_cast<int>(x), static_cast<int>(y)); }

QRect RectLTRB(int64_t l, int64_t t, int64_t r, int64_t b) {
  return QRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l), static_cast<int>(b - t));
}

// Inverts the colour bits of every pixel of the rectangle.
void Invert(QPainter& p, const QRect& r) {
  if (r.isEmpty()) return;
  p.save();
  p.setCompositionMode(QPainter::RasterOp_NotDestination);
  p.fillRect(r, Qt::black);
  p.restore();
}

}  // namespace

void TNotePad::MarkBackgroundStale() { BackgroundStale() = true; }

void TNotePad::MarkSearchMatches(int64_t Index) {
  if (FSearchText.empty()) return;
  if (FOptions.ColorHighlight == clNone && FOptions.StyleHighlight == 0) return;
  MarkPlainMatches(*FStr, Index, SharedSearcher(), FSearchText, FSearchIgCase, LineTokens().data());
}

void TNotePad::DrawRun(QPainter& p, TFontStyles style, int64_t x, int64_t baseline, std::u16string_view run) {
  const QPointF at(static_cast<double>(x), static_cast<double>(baseline));
  const QString text = QString::fromUtf16(run.data(), static_cast<qsizetype>(run.size()));
  // Each glyph goes where the width service puts its character.
  style &= static_cast<TFontStyles>(fsBold | fsItalic | fsStrikeOut);
  std::unique_ptr<QRawFont>& raw = FRawFonts[style];
  if (!raw) raw = std::make_unique<QRawFont>(QRawFont::fromFont(StyledFont(style)));
  QList<quint32> glyphs = raw->glyphIndexesForString(text);
  bool complete = raw->isValid() && glyphs.size() == text.size();
  for (quint32 g : glyphs) complete = complete && g != 0;
  if (!complete) {
    p.setFont(StyledFont(style));
    int64_t cx = x;
    for (char16_t c : run) {
      p.drawText(QPointF(static_cast<double>(cx), static_cast<double>(baseline)), QString(QChar(c)));
      cx += CharPixelWidth(c);
    }
    return;
  }
  QList<QPointF> positions;
  positions.reserve(glyphs.size());
  int64_t cx = 0;
  for (char16_t c : run) {
    positions.append(QPointF(static_cast<double>(cx), 0));
    cx += CharPixelWidth(c);
  }
  QGlyphRun g;
  g.setRawFont(*raw);
  g.setGlyphIndexes(glyphs);
  g.setPositions(positions);
  g.setStrikeOut((style & fsStrikeOut) != 0);
  p.drawGlyphRun(at, g);
}

const QFont& TNotePad::StyledFont(TFontStyles style) {
  style &= static_cast<TFontStyles>(fsBold | fsItalic | fsStrikeOut);
  if (style == 0) return FFont;
  std::unique_ptr<QFont>& f = FStyledFonts[style];
  if (!f) {
    f = std::make_unique<QFont>(FFont);
    if (style & fsBold) f->setBold(true);
    if (style & fsItalic) f->setItalic(true);
    if (style & fsStrikeOut) f->setStrikeOut(true);
    f->setUnderline(false);
  }
  return *f;
}

bool TNotePad::EnsureBackBuffer(bool dropIfSmall) {
  QImage& back = BackBuffer();
  const QSize client = viewport()->size();
  if (back.width() >= client.width() && back.height() >= client.height()) return true;
  // Grown, never shrunk, so views of different sizes do not take turns.
  back = QImage(std::max(back.width(), client.width()), std::max(back.height(), client.height()),
                QImage::Format_RGB32);
  BackgroundStale() = true;
  if (dropIfSmall) {
    RepaintAll();
    return false;
  }
  return true;
}

void TNotePad::PrepareBackground() {
  BackgroundStale() = false;
  if (FPicture.isNull()) return;
  QImage& bg = BackgroundBuffer();
  const QImage& back = BackBuffer();
  bg = QImage(back.size(), QImage::Format_RGB32);
  bg.fill(ToQColor(FOptions.ColorBack));
  QPainter p(&bg);
  p.setOpacity(FAlphaBlend / 255.0);
  const int w = FPicture.width();
  const int h = FPicture.height();
  for (int i = 0; i <= bg.width() / w; ++i)
    for (int j = 0; j <= bg.height() / h; ++j) p.drawImage(i * w, j * h, FPicture);
}

void TNotePad::paintEvent(QPaintEvent* event) {
  if (!EnsureBackBuffer(true)) return;
  if (UpdateWrapWidth()) {
    while (UpdateWrapWidth()) {
    }
    emit ViewChanged();
    return;
  }
  const QRegion region = event->region();
  if (region.isEmpty()) return;
  if (BackgroundStale() || (!FPicture.isNull() && BackgroundBuffer().size() != BackBuffer().size()))
    PrepareBackground();
  {
    QPainter p(&BackBuffer());
    PaintAll(p, region);
    PaintCaretAndPreedit(p);
  }
  QPainter screen(viewport());
  for (const QRect& r : region) screen.drawImage(r.topLeft(), BackBuffer(), r);
}

QImage TNotePad::RenderView() {
  // Re-wrapping may show or hide the horizontal bar and so resize the client.
  while (UpdateWrapWidth()) {
  }
  EnsureBackBuffer(false);
  if (BackgroundStale() || (!FPicture.isNull() && BackgroundBuffer().size() != BackBuffer().size()))
    PrepareBackground();
  const QRect client = viewport()->rect();
  {
    QPainter p(&BackBuffer());
    PaintAll(p, QRegion(client));
  }
  return BackBuffer().copy(client);
}

void TNotePad::PaintAll(QPainter& p, const QRegion& region) {
  const int64_t cw = viewport()->width();
  p.setClipRegion(region);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  const bool picture = !FPicture.isNull() && !BackgroundBuffer().isNull();
  auto background = [&](const QRect& r) {
    if (picture) {
      p.drawImage(r.topLeft(), BackgroundBuffer(), r);
    } else {
      p.fillRect(r, ToQColor(FOptions.ColorBack));
    }
  };
  for (const QRect& r : region) background(r);
  p.setFont(FFont);
  if (FShowRuler && region.intersects(RectLTRB(0, 0, cw, FLineHeight)))
    PaintRuler(p, RectLTRB(0, 0, cw, FLineHeight));

  TDocumentLines target(*FStr);
  const std::unique_ptr<TNotePadParser> parser = FCurrentMode->NewParser(target);
  const int64_t count = FStr->Count();
  int64_t n = 1;
  if (!FOptions.LeftBarCountWrap) {
    const int64_t end = std::min(FFirstVisibleLine, count);
    for (int64_t r = 0; r < end; ++r)
      if (FStr->Items(r).LineEnd != leWrap) ++n;
  }
  const bool selectionEmpty = FStr->SelStart() == FStr->SelEnd();
  const int64_t caretY = FStr->SelEndPos().Y;
  const AInteger& marks = FStr->MarkArray();
  const int64_t U = FFontWidth;
  for (int64_t i = 1; i <= FVisibleLineCount; ++i) {
    const int64_t r = FFirstVisibleLine + i - 1;
    const int64_t y = (i + FShowRuler - 1) * FLineHeight;
    const bool caretRow = selectionEmpty && FOptions.ColorCaretLine != clNone && caretY == r;
    if (r < count && region.intersects(RectLTRB(FLeftBarWidth + 6, y, cw, y + FLineHeight))) {
      parser->ParseLineColor(r);
      MarkSearchMatches(r);
      PaintLine(p, i, r, caretRow);
    }
    const QRect cell = RectLTRB(0, y, FLeftBarWidth + 3, y + FLineHeight);
    if (region.intersects(cell)) {
      background(cell);
      if (r < count && std::binary_search(marks.begin(), marks.end(), FStr->Items(r).Start))
        p.fillRect(cell, ToQColor(FOptions.ColorMark));
      if (FShowLeftBar) {
        p.setPen(ToQColor(FOptions.ColorLeftBar));
        Line(p, FLeftBarWidth + 3, y, FLeftBarWidth + 3, y + FLineHeight);
      }
      if (r < count && FShowLeftBar) {
        int64_t number = -1;
        if (FOptions.LeftBarCountWrap) {
          number = r + 1;
        } else if (r == 0 || FStr->Items(r - 1).LineEnd != leWrap) {
          number = n;
        }
        if (number >= 0) {
          p.setFont(FFont);
          p.setPen(ToQColor(caretRow ? FOptions.ColorCaretLine : FOptions.ColorLeftBar));
          p.drawText(RectLTRB(U - U / 3, y + FOptions.LineMargin / 2, FLeftBarWidth + 2, y + FLineHeight),
                     Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, QString::number(number));
        }
      }
    }
    if (r < count && FStr->Items(r).LineEnd != leWrap) ++n;
  }
  if (FOptions.DrawNot)
    for (const QRect& r : region) Invert(p, r);
}

void TNotePad::PaintRuler(QPainter& p, const QRect& rect) {
  if (!FPicture.isNull() && !BackgroundBuffer().isNull()) {
    p.drawImage(rect.topLeft(), BackgroundBuffer(), rect);
  } else {
    p.fillRect(rect, ToQColor(FOptions.ColorBack));
  }
  const int64_t U = FFontWidth;
  const int64_t cw = viewport()->width();
  p.setPen(ToQColor(FOptions.ColorRuler));
  p.setFont(FFont);
  int64_t x = FLeftBarWidth + 5;
  for (int64_t k = 0; k <= cw / U; ++k) {
    const int64_t c = k + FFirstVisiblePix / U;
    int64_t from;
    if (c % 10 == 0) {
      p.drawText(QPointF(static_cast<double>(x + 2), static_cast<double>(FOptions.LineMargin / 2 + FAscent)),
                 QString::number(c));
      from = 0;
    } else if (c % 10 == 5) {
      from = FLineHeight / 2;
    } else {
      from = FLineHeight - FLineHeight / 4;
    }
    Line(p, x, from, x, FLineHeight - 1);
    x += U;
  }
  const TNativePoint caret = FStr->SelEndPos();
  Invert(p, QRect(static_cast<int>(FLeftBarWidth + FStr->GetCaretX(caret.X, caret.Y) - FFirstVisiblePix + 6),
                  0, static_cast<int>(U - 1), static_cast<int>(FLineHeight)));
  Line(p, rect.left(), FLineHeight - 1, rect.right() + 1, FLineHeight - 1);
}

void TNotePad::PaintLine(QPainter& p, int64_t i, int64_t r, bool caretRow) {
  const TLineData row = FStr->Items(r);
  const int64_t U = FFontWidth;
  const int64_t cw = viewport()->width();
  const int64_t top = (i + FShowRuler - 1) * FLineHeight;
  const int64_t ty = top + FOptions.LineMargin / 2;
  const int64_t g = (FAscent - FLeading) / 2;
  const int64_t h = (U - 2) / 2;
  const int64_t y0 = ty + FAscent - 2 * g;
  const int64_t wx = FLeftBarWidth + U * FStr->WrapByte() - FFirstVisiblePix + 5;
  const int64_t L = FVisibleByteCount * U;
  const int64_t tabCount = FStr->TabCount();

  auto wrapLine = [&] {
    p.setPen(ToQColor(FOptions.ColorWrapLine));
    Line(p, wx, top, wx, top + FLineHeight);
  };
  if (FOptions.ShowWrapLine) wrapLine();
  const TNativePoint sel = FStr->GetSelectedArea(r);
  const std::u16string line(FStr->LineView(r));
  const TTokenCode* tokens = LineTokens().data();
  const uint8_t* mask = FOptions.ColorWideChar != clNone && FCodePage != 0 ? CodePageMaskTable() : nullptr;
  const int64_t len = static_cast<int64_t>(line.size());

  int64_t x = -FFirstVisiblePix;
  int64_t s = 0;
  // The pen of the last text run, to set it only when it changes.
  TColor penColor = clNone;
  for (int64_t j = 0; j < len; ++j) {
    if (s > 0) {
      --s;
      continue;
    }
    const char16_t c = line[static_cast<size_t>(j)];
    const int64_t xs = FLeftBarWidth + 5 + x;
    if (c == kTab) {
      const int64_t w = TabPixelWidth(x + FFirstVisiblePix, U, tabCount);
      if (x >= -2 * U && FOptions.ShowTab) {
        p.setPen(ToQColor(FOptions.ColorTab));
        penColor = clNone;
        Polyline(p, {Pt(xs + 1, y0), Pt(xs + 1, y0 + 2 * g), Pt(xs + U - 1, y0 + g), Pt(xs + 1, y0)});
      }
      x += w;
    } else if (c == kSpace) {
      const int64_t w = CharPixelWidth(c);
      if (x >= -2 * U && FOptions.ShowSBSpace) {
        p.setPen(ToQColor(FOptions.ColorSBSpace));
        penColor = clNone;
        const int64_t yb = y0 + (3 * g) / 2;
        Polyline(
            p, {Pt(xs + 1, yb), Pt(xs + 1, y0 + 2 * g), Pt(xs + w - 1, y0 + 2 * g), Pt(xs + w - 1, yb - 1)});
      }
      x += w;
    } else if (c == kIdeographicSpace) {
      const int64_t w = CharPixelWidth(c);
      if (x >= -2 * U && FOptions.ShowDBSpace) {
        p.setPen(ToQColor(FOptions.ColorDBSpace));
        penColor = clNone;
        Polyline(p, {Pt(xs + 1, y0), Pt(xs + 1, y0 + 2 * g), Pt(xs + w - 1, y0 + 2 * g), Pt(xs + w - 1, y0),
                     Pt(xs + 1, y0)});
      }
      x += w;
    } else if (IsControlChar(c)) {
      const int64_t w = CharPixelWidth(c);
      if (x >= -w) {
        const TTokenCode tok = tokens[j];
        const TColor color = ColorFromToken(tok);
        const TFontStyles style = StyleFromToken(tok);
        const QColor qc = ToQColor(color == clNone ? FOptions.ColorFore : color);
        p.setPen(qc);
        penColor = clNone;
        p.setFont(StyledFont(style));
        int64_t cx = xs;
        for (char16_t nc : ControlCharName(c)) {
          p.drawText(QPointF(static_cast<double>(cx), static_cast<double>(ty + FAscent)), QString(QChar(nc)));
          cx += CharPixelWidth(nc);
        }
        if (style & fsUnderline) Line(p, xs, ty + FAscent, xs + w, ty + FAscent);
      }
      x += w;
    } else {
      const int64_t w = CharPixelWidth(c);
      if (x >= -2 * U) {
        const TTokenCode tok = tokens[j];
        const TColor color = ColorFromToken(tok);
        const TFontStyles style = StyleFromToken(tok);
        int64_t runW = w;
        int64_t count = 1;
        if (!(style & (fsBold | fsItalic)) && !IsRunBreakChar(c)) {
          while (j + count < len && x + runW <= L) {
            const char16_t c2 = line[static_cast<size_t>(j + count)];
            if (IsRunBreakChar(c2)) break;
            const TTokenCode t2 = tokens[j + count];
            if (t2 != tok && (ColorFromToken(t2) != color || StyleFromToken(t2) != style)) break;
            runW += CharPixelWidth(c2);
            ++count;
          }
        }
        s = count - 1;
        if (mask) {
          int64_t left = xs;
          for (int64_t k = 0; k < count; ++k) {
            const char16_t ck = line[static_cast<size_t>(j + k)];
            const int64_t ww = CharPixelWidth(ck);
            if (mask[ck] & FCodePage) {
              p.fillRect(RectLTRB(left, top, left + ww, top + FLineHeight), ToQColor(FOptions.ColorWideChar));
              if (wx <= left + ww && FOptions.ShowWrapLine) {
                wrapLine();
                penColor = clNone;
              }
            }
            left += ww;
          }
        }
        const TColor ink = color == clNone ? FOptions.ColorFore : color;
        if (ink != penColor) {
          p.setPen(ToQColor(ink));
          penColor = ink;
        }
        DrawRun(p, style, xs, ty + FAscent,
                std::u16string_view(line).substr(static_cast<size_t>(j), static_cast<size_t>(count)));
        if (style & fsUnderline) Line(p, xs, ty + FAscent, xs + runW, ty + FAscent);
        x += runW;
      } else {
        x += w;
      }
    }
    if (x > L) break;
  }

  if (x >= -2 * U) {
    const int64_t ex = FLeftBarWidth + x + 6;
    if (row.LineEnd == leNone) {
      if (FOptions.ShowEOF) {
        p.setPen(ToQColor(FOptions.ColorEOF));
        p.setFont(FFont);
        p.drawText(QPointF(static_cast<double>(ex), static_cast<double>(ty + FAscent)),
                   QStringLiteral("[EOF]"));
      }
    } else if (row.LineEnd == leWrap) {
      if (FOptions.ShowWrap) {
        p.setPen(ToQColor(FOptions.ColorWrap));
        Polyline(p, {Pt(ex + 2 * h, y0 + 1), Pt(ex, y0 + 1 + g), Pt(ex + 2 * h, y0 + 1 + 2 * g),
                     Pt(ex, y0 + 1 + g)});
      }
    } else if (FOptions.ShowLineEnd) {
      p.setPen(ToQColor(FOptions.ColorLineEnd));
      switch (FStr->LineEnds()) {
        case lsCR: {
          const int64_t b = y0 + 2 * g - h + 1;
          Polyline(p, {Pt(ex + 2 * h, b), Pt(ex, b), Pt(ex + h, b - h), Pt(ex + h, b + h), Pt(ex, b)});
          break;
        }
        case lsLF:
          Polyline(p, {Pt(ex + h, y0 + 1), Pt(ex + h, y0 + 1 + 2 * g), Pt(ex, y0 + 1 + 2 * g - h),
                       Pt(ex + 2 * h, y0 + 1 + 2 * g - h), Pt(ex + h, y0 + 1 + 2 * g)});
          break;
        default: {
          const int64_t c = y0 + 1 + 2 * g - h;
          Polyline(p, {Pt(ex + 2 * h, y0 + 1), Pt(ex + 2 * h, c), Pt(ex, c), Pt(ex + h, c - h),
                       Pt(ex + h, c + h), Pt(ex, c)});
          break;
        }
      }
    }
  }

  auto columnX = [&](int64_t col) {
    return col < 0 ? int64_t(0) : FLeftBarWidth + FStr->GetCaretX(col, r) - FFirstVisiblePix + 5;
  };
  const bool sub = FSubSelectStart >= 0 && FSubSelectEnd >= 0;
  if (sub) {
    const int64_t E = FStr->TextLength() - FSubSelectEnd;
    if (row.Start < E && row.Start + row.Length >= FSubSelectStart) {
      const int64_t a = FSubSelectStart - row.Start;
      const int64_t b = std::min(E - row.Start, row.Length + 1);
      Invert(p, RectLTRB(columnX(a), top, columnX(b), top + FLineHeight));
    }
  }
  if (sel.X < sel.Y) {
    QRect rc = RectLTRB(columnX(sel.X), top, columnX(sel.Y), top + FLineHeight);
    if (sub) rc.adjust(1, 2, -1, -2);
    Invert(p, rc);
  }
  if (caretRow) {
    p.setPen(ToQColor(FOptions.ColorCaretLine));
    Line(p, FLeftBarWidth + 6, top + FLineHeight - 1, cw, top + FLineHeight - 1);
  }
}

}  // namespace kelp
