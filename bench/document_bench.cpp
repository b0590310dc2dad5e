// The document at scale: typing, line splits and joins, undo and redo of a
// large paste, a box operation, and loading a 100 MB text, each against
// QScintilla and QPlainTextEdit doing the same on the same text.
#include <Qsci/qsciscintilla.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/utf.h"
#include "document/notepad_string.h"
#include "harness.h"
#include "width/char_width.h"

namespace {

using kelp::bench::Figure;
using kelp::bench::Report;
using kelp::bench::Target;

constexpr int64_t kWrap = 80;

// Japanese prose mixed with ASCII, about 1.2 million logical lines in 100 MB of
// UTF-16; the same for every run.
std::u16string MakeText(size_t units) {
  static const char16_t* const kWords[] = {
      u"日本語",   u"の",       u"文章",     u"を",         u"書く",     u"ことは",   u"、",       u"。",
      u"「",       u"」",       u"テキスト", u"エディタ",   u"けるぷ",   u"で",       u"編集",     u"する",
      u"Kelp",     u" editor ", u"text",     u" 100%",      u"(UTF-16)", u" $5 ",     u"ファイル", u"行",
      u"折り返し", u"は",       u"ない",     u"ありません", u"と",       u"思います", u"。\u3000", u"0123",
  };
  constexpr size_t kCount = sizeof(kWords) / sizeof(kWords[0]);
  std::u16string s;
  // Room for a little more, as a decoder reserves for its estimate.
  s.reserve(units + units / 32 + 4096);
  uint64_t x = 88172645463325252ull;
  auto next = [&] {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    return x;
  };
  while (s.size() < units) {
    const size_t target = 4 + next() % 80;  // characters in this line
    const size_t start = s.size();
    while (s.size() - start < target) s += kWords[next() % kCount];
    s += u'\n';
  }
  s.resize(units);
  if (!s.empty()) s.back() = u'\n';
  return s;
}

double NowSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

long StatusKB(const char* key) {
  std::ifstream f("/proc/self/status");
  std::string line;
  const size_t n = std::strlen(key);
  while (std::getline(f, line)) {
    if (line.compare(0, n, key) == 0) return std::stol(line.substr(n + 1));
  }
  return 0;
}

void ResetPeak() {
  std::ofstream f("/proc/self/clear_refs");
  f << "5";
}

struct Latency {
  double median_us = 0, p99_us = 0;
};

template <class F>
Latency Measure(int n, F&& f) {
  std::vector<double> samples;
  samples.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double t0 = NowSeconds();
    f(i);
    samples.push_back((NowSeconds() - t0) * 1e6);
  }
  Latency l;
  l.median_us = kelp::bench::Quantile(samples, 0.5);
  l.p99_us = kelp::bench::Quantile(samples, 0.99);
  return l;
}

// ---------------------------------------------------------------- peers

