// The editor view offscreen at 1920x1080: a full repaint of Japanese prose
// wrapped at the window edge and of coloured C++ code, paging through a
// 1,000,000-line document, and one character typed in it, each against a
// QScintilla view showing the same text with the same font, wrap and lexer.
#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/view/qt_measurer.h"
#include "app/view/wnotepad.h"
#include "harness.h"

namespace {

using kelp::bench::Figure;
using kelp::bench::Quantile;
using kelp::bench::Report;
using kelp::bench::Seconds;
using kelp::bench::Target;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::u16string JapaneseProse(int lines) {
  const std::u16string sentence =
      u"吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗いじめじめした所で"
      u"ニャーニャー泣いていた事だけは記憶している。";
  std::u16string s;
  for (int i = 0; i < lines; ++i) {
    std::u16string line;
    while (line.size() < 100) line += sentence;  // 100 full-width characters: 200 columns
    line.resize(100);
    s += line;
    s += u'\n';
  }
  return s;
}

std::u16string CppCode(int lines) {
  static const char16_t* const kLines[] = {
      u"#include <vector>",
      u"// Adds the numbers of a list and returns the sum.",
      u"static int Sum(const std::vector<int>& values) {",
      u"  int total = 0x10;  /* start from sixteen */",
      u"  for (int i = 0; i < static_cast<int>(values.size()); ++i) total += values[i] * 3;",
      u"  const char* name = \"a \\\"quoted\\\" string\";",
      u"  if (total > 1000 && name[0] != 'x') return total / 2;",
      u"  /* a block comment",
      u"     over two lines */ return total;",
      u"}",
  };
  std::u16string s;
  for (int i = 0; i < lines; ++i) {
    s += kLines[i % 10];
    s += u'\n';
  }
  return s;
}

std::u16string ShortLines(int lines) {
  std::u16string s;
  s.reserve(static_cast<size_t>(lines) * 24);
  for (int i = 0; i < lines; ++i) {
    s += u"line ";
    for (char c : std::to_string(i)) s += static_cast<char16_t>(c);
    s += u" of the text\n";
  }
  return s;
}

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

void ColourOptions(kelp::TwNotePad& v) {
  kelp::TNotePadOptions o = v.Options();
  o.ColorReserve = 0x00C00000;
  o.ColorComment = 0x0000A000;
  o.ColorString = 0x000000C0;
  o.ColorInteger = 0x00808000;
  o.ColorPrefix = 0x00C000C0;
  v.SetOptions(o);
}

std::unique_ptr<kelp::TwNotePad> MakeView() {
  auto v = std::make_unique<kelp::TwNotePad>();
  v->resize(kWidth, kHeight);
  v->show();
  QApplication::processEvents();
  return v;
}

std::unique_ptr<QsciScintilla> MakePeer(const QString& text, bool wrap, QsciLexer* lexer) {
  auto s = std::make_unique<QsciScintilla>();
  const QFont font = kelp::QFontFromSpec(kelp::DefaultEditorFont());
  s->setFont(font);
  if (lexer) {
    lexer->setDefaultFont(font);
    lexer->setFont(font);
    s->setLexer(lexer);
  }
  s->setMarginLineNumbers(0, true);
  s->setMarginWidth(0, QStringLiteral("00000"));
  s->setWrapMode(wrap ? QsciScintilla::WrapCharacter : QsciScintilla::WrapNone);
  s->setEdgeMode(QsciScintilla::EdgeLine);
  s->setEdgeColumn(80);
  s->setWhitespaceVisibility(QsciScintilla::WsVisible);
  s->setEolVisibility(true);
  s->setCaretLineVisible(true);
  s->setText(text);
  s->resize(kWidth, kHeight);
  s->show();
  QApplication::processEvents();
  return s;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Median milliseconds of `frames` calls.
template <class F>
double MedianMs(int frames, F&& f) {
  std::vector<double> t;
  for (int i = 0; i < frames; ++i) t.push_back(Seconds(f) * 1e3);
  return Quantile(t, 0.5);
}

void FullRepaint(const kelp::bench::Options& opts, const char* name, const std::u16string& text,
                 kelp::THighlightMode mode, bool wrap) {
  const int frames = opts.quick ? 10 : 40;
  auto v = MakeView();
  if (mode != kelp::hmDefault) ColourOptions(*v);
  kelp::TNotePadOptions o = v->Options();
  o.ShowSBSpace = o.ShowDBSpace = true;
  v->SetOptions(o);
  v->SetWordWrap(wrap ? kelp::wwRight : kelp::wwNone);
  v->SetEditMode(mode);
  v->LoadFromString(text);
  v->RenderView();
  const double ours = MedianMs(frames, [&] { v->viewport()->repaint(); });
  std::unique_ptr<QsciLexerCPP> lexer;
  if (mode == kelp::hmCpp) lexer = std::make_unique<QsciLexerCPP>();
  auto peer = MakePeer(Q(text), wrap, lexer.get());
  peer->viewport()->repaint();
  const double theirs = MedianMs(frames, [&] { peer->viewport()->repaint(); });
  Report({std::string("view_full_repaint_") + name + "_ms", ours, "ms", "QScintilla", theirs,
          Target{Target::kAtMost, 1.0, true}});
}

KELP_BENCH(view_full_repaint) {
  FullRepaint(opts, "japanese_wrapped", JapaneseProse(200), kelp::hmDefault, true);
  FullRepaint(opts, "cpp_coloured", CppCode(200), kelp::hmCpp, false);
}

KELP_BENCH(view_page_down) {
  const int lines = opts.quick ? 200000 : 1000000;
  const int steps = opts.quick ? 20 : 60;
  const std::u16string text = ShortLines(lines);
  auto v = MakeView();
  v->LoadFromString(text);
  v->RenderView();
  const double ours = MedianMs(steps, [&] {
    v->VScroll(kelp::scPageDown);
    v->viewport()->repaint();
  });
  auto peer = MakePeer(Q(text), false, nullptr);
  const double theirs = MedianMs(steps, [&] {
    peer->SendScintilla(QsciScintilla::SCI_PAGEDOWN);
    peer->viewport()->repaint();
  });
  Report({"view_page_down_step_ms", ours, "ms", "QScintilla", theirs, Target{Target::kAtMost, 1.0, true}});
}

KELP_BENCH(view_type_one_char) {
  const int lines = opts.quick ? 200000 : 1000000;
  const int steps = opts.quick ? 20 : 60;
  const std::u16string text = ShortLines(lines);
  auto v = MakeView();
  v->LoadFromString(text);
  v->setFocus();
  // The caret in the middle of the document, in view.
  kelp::TNotePadString& d = v->NotePadString();
  const int64_t mid = d.Items(lines / 2).Start + 4;
  v->Select(mid, 0);
  v->ScrollToCaret();
  v->RenderView();
  QApplication::processEvents();
  PaintCounter counter(v->viewport());
  const double ours = MedianMs(steps, [&] {
    v->SetSelectedText(u"x");
    QApplication::processEvents();
  });
  Report({"view_type_one_char_paints", static_cast<double>(counter.paints) / steps, "per char", "", 0,
          Target{Target::kAtLeast, 1.0, false}});
  auto peer = MakePeer(Q(text), false, nullptr);
  peer->setCursorPosition(lines / 2, 4);
  peer->ensureCursorVisible();
  QApplication::processEvents();
  PaintCounter peerCounter(peer->viewport());
  const double theirs = MedianMs(steps, [&] {
    peer->insert(QStringLiteral("x"));
    peer->SendScintilla(QsciScintilla::SCI_CHARRIGHT);
    QApplication::processEvents();
  });
  Report({"view_type_one_char_peer_paints", static_cast<double>(peerCounter.paints) / steps, "per char", "",
          0, std::nullopt});
  Report({"view_type_one_char_ms", ours, "ms", "QScintilla", theirs, Target{Target::kAtMost, 1.0, true}});
}

}  // namespace
