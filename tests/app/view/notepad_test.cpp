#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "app/view/qt_measurer.h"
#include "app/view/wnotepad.h"
#include "width/char_width.h"

using namespace kelp;

namespace {

QRgb Rgb(TColor c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF) & 0xFFFFFF; }
QRgb Px(int r, int g, int b) { return qRgb(r, g, b) & 0xFFFFFF; }
QRgb At(const QImage& img, int64_t x, int64_t y) {
  return img.pixel(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF;
}

// How many pixels of the rectangle satisfy the predicate.
int Count(const QImage& img, QRect r, const std::function<bool(QRgb)>& pred) {
  r = r.intersected(img.rect());
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (pred(img.pixel(x, y))) ++n;
  return n;
}
int CountExact(const QImage& img, const QRect& r, QRgb c) {
  return Count(img, r, [c](QRgb p) { return (p & 0xFFFFFF) == (c & 0xFFFFFF); });
}
// Pixels whose colour leans clearly towards c (text is antialiased).
// Antialiased text over white is a blend of white and the text colour: the
// pixel's distance from white points the same way as the colour's.
bool Leans(QRgb p, QRgb c) {
  const double d[3] = {255.0 - qRed(p), 255.0 - qGreen(p), 255.0 - qBlue(p)};
  const double e[3] = {255.0 - qRed(c), 255.0 - qGreen(c), 255.0 - qBlue(c)};
  const double dd = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
  const double ee = e[0] * e[0] + e[1] * e[1] + e[2] * e[2];
  const double de = d[0] * e[0] + d[1] * e[1] + d[2] * e[2];
  if (dd < 0.09 * ee || dd > 1.2 * ee) return false;
  return de * de > 0.95 * 0.95 * dd * ee;
}
int CountNear(const QImage& img, const QRect& r, QRgb c) {
  return Count(img, r, [c](QRgb p) { return Leans(p, c); });
}
bool IsInk(QRgb p) { return qGray(p) < 160; }

QRect R(int64_t l, int64_t t, int64_t r, int64_t b) {
  return QRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l), static_cast<int>(b - t));
}

std::u16string Lines(int n) {
  std::u16string s;
  for (int i = 1; i < n; ++i) s += u"x\n";
  return s + u"x";
}

}  // namespace

class NotePadTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TwNotePad> Make(int w = 640, int h = 400) {
    auto v = std::make_unique<TwNotePad>();
    v->resize(w, h);
    v->show();
    if (!QTest::qWaitForWindowExposed(v.get())) qWarning("not exposed");
    return v;
  }
  // Row top of display row r and the band of its marks.
  struct Band {
    int64_t top, ty, g, y0;
  };
  Band BandOf(TNotePad& v, int64_t r) {
    Band b;
    b.top = v.RowTop(r);
    b.ty = b.top + v.Options().LineMargin / 2;
    b.g = (v.Ascent() - v.Leading()) / 2;
    b.y0 = b.ty + v.Ascent() - 2 * b.g;
    return b;
  }

 private slots:
  void defaultFontAndMetrics() {
    auto v = Make();
    QCOMPARE(QString::fromStdU16String(DefaultEditorFont().Name), QStringLiteral("IPAGothic"));
    QCOMPARE(DefaultEditorFont().Size, 10);
    const QFontMetrics fm(v->EditorFont());
    QCOMPARE(v->FontWidth(), fm.horizontalAdvance(QLatin1Char('0')));
    QCOMPARE(WidthUnit(), v->FontWidth());
    QCOMPARE(v->LineHeight(), fm.height() + std::max(fm.leading(), 0) + 1 + 2);
    QCOMPARE(v->Ascent(), fm.ascent());
    QCOMPARE(CharPixelWidth(u'あ'), fm.horizontalAdvance(QChar(0x3042)));
    QCOMPARE(CharPixelWidth(0x01), fm.horizontalAdvance(QStringLiteral("[SOH]")));
    // Options: margin clamped, read back with the view's own values.
    TNotePadOptions o = v->Options();
    o.LineMargin = 20;
    v->SetOptions(o);
    QCOMPARE(v->Options().LineMargin, 16);
    QCOMPARE(v->LineHeight(), fm.height() + std::max(fm.leading(), 0) + 1 + 16);
    o.LineMargin = -3;
    o.TabCount = 4;
    v->SetOptions(o);
    QCOMPARE(v->Options().LineMargin, 0);
    QCOMPARE(v->NotePadString().TabCount(), 4);
    v->SetWordWrapCount(5);
    QCOMPARE(v->WordWrapCount(), 20);
    v->SetWordWrapCount(10000);
    QCOMPARE(v->WordWrapCount(), 4000);
  }

  void barWidthAndNumbers() {
    auto v = Make();
    v->LoadFromString(Lines(999));
    const int64_t U = v->FontWidth();
    QCOMPARE(v->NotePadString().Count(), 999);
    QCOMPARE(v->LeftBarWidth(), 4 * U);
    const int64_t before = v->FullRepaints();
    v->NotePadString().SetSelStart(v->TextLength());
    v->NotePadString().SetSelEnd(v->TextLength());
    v->SetSelectedText(u"\n");
    QCOMPARE(v->NotePadString().Count(), 1000);
    QCOMPARE(v->LeftBarWidth(), 5 * U);
    QVERIFY(v->FullRepaints() > before);

    // Numbers: the caret row in the caret-line colour, others in the bar colour.
    v->Select(0, 0);
    v->VScroll(scTop);
    const QImage img = v->RenderView();
    const TNotePadOptions o = v->Options();
    const int64_t bar = v->LeftBarWidth();
    const QRect cell0 = R(0, v->RowTop(0), bar + 3, v->RowTop(1));
    const QRect cell1 = R(0, v->RowTop(1), bar + 3, v->RowTop(2));
    QVERIFY(CountNear(img, cell0, Rgb(o.ColorCaretLine)) > 3);
    QCOMPARE(CountNear(img, cell0, Rgb(o.ColorLeftBar)), 0);
    QVERIFY(CountNear(img, cell1, Rgb(o.ColorLeftBar)) > 3);
    QCOMPARE(CountNear(img, cell1, Rgb(o.ColorCaretLine)), 0);
    // Numbers are right-aligned: nothing in the leftmost unit of a one-digit row.
    QCOMPARE(Count(img, R(0, v->RowTop(1), bar - 2 * U, v->RowTop(2)), [](QRgb p) { return qGray(p) < 250; }),
             0);
    // The separator line, solid, one pixel wide.
    for (int64_t y = v->RowTop(0); y < v->RowTop(3); ++y) QCOMPARE(At(img, bar + 3, y), Rgb(o.ColorLeftBar));
    QCOMPARE(At(img, bar + 4, v->RowTop(1) + 2), Rgb(o.ColorBack));

    // Numbering logical lines: a wrapped line shows its number once.
    TNotePadOptions lo = o;
    lo.LeftBarCountWrap = false;
    v->SetOptions(lo);
    v->SetWordWrap(wwCount);
    v->SetWordWrapCount(20);
    v->LoadFromString(std::u16string(50, u'a') + u"\nb");
    const QImage wrapped = v->RenderView();
    QCOMPARE(v->NotePadString().Count(), 4);
    QCOMPARE(v->LeftBarWidth(), 2 * U);
    const auto inkIn = [&](int64_t r) {
      return Count(wrapped, R(0, v->RowTop(r), v->LeftBarWidth() + 3, v->RowTop(r + 1)), IsInk);
    };
    QVERIFY(inkIn(0) > 0);
    QCOMPARE(inkIn(1), 0);
    QCOMPARE(inkIn(2), 0);
    QVERIFY(inkIn(3) > 0);
  }

  void caretRuleEofTabAndWrapChevron() {
    auto v = Make();
    TNotePadOptions o = v->Options();
    o.ShowEOF = true;
    o.ShowTab = true;
    o.ShowWrap = true;
    v->SetOptions(o);
    const int64_t U = v->FontWidth();
    // An empty document: the rule under row 0 and "[EOF]" at the left edge.
    QImage img = v->RenderView();
    const int64_t cw = v->viewport()->width();
    const int64_t bar = v->LeftBarWidth();
    const int64_t rule = v->RowTop(0) + v->LineHeight() - 1;
    QCOMPARE(At(img, bar + 6, rule), Rgb(o.ColorCaretLine));
    QCOMPARE(At(img, cw - 1, rule), Rgb(o.ColorCaretLine));
    QCOMPARE(At(img, bar + 5, rule), Rgb(o.ColorBack));
    QCOMPARE(CountExact(img, R(bar + 6, rule + v->LineHeight(), cw, rule + v->LineHeight() + 1),
                        Rgb(o.ColorCaretLine)),
             0);
    const QRect eofBox = R(v->TextX(0), v->RowTop(0), v->TextX(6 * U), rule);
    QVERIFY(CountNear(img, eofBox, Rgb(o.ColorEOF)) > 10);
    QCOMPARE(Count(img, eofBox, IsInk), 0);

    // A tab between a and b: a triangle one unit wide at its start; b on the next stop.
    v->LoadFromString(u"a\tb");
    img = v->RenderView();
    const Band b = BandOf(*v, 0);
    for (int64_t y = b.y0; y <= b.y0 + 2 * b.g - 1; ++y)
      QCOMPARE(At(img, v->TextX(U) + 1, y), Rgb(o.ColorTab));
    QVERIFY(CountExact(img, R(v->TextX(U) + 2, b.y0, v->TextX(2 * U), b.y0 + 2 * b.g), Rgb(o.ColorTab)) > 0);
    QCOMPARE(CountExact(img, R(v->TextX(2 * U), b.top, v->TextX(8 * U), b.top + v->LineHeight() - 1),
                        Rgb(o.ColorTab)),
             0);
    QCOMPARE(Count(img, R(v->TextX(2 * U), b.top, v->TextX(8 * U), rule), IsInk), 0);
    QVERIFY(Count(img, R(v->TextX(8 * U), b.top, v->TextX(9 * U), rule), IsInk) > 0);
    // "[EOF]" now follows the b.
    QVERIFY(CountNear(img, R(v->TextX(9 * U), b.top, v->TextX(15 * U), rule), Rgb(o.ColorEOF)) > 10);

    // A wrapped row ends in the chevron; with ShowWrap off it does not.
    v->SetWordWrap(wwCount);
    v->SetWordWrapCount(20);
    v->LoadFromString(std::u16string(30, u'a'));
    img = v->RenderView();
    QCOMPARE(v->NotePadString().Items(0).LineEnd, leWrap);
    const int64_t ex = bar + 20 * U + 6;
    const QRect chevron = R(ex, v->RowTop(0), ex + U, v->RowTop(1));
    QVERIFY(CountExact(img, chevron, Rgb(o.ColorWrap)) >= 2 * b.g);
    // The wrap-column line stands at the wrap column on every row.
    const int64_t wx = bar + 20 * U + 5;
    QCOMPARE(At(img, wx, v->RowTop(1) + 1), Rgb(o.ColorWrapLine));
    o.ShowWrap = false;
    v->SetOptions(o);
    img = v->RenderView();
    QCOMPARE(CountExact(img, chevron, Rgb(o.ColorWrap)), 0);
  }

  void lineEndArrowsFollowTheFileConvention() {
    auto v = Make();
    const TNotePadOptions o = v->Options();
    const int64_t U = v->FontWidth();
    const int64_t h = (U - 2) / 2;
    v->LoadFromString(u"ab\ncd");
    QImage img = v->RenderView();
    const Band b = BandOf(*v, 0);
    const int64_t ex = v->LeftBarWidth() + 2 * U + 6;
    // LF: the arrow's shaft is vertical at ex + h.
    QCOMPARE(At(img, ex + h, b.y0 + 2), Rgb(o.ColorLineEnd));
    QCOMPARE(At(img, ex + 2 * h, b.y0 + 2), Rgb(o.ColorBack));
    // The last row has no arrow.
    QCOMPARE(CountExact(img, R(ex, v->RowTop(1), ex + U, v->RowTop(2)), Rgb(o.ColorLineEnd)), 0);
    v->LoadFromString(u"ab\r\ncd");
    img = v->RenderView();
    QCOMPARE(v->ReturnCode(), rcCRLF);
    // CR LF: the shaft is at ex + 2h.
    QCOMPARE(At(img, ex + 2 * h, b.y0 + 2), Rgb(o.ColorLineEnd));
    QCOMPARE(At(img, ex + h, b.y0 + 2), Rgb(o.ColorBack));
  }

  void highlightedMatches() {
    auto v = Make();
    TNotePadOptions o = v->Options();
    o.ColorHighlight = 0x000000FF;  // red
    v->SetOptions(o);
    const int64_t U = v->FontWidth();
    v->LoadFromString(u"aabbaa\nBB");
    QSignalSpy changed(v.get(), &TNotePad::ViewChanged);
    v->SetSearchText(u"bb");
    QCOMPARE(changed.count(), 1);
    const QRgb red = qRgb(255, 0, 0);
    const auto redIn = [&](const QImage& img, int64_t r, int64_t c0, int64_t c1) {
      return CountNear(img, R(v->TextX(c0 * U), v->RowTop(r), v->TextX(c1 * U), v->RowTop(r + 1) - 1), red);
    };
    QImage img = v->RenderView();
    QVERIFY(redIn(img, 0, 2, 4) > 5);
    QCOMPARE(redIn(img, 0, 0, 2) + redIn(img, 0, 4, 6), 0);
    QCOMPARE(redIn(img, 1, 0, 2), 0);
    v->SetSearchIgCase(true);
    img = v->RenderView();
    QVERIFY(redIn(img, 1, 0, 2) > 5);

    // Regular expressions, through the shared adapter.
    v->SetSearchIgCase(false);
    v->SetSearchWithRegEx(true);
    TwNotePad::SharedRegexp().Compile(u"a+$", false);
    img = v->RenderView();
    QVERIFY(redIn(img, 0, 4, 6) > 5);
    QCOMPARE(redIn(img, 0, 0, 4), 0);
  }

  void wideCharBackgroundFollowsTheCodePage() {
    auto v = Make();
    TNotePadOptions o = v->Options();
    o.ColorWideChar = 0x00C0C0FF;
    v->SetOptions(o);
    v->LoadFromString(u"\u20AC\u301C\uFF5Ea");
    auto cell = [&](int64_t col) {
      TNotePadString& d = v->NotePadString();
      return R(v->TextX(d.GetCaretX(col, 0)), v->RowTop(0), v->TextX(d.GetCaretX(col + 1, 0)),
               v->RowTop(0) + 1);
    };
    const QRgb pink = Rgb(o.ColorWideChar);
    v->SetCodePage(1);  // Shift_JIS
    QImage img = v->RenderView();
    QCOMPARE(CountExact(img, cell(0), pink), cell(0).width());
    QCOMPARE(CountExact(img, cell(1), pink), cell(1).width());
    QCOMPARE(CountExact(img, cell(2), pink), 0);
    QCOMPARE(CountExact(img, cell(3), pink), 0);
    v->SetCodePage(0);  // UTF-8
    img = v->RenderView();
    QCOMPARE(CountExact(img, R(0, 0, img.width(), img.height()), pink), 0);
  }

  void boxSelectionAndDrawNot() {
    auto v = Make();
    const TNotePadOptions o = v->Options();
    const int64_t U = v->FontWidth();
    v->LoadFromString(u"abcdef\nabcdef\nabcdef\nabcdef");
    v->SetBoxSelectMode(true);
    TNotePadString& d = v->NotePadString();
    d.SetSelStartPos({1, 0});
    d.SetSelEndPos({4, 2});
    QImage img = v->RenderView();
    const QRgb inv = Px(0, 0, 0);  // white inverted
    for (int64_t r = 0; r < 3; ++r) {
      const int64_t y = v->RowTop(r) + 1;
      QCOMPARE(At(img, v->TextX(1 * U) + 1, y), inv);
      QCOMPARE(At(img, v->TextX(4 * U) - 1, y), inv);
      QCOMPARE(At(img, v->TextX(1 * U) - 1, y), Rgb(o.ColorBack));
      QCOMPARE(At(img, v->TextX(4 * U) + 1, y), Rgb(o.ColorBack));
    }
    QCOMPARE(At(img, v->TextX(2 * U), v->RowTop(3) + 1), Rgb(o.ColorBack));
    // No caret rule while something is selected.
    QCOMPARE(CountExact(img, R(0, 0, img.width(), img.height()), Rgb(o.ColorCaretLine)), 0);

    // DrawNot: everything inverted, the selection back in normal colours.
    TNotePadOptions n = o;
    n.DrawNot = true;
    v->SetOptions(n);
    img = v->RenderView();
    const QRgb back = Rgb(o.ColorBack) ^ 0xFFFFFF;
    QCOMPARE(At(img, v->TextX(10 * U), v->RowTop(5)), back);
    QCOMPARE(At(img, v->TextX(1 * U) + 1, v->RowTop(1) + 1), Rgb(o.ColorBack));
    QCOMPARE(At(img, v->LeftBarWidth() + 3, v->RowTop(1)), Rgb(o.ColorLeftBar) ^ 0xFFFFFF);
    QCOMPARE(At(img, 2, v->LineHeight() / 2 - 1), back);  // the ruler too
  }

  void marksAndSubSelection() {
    auto v = Make();
    TNotePadOptions o = v->Options();
    o.ShowLeftBar = false;
    v->SetOptions(o);
    v->LoadFromString(u"one\ntwo\nthree");
    v->AddMark(4);
    QImage img = v->RenderView();
    // With the bar hidden a marked row still shows a 3-pixel strip.
    QCOMPARE(v->LeftBarWidth(), 0);
    QCOMPARE(At(img, 2, v->RowTop(1) + 2), Rgb(o.ColorMark));
    QCOMPARE(At(img, 3, v->RowTop(1) + 2), Rgb(o.ColorBack));
    QCOMPARE(At(img, 2, v->RowTop(0) + 2), Rgb(o.ColorBack));
    // The secondary selection inverts its range.
    const int64_t U = v->FontWidth();
    v->SubSelect(5, v->TextLength() - 6);  // "w" of "two"
    img = v->RenderView();
    QCOMPARE(At(img, v->TextX(1 * U) + 1, v->RowTop(1) + 1), Px(0, 0, 0));
    QCOMPARE(At(img, v->TextX(2 * U) + 1, v->RowTop(1) + 1), Rgb(o.ColorBack));
  }

  void controlCharacterShowsItsName() {
    auto v = Make();
    v->LoadFromString(u"a\u0007b");
    const int64_t U = v->FontWidth();
    QCOMPARE(CharPixelWidth(7), QFontMetrics(v->EditorFont()).horizontalAdvance(QStringLiteral("[BEL]")));
    const QImage img = v->RenderView();
    const int64_t bx = v->TextX(U + CharPixelWidth(7));
    // The name fills the space between a and b, and b follows it.
    QVERIFY(Count(img, R(v->TextX(U), v->RowTop(0), bx, v->RowTop(1) - 1), IsInk) > 20);
    QVERIFY(Count(img, R(bx, v->RowTop(0), bx + U, v->RowTop(1) - 1), IsInk) > 0);
  }

  void rulerTicksAndCaretMarker() {
    auto v = Make();
    const TNotePadOptions o = v->Options();
    const int64_t U = v->FontWidth();
    const int64_t H = v->LineHeight();
    v->LoadFromString(u"abcdef");
    v->Select(3, 0);
    const QImage img = v->RenderView();
    const int64_t x0 = v->LeftBarWidth() + 5;
    const QRgb green = Rgb(o.ColorRuler);
    // Column 0 has a full tick and the caret column is inverted.
    QCOMPARE(At(img, x0, 0), green);
    QCOMPARE(At(img, x0 + U, H - H / 4), green);
    QCOMPARE(At(img, x0 + U, H - H / 4 - 1), Rgb(o.ColorBack));
    QCOMPARE(At(img, x0 + 5 * U, H / 2), green);
    QCOMPARE(At(img, x0 + 5 * U, H / 2 - 1), Rgb(o.ColorBack));
    QCOMPARE(At(img, x0 + 10 * U, 0), green);
    // The caret marker: column 3 inverted over the ruler row.
    QCOMPARE(At(img, x0 + 3 * U + 2, 1), Rgb(o.ColorBack) ^ 0xFFFFFF);
    QCOMPARE(At(img, x0 + 4 * U + 2, 1), Rgb(o.ColorBack));
    // The base line.
    QCOMPARE(At(img, x0 + 2 * U + 3, H - 1), green);
    // "10" stands right of its tick.
    QVERIFY(CountNear(img, R(x0 + 10 * U + 2, 0, x0 + 12 * U + 2, H - 1), green) > 5);
    // Without the ruler, row 0 starts at the top.
    TNotePadOptions n = o;
    n.ShowRuler = false;
    v->SetOptions(n);
    QCOMPARE(v->RowTop(0), 0);
    QCOMPARE(v->Options().ShowRuler, false);
  }

  void backgroundPictureIsBlended() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bg.png"));
    QImage pic(5, 3, QImage::Format_RGB32);
    pic.fill(qRgb(255, 0, 0));
    QVERIFY(pic.save(path));
    auto v = Make();
    TNotePadOptions o = v->Options();
    o.BackGroundBMP = path.toStdU16String();
    o.AlphaBlend = 255;
    v->SetOptions(o);
    QImage img = v->RenderView();
    const int64_t x = v->TextX(30 * v->FontWidth()) + 1;
    QCOMPARE(At(img, x, v->RowTop(4) + 1), Px(255, 0, 0));
    o.AlphaBlend = 0x100 + 102;  // the low byte counts: 102 of 255
    v->SetOptions(o);
    QCOMPARE(v->Options().AlphaBlend, 102);
    img = v->RenderView();
    const QRgb blended = At(img, x, v->RowTop(4) + 1);
    QCOMPARE(qRed(blended), 255);
    QVERIFY(qGreen(blended) > 140 && qGreen(blended) < 165);
    // A missing picture leaves the plain background.
    o.BackGroundBMP = dir.filePath(QStringLiteral("missing.png")).toStdU16String();
    v->SetOptions(o);
    img = v->RenderView();
    QCOMPARE(At(img, x, v->RowTop(4) + 1), Rgb(o.ColorBack));
  }

  void caretLineAndSelectionProperties() {
    auto v = Make();
    v->SetWordWrap(wwCount);
    v->SetWordWrapCount(20);
    v->LoadFromString(std::u16string(30, u'a') + u"\nb\nc");
    v->RenderView();
    QCOMPARE(v->NotePadString().Count(), 4);
    v->SetCaretLine(1);
    QCOMPARE(v->CaretLineWraped(), 2);
    QCOMPARE(v->CaretLine(), 1);
    v->SetCaretLineWraped(1);
    QCOMPARE(v->CaretLine(), 0);
    QVERIFY(!v->SelectedWithoutCRLF());
    v->Select(5, 20);  // across the wrap only
    QVERIFY(v->SelectedWithoutCRLF());
    v->Select(5, 27);  // across the line break
    QVERIFY(!v->SelectedWithoutCRLF());
    v->SetSelectionLength(-3);
    QCOMPARE(v->SelectionLength(), -3);
    QCOMPARE(v->SelectedText(), std::u16string(u"aaa"));
  }

  void scrollingByBarWheelAndCaret() {
    auto v = Make(640, 400);
    v->LoadFromString(Lines(100));
    const int64_t vis = v->VisibleLineCount();
    QVERIFY(vis > 10);
    QScrollBar* bar = v->verticalScrollBar();
    QVERIFY(bar->isEnabled());
    QCOMPARE(bar->maximum(), 100 - vis + 3);
    v->VScroll(scPageDown);
    QCOMPARE(v->FirstVisibleLine(), vis - 3);
    QCOMPARE(bar->value(), vis - 3);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(v->FirstVisibleLine(), vis - 4);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(v->FirstVisibleLine(), 2 * vis - 7);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(v->FirstVisibleLine(), 100 - vis + 3);
    bar->setValue(10);
    QCOMPARE(v->FirstVisibleLine(), 10);
    // The wheel: one notch is three rows up; half notches wait.
    v->WheelBy(120, 3);
    QCOMPARE(v->FirstVisibleLine(), 7);
    v->WheelBy(-60, 3);
    QCOMPARE(v->FirstVisibleLine(), 7);
    v->WheelBy(-60, 3);
    QCOMPARE(v->FirstVisibleLine(), 10);
    // A real wheel event goes the same way (the system's lines per notch).
    const int64_t before = v->FirstVisibleLine();
    QWheelEvent wheel(QPointF(50, 50), v->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v->viewport(), &wheel);
    QCOMPARE(v->FirstVisibleLine(), before + QApplication::wheelScrollLines());
    v->VScroll(scThumb, 10);
    v->WheelBy(-120, -1);
    QCOMPARE(v->FirstVisibleLine(), 10 + vis - 3);
    // The rendered first row is the first visible one.
    v->VScroll(scTop);
    QCOMPARE(v->FirstVisibleLine(), 0);

    // ScrollToCaret at the end and back at the top, without focus.
    v->clearFocus();
    v->Select(v->TextLength(), 0);
    QCOMPARE(v->FirstVisibleLine(), 0);  // an unfocused view does not follow
    v->ScrollToCaret();
    QCOMPARE(v->FirstVisibleLine(), 99 - vis + 4);
    v->Select(0, 0);
    v->ScrollToCaret();
    QCOMPARE(v->FirstVisibleLine(), 0);

    // A short document cannot scroll; the bar is disabled, not hidden.
    v->LoadFromString(Lines(3));
    QVERIFY(!bar->isEnabled());
    QVERIFY(bar->isVisible());
    v->VScroll(scLineDown);
    QCOMPARE(v->FirstVisibleLine(), 0);

    // Horizontally in whole units; wwNone makes the row 4000 units wide.
    QScrollBar* hbar = v->horizontalScrollBar();
    QVERIFY(hbar->isVisible());
    v->HScroll(scLineDown);
    QCOMPARE(v->FirstVisiblePix(), v->FontWidth());
    hbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(v->FirstVisiblePix(), v->FontWidth() * (1 + v->VisibleByteCount() - 3));
    v->SetWordWrap(wwRight);
    v->RenderView();
    QCOMPARE(v->FirstVisiblePix(), 0);
    QVERIFY(!hbar->isVisible());

    // Deleting most of the text pulls the first row back.
    v->SetWordWrap(wwNone);
    v->LoadFromString(Lines(100));
    v->VScroll(scThumb, 60);
    v->SelectAll();
    v->SetSelectedText(u"x\nx");
    QCOMPARE(v->FirstVisibleLine(), 0);
  }

  void panningScrollsTowardsThePointer() {
    auto v = Make(640, 400);
    v->LoadFromString(Lines(300));
    QTest::mouseClick(v->viewport(), Qt::MiddleButton, {}, QPoint(100, 100));
    QVERIFY(v->Panning());
    QVERIFY(v->PanningMark() && v->PanningMark()->isVisible());
    QVERIFY(v->PanningMark()->geometry().contains(QPoint(100, 100)));
    const int t = std::max(QApplication::startDragDistance(), 1);
    v->PanStep(QPoint(0, 8));
    QCOMPARE(v->FirstVisibleLine(), 0);
    v->PanStep(QPoint(0, 4 * t + 20));
    QCOMPARE(v->FirstVisibleLine(), (4 * t + 20) / 2 / t);
    QCOMPARE(v->viewport()->cursor().shape(), Qt::SizeVerCursor);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(!v->Panning());
    QVERIFY(!v->PanningMark()->isVisible());
    // In a short document the pointer below the start scrolls nothing.
    v->LoadFromString(Lines(3));
    QTest::mouseClick(v->viewport(), Qt::MiddleButton, {}, QPoint(100, 100));
    v->PanStep(QPoint(0, 200));
    QCOMPARE(v->FirstVisibleLine(), 0);
  }

  void anEditRepaintsOnlyTheChangedRows() {
    auto v = Make(640, 400);
    v->LoadFromString(Lines(50));
    v->setFocus();
    v->Select(4, 0);  // row 2
    v->RenderView();
    v->TakeInvalidated();
    const int64_t full = v->FullRepaints();
    v->SetSelectedText(u"y");
    QCOMPARE(v->FullRepaints(), full);
    const QRegion r = v->TakeInvalidated();
    QVERIFY(r.contains(QPoint(100, static_cast<int>(v->RowTop(2) + 1))));
    QVERIFY(r.contains(QPoint(100, 1)));  // the ruler
    QVERIFY(!r.contains(QPoint(100, static_cast<int>(v->RowTop(10)))));
    // Opening a comment that runs to the end repaints everything.
    v->SetEditMode(hmCpp);
    v->RenderView();
    v->SetSelectedText(u"/*");
    QVERIFY(v->FullRepaints() > full);
    // A mode change and the code-page mask repaint everything too.
    const int64_t n = v->FullRepaints();
    v->SetCodePage(1);
    QCOMPARE(v->FullRepaints(), n + 1);
    v->SetCodePage(1);
    QCOMPARE(v->FullRepaints(), n + 1);
  }

  void modeFromPathAndExtensions() {
    auto v = Make();
    v->SetModeFromPath(u"/tmp/x.CPP");
    QCOMPARE(v->EditMode(), hmCpp);
    v->SetModeFromPath(u"/tmp/README");
    QCOMPARE(v->EditMode(), hmDefault);
    QCOMPARE(QString::fromStdU16String(TNotePad::GetModeExt(hmCss)), QStringLiteral(".css"));
    TNotePad::SetModeExt(hmCss, u"css;scss");
    v->SetModeFromPath(u"a.scss");
    QCOMPARE(v->EditMode(), hmCss);
    TNotePad::SetModeExt(hmCss, u".css");
  }

  void screenshots() {
    // A Japanese text with every mark shown.
    auto v = Make(800, 360);
    TNotePadOptions o = v->Options();
    o.ShowEOF = o.ShowTab = o.ShowSBSpace = o.ShowDBSpace = o.ShowWrap = true;
    o.ColorWideChar = 0x00C0C0FF;
    o.ColorHighlight = 0x000000FF;
    o.ColorControl = 0x00800080;
    v->SetOptions(o);
    v->SetWordWrap(wwCount);
    v->SetWordWrapCount(40);
    v->LoadFromString(
        u"吾輩は猫である。名前はまだ無い。\n"
        u"\tどこで生れたかとんと見当がつかぬ。何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶"
        u"している。\n"
        u"全角　空白と half width spaces.\n"
        u"ユーロ記号€と波ダッシュ〜は Shift_JIS にない。\n"
        u"制御文字\u0007もある。猫を検索。");
    v->SetCodePage(1);
    v->SetSearchText(u"猫");
    v->AddMark(0);
    const QImage japanese = v->RenderView();
    QVERIFY(japanese.save(QStringLiteral(KELP_SHOT_DIR "/notepad_japanese.png")));
    // The horizontal bar went away with the wrap; the taller client is painted to its foot.
    QVERIFY(!v->horizontalScrollBar()->isVisible());
    QCOMPARE(japanese.size(), v->viewport()->size());
    QCOMPARE(At(japanese, japanese.width() - 1, japanese.height() - 1), Rgb(o.ColorBack));

    // A C++ file with colours.
    auto c = Make(800, 360);
    TNotePadOptions co = c->Options();
    co.ColorReserve = 0x00C00000;
    co.StyleReserve = fsBold;
    co.ColorComment = 0x0000A000;
    co.ColorString = 0x000000C0;
    co.ColorInteger = 0x00808000;
    co.ColorPrefix = 0x00C000C0;
    co.ColorSymbol = 0x00404040;
    c->SetOptions(co);
    c->SetEditMode(hmCpp);
    c->LoadFromString(
        u"#include <cstdio>\n"
        u"\n"
        u"/* Prints a greeting\n"
        u"   and a count. */\n"
        u"int main(int argc, char** argv) {\n"
        u"  const char* text = \"こんにちは\";  // greeting\n"
        u"  for (int i = 0; i < 3; ++i) {\n"
        u"    std::printf(\"%s %d\\n\", text, i + 0x10);\n"
        u"  }\n"
        u"  return 0;\n"
        u"}\n");
    const QImage img = c->RenderView();
    QVERIFY(img.save(QStringLiteral(KELP_SHOT_DIR "/notepad_cpp.png")));
    // The comment rows carry the comment colour, the directive its own.
    QVERIFY(CountNear(img, R(c->TextX(0), c->RowTop(2), img.width(), c->RowTop(4)), Rgb(co.ColorComment)) >
            10);
    QVERIFY(CountNear(img, R(c->TextX(0), c->RowTop(0), img.width(), c->RowTop(1)), Rgb(co.ColorPrefix)) >
            10);
  }

  void paintEventDrawsTheSameAsRenderView() {
    auto v = Make(400, 300);
    v->LoadFromString(u"hello\nworld");
    // The caret (painted on screen only) stands off the compared row.
    v->Select(11, 0);
    const QImage direct = v->RenderView();
    v->viewport()->repaint();
    const QImage grabbed = v->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(grabbed.size(), direct.size());
    QCOMPARE(At(grabbed, v->LeftBarWidth() + 3, v->RowTop(0) + 1),
             At(direct, v->LeftBarWidth() + 3, v->RowTop(0) + 1));
    QCOMPARE(Count(grabbed, R(v->TextX(0), v->RowTop(0), v->TextX(40), v->RowTop(1)), IsInk),
             Count(direct, R(v->TextX(0), v->RowTop(0), v->TextX(40), v->RowTop(1)), IsInk));
  }
};

QTEST_MAIN(NotePadTest)
#include "notepad_test.moc"