// QScintilla on the offscreen platform, wrapping words at the width of 80
// digits; every line's layout is forced by asking for its display line count.
class ScintillaPeer {
 public:
  explicit ScintillaPeer(const QFont& font) {
    e_.setFont(font);
    e_.setUtf8(true);
    e_.setMarginWidth(0, 0);
    e_.setMarginWidth(1, 0);
    e_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e_.setWrapMode(QsciScintilla::WrapCharacter);
    const int w = QFontMetrics(font).horizontalAdvance(QLatin1Char('0')) * kWrap;
    e_.resize(w + 4, 600);
    e_.show();
  }
  int64_t DisplayLines() {
    const long lines = e_.SendScintilla(QsciScintilla::SCI_GETLINECOUNT);
    int64_t total = 0;
    for (long i = 0; i < lines; ++i) total += e_.SendScintilla(QsciScintilla::SCI_WRAPCOUNT, i);
    return total;
  }
  void SetText(const std::string& utf8) { e_.SendScintilla(QsciScintilla::SCI_SETTEXT, 0ul, utf8.c_str()); }
  long PositionOfLine(long line) { return e_.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line); }
  void Insert(long pos, const char* utf8) {
    e_.SendScintilla(QsciScintilla::SCI_INSERTTEXT, pos, utf8);
    Relayout(pos);
  }
  void Delete(long pos, long len) {
    e_.SendScintilla(QsciScintilla::SCI_DELETERANGE, pos, len);
    Relayout(pos);
  }
  void Relayout(long pos) {
    const long line = e_.SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, pos);
    e_.SendScintilla(QsciScintilla::SCI_WRAPCOUNT, line);
  }
  void Undo(long pos) {
    e_.SendScintilla(QsciScintilla::SCI_UNDO);
    Relayout(pos);
  }
  void Redo(long pos) {
    e_.SendScintilla(QsciScintilla::SCI_REDO);
    Relayout(pos);
  }
  void EmptyUndo() { e_.SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER); }
  // Deletes the rectangle from column c0 of line l0 to column c1 of line l1.
  void DeleteBox(long l0, long c0, long l1, long c1) {
    const long a = e_.SendScintilla(QsciScintilla::SCI_FINDCOLUMN, l0, c0);
    const long b = e_.SendScintilla(QsciScintilla::SCI_FINDCOLUMN, l1, c1);
    e_.SendScintilla(QsciScintilla::SCI_SETSELECTIONMODE, QsciScintilla::SC_SEL_RECTANGLE);
    e_.SendScintilla(QsciScintilla::SCI_SETRECTANGULARSELECTIONANCHOR, a);
    e_.SendScintilla(QsciScintilla::SCI_SETRECTANGULARSELECTIONCARET, b);
    e_.SendScintilla(QsciScintilla::SCI_CLEAR);
    for (long l = l0; l <= l1; ++l) e_.SendScintilla(QsciScintilla::SCI_WRAPCOUNT, l);
  }
  void UndoBox(long l0, long l1) {
    e_.SendScintilla(QsciScintilla::SCI_UNDO);
    for (long l = l0; l <= l1; ++l) e_.SendScintilla(QsciScintilla::SCI_WRAPCOUNT, l);
  }

 private:
  QsciScintilla e_;
};

// QPlainTextEdit wrapping at the widget's width; every block's layout is
// forced by asking for its line count.
class PlainTextPeer {
 public:
  explicit PlainTextPeer(const QFont& font) {
    e_.setFont(font);
    e_.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    e_.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    e_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e_.document()->setDocumentMargin(0);
    const int w = QFontMetrics(font).horizontalAdvance(QLatin1Char('0')) * kWrap;
    e_.resize(w + 2 * e_.frameWidth() + 4, 600);
    e_.show();
  }
  void SetText(const QString& s) { e_.setPlainText(s); }
  int64_t DisplayLines() {
    int64_t total = 0;
    QAbstractTextDocumentLayout* layout = e_.document()->documentLayout();
    for (QTextBlock b = e_.document()->begin(); b.isValid(); b = b.next()) {
      layout->blockBoundingRect(b);
      total += b.layout()->lineCount();
    }
    return total;
  }
  QTextCursor CursorAtLine(int line) { return QTextCursor(e_.document()->findBlockByNumber(line)); }
  void Relayout(const QTextCursor& c) { e_.document()->documentLayout()->blockBoundingRect(c.block()); }
  QPlainTextEdit& Edit() { return e_; }

 private:
  QPlainTextEdit e_;
};

QFont BenchFont() {
  QFont f(QStringLiteral("IPAGothic"));
  f.setPixelSize(16);
  return f;
}

// ---------------------------------------------------------------- ours

double CpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

struct LoadResult {
  double seconds = 0;
  double cpuSeconds = 0;    // of this process alone, whatever else runs
  double memory_ratio = 0;  // peak growth over the text's UTF-16 size
  int64_t lines = 0;
};

// Loads the text in a child process, so that the peak memory is this job's alone.
LoadResult LoadInChild(size_t units) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const long base = StatusKB("VmRSS:");
    std::u16string text = MakeText(units);
    const double bytes = static_cast<double>(text.size()) * 2;
    ResetPeak();
    kelp::TNotePadString doc;
    doc.SetWrapByte(kWrap);
    const double t0 = NowSeconds();
    const double c0 = CpuSeconds();
    doc.SetText(std::move(text));  // the loader hands its text over
    LoadResult r;
    r.seconds = NowSeconds() - t0;
    r.cpuSeconds = CpuSeconds() - c0;
    r.memory_ratio = static_cast<double>(StatusKB("VmHWM:") - base) * 1024 / bytes;
    r.lines = doc.Count();
    if (write(fds[1], &r, sizeof r) != sizeof r) _exit(1);
    _exit(0);
  }
  close(fds[1]);
  LoadResult r;
  if (read(fds[0], &r, sizeof r) != sizeof r) r = {};
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return r;
}

void Ms(const char* name, double seconds, const std::string& peer, double peerSeconds, double limitMs) {
  Figure f{name, seconds * 1e3, "ms", peer, peerSeconds * 1e3, std::nullopt};
  if (limitMs > 0) f.target = Target{Target::kAtMost, limitMs, false};
  Report(f);
}

void Us(const char* name, double us, const std::string& peer, double peerUs, double limitUs) {
  Figure f{name, us, "us", peer, peerUs, std::nullopt};
  if (limitUs > 0) f.target = Target{Target::kAtMost, limitUs, false};
  Report(f);
}

struct PeerSet {
  std::string sciName, pteName;
  double scale = 1;  // how many times larger the whole text is than the peers' text
};

}  // namespace

KELP_BENCH(DocumentScale) {
  const size_t units = 50u << 20;  // 100 MiB of UTF-16
  kelp::ResetCharPixelWidths(std::make_shared<kelp::TFixedWidthMeasurer>(8, 16), 8);

  // Loading: SetText and the wrap of every line, time and peak memory.
  const LoadResult load = LoadInChild(units);

  const std::u16string text = MakeText(units);
  kelp::TNotePadString doc;
  doc.SetWrapByte(kWrap);
  doc.SetText(text);
  doc.ClearUndo();
  int64_t logical = 0;
  for (char16_t c : text) logical += c == u'\n';
  std::printf("# %lld logical lines, %lld display lines at %lld units, %.1f MB UTF-16\n",
              static_cast<long long>(logical), static_cast<long long>(load.lines),
              static_cast<long long>(kWrap), static_cast<double>(units) * 2 / 1e6);

  // The peers take minutes to lay out every line of the whole text; with
  // --quick they get its first sixteenth and their load time is scaled up.
  PeerSet peers;
  peers.scale = opts.quick ? 16 : 1;
  const size_t peerUnits = static_cast<size_t>(static_cast<double>(units) / peers.scale);
  const std::u16string peerText = text.substr(0, text.rfind(u'\n', peerUnits) + 1);
  int64_t peerLogical = 0;
  for (char16_t c : peerText) peerLogical += c == u'\n';
  const std::string suffix = opts.quick ? "(1/16_text)" : "";
  peers.sciName = "QScintilla" + suffix;
  peers.pteName = "QPlainTextEdit" + suffix;

  const QFont font = BenchFont();
  ScintillaPeer sci(font);
  const std::string utf8 = kelp::Utf16ToUtf8(peerText);
  const double sciLoad = kelp::bench::Seconds([&] {
    sci.SetText(utf8);
    sci.DisplayLines();
  });
  sci.EmptyUndo();
  PlainTextPeer pte(font);
  const QString q = QString::fromUtf16(peerText.data(), static_cast<qsizetype>(peerText.size()));
  const double pteLoad = kelp::bench::Seconds([&] {
    pte.SetText(q);
    pte.DisplayLines();
  });
  pte.Edit().document()->clearUndoRedoStacks();

  Ms("doc_settext_wrapall_100MB", load.seconds, peers.sciName + "_x" + std::to_string(int(peers.scale)),
     sciLoad * peers.scale, 1000);
  Ms("doc_settext_wrapall_100MB_vs_qplaintextedit", load.seconds,
     peers.pteName + "_x" + std::to_string(int(peers.scale)), pteLoad * peers.scale, 1000);
  Ms("doc_settext_wrapall_100MB_cpu", load.cpuSeconds, "", 0, 1000);
  {
    Figure f{"doc_settext_peak_memory", load.memory_ratio, "x_utf16_size", "", 0, std::nullopt};
    f.target = Target{Target::kAtMost, 2.5, false};
    Report(f);
  }

  // Keystrokes in the middle: one character, then Enter and Backspace there.
  const int64_t midLine = logical / 2;
  const int n = opts.quick ? 2000 : 10000;
  const kelp::TNativePoint mid = doc.LinesPosToWrapPos(3, midLine);
  doc.SetSelStartPos(mid);
  doc.SetSelEndPos(mid);
  const Latency key = Measure(n, [&](int) { doc.SetSelText(u"\u3042"); });
  std::vector<double> enterSamples, backSamples;
  for (int i = 0; i < n; ++i) {
    enterSamples.push_back(kelp::bench::Seconds([&] { doc.SetSelText(u"\n"); }) * 1e6);
    backSamples.push_back(kelp::bench::Seconds([&] { doc.InputBackKey(); }) * 1e6);
  }

  // QScintilla spends tens of milliseconds on every change of a wrapped
  // document this size, so it gets fewer samples.
  const int nPeer = opts.quick ? 50 : 1000;
  const long peerMidLine = static_cast<long>(peerLogical / 2);
  long sciPos = sci.PositionOfLine(peerMidLine) + 9;
  const Latency sciKey = Measure(nPeer, [&](int) {
    sci.Insert(sciPos, "\xE3\x81\x82");
    sciPos += 3;
  });
  std::vector<double> sciEnter, sciBack;
  for (int i = 0; i < nPeer; ++i) {
    sciEnter.push_back(kelp::bench::Seconds([&] { sci.Insert(sciPos, "\n"); }) * 1e6);
    sciBack.push_back(kelp::bench::Seconds([&] { sci.Delete(sciPos, 1); }) * 1e6);
  }
  QTextCursor c = pte.CursorAtLine(static_cast<int>(peerMidLine));
  c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
  const Latency pteKey = Measure(n, [&](int) {
    c.insertText(QStringLiteral("\u3042"));
    pte.Relayout(c);
  });
  std::vector<double> pteEnter, pteBack;
  for (int i = 0; i < n; ++i) {
    pteEnter.push_back(kelp::bench::Seconds([&] {
                         c.insertText(QStringLiteral("\n"));
                         pte.Relayout(c);
                       }) *
                       1e6);
    pteBack.push_back(kelp::bench::Seconds([&] {
                        c.deletePreviousChar();
                        pte.Relayout(c);
                      }) *
                      1e6);
  }
  auto q50 = [](std::vector<double> v) { return kelp::bench::Quantile(v, 0.5); };
  auto q99 = [](std::vector<double> v) { return kelp::bench::Quantile(v, 0.99); };
  Us("doc_keystroke_median", key.median_us, peers.sciName, sciKey.median_us, 20);
  Us("doc_keystroke_p99", key.p99_us, peers.sciName, sciKey.p99_us, 200);
  Us("doc_keystroke_median_vs_qplaintextedit", key.median_us, peers.pteName, pteKey.median_us, 20);
  Us("doc_enter_median", q50(enterSamples), peers.sciName, q50(sciEnter), 20);
  Us("doc_enter_p99", q99(enterSamples), peers.sciName, q99(sciEnter), 200);
  Us("doc_enter_median_vs_qplaintextedit", q50(enterSamples), peers.pteName, q50(pteEnter), 20);
  Us("doc_backspace_median", q50(backSamples), peers.sciName, q50(sciBack), 20);
  Us("doc_backspace_p99", q99(backSamples), peers.sciName, q99(sciBack), 200);
  Us("doc_backspace_median_vs_qplaintextedit", q50(backSamples), peers.pteName, q50(pteBack), 20);

  // Undo, then redo, of a 1 MB paste in the middle.
  const std::u16string paste = MakeText(1u << 19);  // 512 Ki units: 1 MiB
  doc.SetSelText(paste);
  const double undo = kelp::bench::Seconds([&] { doc.Undo(); });
  const double redo = kelp::bench::Seconds([&] { doc.Redo(); });
  const std::string pasteUtf8 = kelp::Utf16ToUtf8(paste);
  sci.Insert(sciPos, pasteUtf8.c_str());
  const double sciUndo = kelp::bench::Seconds([&] { sci.Undo(sciPos); });
  const double sciRedo = kelp::bench::Seconds([&] { sci.Redo(sciPos); });
  c.insertText(QString::fromUtf16(paste.data(), static_cast<qsizetype>(paste.size())));
  pte.Relayout(c);
  QTextDocument* qd = pte.Edit().document();
  const double pteUndo = kelp::bench::Seconds([&] {
    qd->undo(&c);
    pte.Relayout(c);
  });
  const double pteRedo = kelp::bench::Seconds([&] {
    qd->redo(&c);
    pte.Relayout(c);
  });
  Ms("doc_undo_1MB_paste", undo, peers.sciName, sciUndo, 50);
  Ms("doc_redo_1MB_paste", redo, peers.sciName, sciRedo, 50);
  Ms("doc_undo_1MB_paste_vs_qplaintextedit", undo, peers.pteName, pteUndo, 50);
  Ms("doc_redo_1MB_paste_vs_qplaintextedit", redo, peers.pteName, pteRedo, 50);

  // A box 5 columns wide over 10,000 lines: delete it, then undo.
  const int64_t boxTop = doc.LinesPosToWrapPos(0, midLine + 100).Y;
  const int64_t boxBottom = boxTop + 9999;
  const int64_t U = kelp::WidthUnit();
  doc.SetBoxMode(true);
  doc.SetSelStartPos({doc.FromCaretX(2 * U, boxTop), boxTop});
  doc.SetSelEndPos({doc.FromCaretX(7 * U, boxBottom), boxBottom});
  const std::u16string beforeBox = doc.GetText();
  const int64_t before = doc.TextLength();
  const double boxDelete = kelp::bench::Seconds([&] { doc.SetSelText(u""); });
  const int64_t removed = before - doc.TextLength();
  const double boxUndo = kelp::bench::Seconds([&] { doc.Undo(); });
  std::printf("# box: lines %lld to %lld, %lld units removed, %s after undo\n",
              static_cast<long long>(boxTop), static_cast<long long>(boxBottom),
              static_cast<long long>(removed), doc.GetText() == beforeBox ? "text restored" : "TEXT DIFFERS");
  doc.SetBoxMode(false);
  // The peer deletes one line of the box at a time, at tens of milliseconds
  // each; with --quick it gets 100 lines and its time is scaled to 10,000.
  const long peerBoxLines = opts.quick ? 100 : 10000;
  const double boxScale = 10000.0 / static_cast<double>(peerBoxLines);
  const long l0 = peerMidLine + 100;
  const double sciBoxDelete = kelp::bench::Seconds([&] { sci.DeleteBox(l0, 2, l0 + peerBoxLines - 1, 7); });
  const double sciBoxUndo = kelp::bench::Seconds([&] { sci.UndoBox(l0, l0 + peerBoxLines - 1); });
  char boxPeer[96];
  std::snprintf(boxPeer, sizeof boxPeer, "%s%s", peers.sciName.c_str(), opts.quick ? "_100_lines_x100" : "");
  Ms("doc_box_delete_10000_lines", boxDelete, boxPeer, sciBoxDelete * boxScale, 100);
  Ms("doc_box_undo_10000_lines", boxUndo, boxPeer, sciBoxUndo * boxScale, 100);
}
