// The editor view's caret, keys, mouse, clipboard commands and input method.

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QTextCharFormat>
#include <QUrl>
#include <algorithm>

#include "app/clipboard/clipboard_edit.h"
#include "app/clipboard/clipboard_text.h"
#include "app/view/input_method_bridge.h"
#include "app/view/key_repeat_timer.h"
#include "app/view/notepad.h"
#include "app/view/notepad_input_host.h"
#include "base/version.h"
#include "input/selection.h"
#include "input/word_select.h"
#include "view/line_parser.h"

namespace kelp {

namespace {

TShiftState ShiftOf(Qt::KeyboardModifiers m) {
  TShiftState s;
  s.Shift = m & Qt::ShiftModifier;
  s.Ctrl = m & Qt::ControlModifier;
  s.Alt = m & Qt::AltModifier;
  return s;
}

TEditKey EditKeyOf(int key, Qt::KeyboardModifiers m) {
  switch (key) {
    case Qt::Key_Left:
      return TEditKey::Left;
    case Qt::Key_Right:
      return TEditKey::Right;
    case Qt::Key_Up:
      return TEditKey::Up;
    case Qt::Key_Down:
      return TEditKey::Down;
    case Qt::Key_PageUp:
      return TEditKey::PageUp;
    case Qt::Key_PageDown:
      return TEditKey::PageDown;
    case Qt::Key_Home:
      return TEditKey::Home;
    case Qt::Key_End:
      return TEditKey::End;
    case Qt::Key_Insert:
      return TEditKey::Insert;
    case Qt::Key_Delete:
      return TEditKey::Delete;
    case Qt::Key_Clear:
      return TEditKey::Clear;
    case Qt::Key_5:
      return (m & Qt::KeypadModifier) ? TEditKey::Clear : TEditKey::Other;
    default:
      return TEditKey::Other;
  }
}

QColor ColorOf(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QString QStr(std::u16string_view s) {
  return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

// A key-down event as the key repeat compares them: the key, and its state
// (modifiers, and whether it is an auto-repeat) as the data.
constexpr uint32_t kAutoRepeatBit = 1;
TKeyMessage KeyMessageOf(const QKeyEvent& e) {
  return TKeyMessage{static_cast<uint32_t>(e.key()),
                     static_cast<uint32_t>(e.modifiers().toInt()) | (e.isAutoRepeat() ? kAutoRepeatBit : 0)};
}
Qt::KeyboardModifiers ModifiersOf(const TKeyMessage& m) {
  return Qt::KeyboardModifiers::fromInt(static_cast<int>(m.Data & ~kAutoRepeatBit));
}

// While selecting outside the view the selection goes on every so often: the
// keyboard's repeat rate, taken as milliseconds (at most 31).
int SelectScrollInterval() {
  return std::clamp(QGuiApplication::styleHints()->keyboardAutoRepeatRate(), 1, 31);
}

}  // namespace

TNotePad::~TNotePad() {
  ProcessKeyRepeat().Forget(*FInputHost);
  FStr->SetOnChanged(nullptr);
  FStr->SetOnNeedParse(nullptr);
  FStr->SetOnModified(nullptr);
}

void TNotePad::InitInput() {
  FInputHost = std::make_unique<TNotePadInputHost>(*this);
  FKeys = std::make_unique<TKeyHandler>(*FStr, *FInputHost);
  FMouse = std::make_unique<TMouseSelector>(*FStr, *FInputHost, *FKeys);
  FImeBridge = MakeQtInputMethodBridge();
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setMouseTracking(true);
  setAcceptDrops(true);
  FSelectScrollTimer.setInterval(SelectScrollInterval());
  connect(&FSelectScrollTimer, &QTimer::timeout, this, &TNotePad::SelectScrollStep);
  FDragScrollTimer.setInterval(50);
  connect(&FDragScrollTimer, &QTimer::timeout, this, [this] {
    if (DragScrollStep(InputGeometry(), FDragPoint.y(), viewport()->height()) != 0) DragOver(FDragPoint);
  });
}

void TNotePad::SetInputMethodBridge(std::unique_ptr<TInputMethodBridge> bridge) {
  FImeBridge = bridge ? std::move(bridge) : MakeQtInputMethodBridge();
}

bool TNotePad::KeyRepeatAcceled() { return ProcessKeyRepeat().Enabled(); }
void TNotePad::SetKeyRepeatAcceled(bool Value) { ProcessKeyRepeat().SetEnabled(Value); }

TViewGeometry TNotePad::InputGeometry() const {
  TViewGeometry g;
  g.LeftBarWidth = FLeftBarWidth;
  g.LineHeight = FLineHeight;
  g.ShowRuler = FShowRuler;
  g.FirstVisibleLine = FFirstVisibleLine;
  g.FirstVisiblePix = FFirstVisiblePix;
  g.LineMargin = FOptions.LineMargin;
  g.Ascent = FAscent;
  g.Descent = FDescent;
  g.Unit = FFontWidth;
  return g;
}

namespace {
// Words and links as the view's word and link tokenizer finds them.
const TWordTokenizer& LineWords() {
  static const TWordTokenizer t = [](std::u16string_view line, int64_t position) {
    TLineParser p(line, position);
    return TLineToken{p.Start(), p.Length(), p.Previous(), p.GetCanJump()};
  };
  return t;
}
}  // namespace

TWordInfo TNotePad::WordAt(int64_t X, int64_t Y) { return kelp::WordAt(*FStr, LineWords(), X, Y); }

void TNotePad::SelectWord(int64_t X, int64_t Y) {
  FColKeeping = -1;
  kelp::SelectWord(*FStr, LineWords(), X, Y);
}

void TNotePad::SelectWordFromCaret() {
  FColKeeping = -1;
  kelp::SelectWordFromCaret(*FStr, LineWords());
}

std::u16string TNotePad::GetWordFromCaret() { return kelp::GetWordFromCaret(*FStr, LineWords()); }

void TNotePad::CompleteFocusStart() {
  if (FCompleting) return;
  FCompleting = true;
  UpdateCaret();
  viewport()->update();
}

void TNotePad::CompleteFocusCancel() {
  if (!FCompleting) return;
  FCompleting = false;
  UpdateCaret();
  viewport()->update();
}

bool TNotePad::JumpOrSelectWord(int64_t X) { return FMouse->JumpOrSelectWord(X); }

TNativePoint TNotePad::CompletePoint() { return kelp::CompletePoint(*FStr, InputGeometry()); }

void TNotePad::OpenJumpTarget(const std::u16string& target) {
  const QString t = QStr(target);
  const QFileInfo fi(t);
  QDesktopServices::openUrl(fi.exists() ? QUrl::fromLocalFile(fi.absoluteFilePath())
                                        : QUrl::fromUserInput(t));
}

// ------------------------------------------------------------------ caret

void TNotePad::UpdateCaret() {
  if (!FKeys) return;
  // While something is dragged over the view a thin grey caret shows where it would drop.
  const TCaretPlace c = CaretClientPlace(*FStr, InputGeometry(), FDraging ? FDragCaret : FStr->SelEndPos());
  const QRect old = CaretRect();
  FCaretRect = QRect(static_cast<int>(c.X), static_cast<int>(c.Y), FDraging ? 1 : 2,
                     static_cast<int>(FAscent + FDescent));
  FCaretHided = !c.Visible;
  if (!old.isNull()) InvalidateRect(old.adjusted(-1, 0, 1, 0));
  if (!FCaretHided) {
    QRect r = FCaretRect.adjusted(-1, 0, 1, 0);
    if (!FPreedit.isEmpty()) r.setRight(viewport()->width());
    InvalidateRect(r);
  }
  if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImQueryAll);
}

void TNotePad::PaintCaretAndPreedit(QPainter& p) {
  if (FCaretHided) return;
  if (FDraging) {
    p.fillRect(FCaretRect, QBrush(ColorOf(FOptions.ColorFore), Qt::Dense4Pattern));
    return;
  }
  if (!hasFocus() && !FCompleting) return;
  int x = FCaretRect.x();
  const int top = FCaretRect.y();
  if (!FPreedit.isEmpty()) {
    const QFontMetrics fm(FFont);
    const int w = fm.horizontalAdvance(FPreedit);
    p.fillRect(QRect(x, top, w, FCaretRect.height()), ColorOf(FOptions.ColorBack));
    p.setFont(FFont);
    p.setPen(ColorOf(FOptions.ColorFore));
    const int base = top + static_cast<int>(FAscent);
    p.drawText(x, base, FPreedit);
    p.drawLine(x, base + 2, x + w, base + 2);
    x += fm.horizontalAdvance(FPreedit.left(std::clamp<int>(FPreeditCursor, 0, int(FPreedit.size()))));
  }
  p.fillRect(QRect(x, top, 2, FCaretRect.height()), ColorOf(FOptions.ColorFore));
}

// ------------------------------------------------------------------ clipboard

void TNotePad::Copy() { ClipboardCopy(*FStr); }
void TNotePad::Cut() {
  FColKeeping = -1;
  ClipboardCut(*FStr);
}
void TNotePad::Paste() {
  FColKeeping = -1;
  ClipboardPaste(*FStr);
}
bool TNotePad::CanPaste() const { return kelp::CanPaste(); }

// ------------------------------------------------------------------ keys

void TNotePad::keyPressEvent(QKeyEvent* event) {
  EndPanning();
  FKeys->SetKeepCol(FOptions.KeepCol);
  FKeys->SetAutoIndent(FOptions.AutoIndent);
  const Qt::KeyboardModifiers m = event->modifiers();
  if (event->matches(QKeySequence::Copy)) return Copy();
  if (event->matches(QKeySequence::Cut)) return Cut();
  if (event->matches(QKeySequence::Paste)) return Paste();
  if (event->matches(QKeySequence::SelectAll)) return SelectAll();
  if (event->matches(QKeySequence::Undo)) return Undo();
  if (event->matches(QKeySequence::Redo)) return Redo();
  // The key itself, through the accelerated repeat when it is switched on.
  ProcessKeyRepeat().KeyDown(KeyMessageOf(*event), *FInputHost);
  event->accept();
  // Keys of the key table carry no character; nor does a timed repeat.
  if (EditKeyOf(event->key(), m) != TEditKey::Other || FResendingKey) return;
  if (!InputKeyChar(*event)) QAbstractScrollArea::keyPressEvent(event);
}

void TNotePad::InputKey(QKeyEvent* event) { keyPressEvent(event); }

bool TNotePad::InputKeyChar(const QKeyEvent& event) {
  const TShiftState s = ShiftOf(event.modifiers());
  char16_t c = 0;
  switch (event.key()) {
    case Qt::Key_Backspace:
      c = kCharBackspace;
      break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      c = kCharTab;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      c = kCharEnter;
      break;
    default:
      break;
  }
  if (c != 0) {
    TShiftState cs = s;
    if (event.key() == Qt::Key_Backtab) cs.Shift = true;
    if (FKeys->InputChar(c, cs)) return true;
  }
  const QString text = event.text();
  if (text.isEmpty() || s.Ctrl || !text.at(0).isPrint()) return false;
  for (QChar ch : text) FKeys->InputChar(ch.unicode(), s);
  return true;
}

void TNotePad::HandleKeyMessage(const TKeyMessage& msg) {
  const Qt::KeyboardModifiers m = ModifiersOf(msg);
  const TEditKey k = EditKeyOf(static_cast<int>(msg.Key), m);
  if (k != TEditKey::Other) FKeys->HandleKeyDown(k, ShiftOf(m));
}

void TNotePad::ResendKey(const TKeyMessage& msg) {
  QKeyEvent ev(QEvent::KeyPress, static_cast<int>(msg.Key), ModifiersOf(msg), QString(),
               (msg.Data & kAutoRepeatBit) != 0);
  FResendingKey = true;
  QCoreApplication::sendEvent(this, &ev);
  FResendingKey = false;
}

void TNotePad::keyReleaseEvent(QKeyEvent* event) {
  // The window system's auto-repeat sends releases between its repeats.
  if (!event->isAutoRepeat()) ProcessKeyRepeat().KeyUp();
  QAbstractScrollArea::keyReleaseEvent(event);
}

bool TNotePad::focusNextPrevChild(bool) { return false; }

void TNotePad::focusInEvent(QFocusEvent* event) {
  ProcessKeyRepeat().FocusIn();
  QAbstractScrollArea::focusInEvent(event);
  UpdateCaret();
}

// ------------------------------------------------------------------ mouse

void TNotePad::LeftPress(QMouseEvent* event) {
  const QPoint pt = event->position().toPoint();
  FLeftCaptured = true;
  FLastMouse = pt;
  FSelectScrollTimer.start();
  FMouse->Press(pt.x(), pt.y(), ShiftOf(event->modifiers()));
}

void TNotePad::SelectScrollStep() {
  if (!FLeftCaptured || !hasFocus()) {
    FSelectScrollTimer.stop();
    return;
  }
  if (!SelectScrollWanted(ScrollState(), FLastMouse.x(), FLastMouse.y(), viewport()->width(),
                          viewport()->height()))
    return;
  // The move handling takes the selection to the row or column outside, and
  // keeping the caret in view scrolls.
  FMouse->Move(FLastMouse.x(), FLastMouse.y(), true);
}

void TNotePad::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pt = event->position().toPoint();
  const bool captured = FLeftCaptured && (event->buttons() & Qt::LeftButton);
  if (captured) FLastMouse = pt;
  const TMouseCursor c = FMouse->Move(pt.x(), pt.y(), captured);
  if (!Panning()) {
    switch (c) {
      case TMouseCursor::Arrow:
        viewport()->setCursor(Qt::ArrowCursor);
        break;
      case TMouseCursor::IBeam:
        viewport()->setCursor(Qt::IBeamCursor);
        break;
      case TMouseCursor::HSplit:
        viewport()->setCursor(Qt::SplitHCursor);
        break;
      case TMouseCursor::Default:
        viewport()->unsetCursor();
        break;
    }
  }
  event->accept();
}

void TNotePad::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint pt = event->position().toPoint();
    FLeftCaptured = false;
    FSelectScrollTimer.stop();
    FMouse->Release(pt.x(), pt.y());
  }
  event->accept();
}

void TNotePad::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint pt = event->position().toPoint();
    FMouse->DoubleClick(pt.x(), pt.y(), ShiftOf(event->modifiers()));
  }
  event->accept();
}

// ------------------------------------------------------------------ input method

void TNotePad::InsertTyped(char16_t c) { FKeys->InputChar(c, TShiftState{}); }

void TNotePad::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (event->replacementLength() > 0 && !commit.isEmpty()) {
    // A replacement relative to the caret: select what it replaces.
    const int64_t caret = FStr->SelEnd();
    const int64_t from = std::max<int64_t>(0, caret + event->replacementStart());
    Select(from, event->replacementLength());
  }
  // Committed text goes in as typed, one character at a time.
  for (QChar ch : commit) FStr->SetSelText(std::u16string(1, ch.unicode()));
  FPreedit = event->preeditString();
  FPreeditCursor = static_cast<int>(FPreedit.size());
  for (const QInputMethodEvent::Attribute& a : event->attributes())
    if (a.type == QInputMethodEvent::Cursor) FPreeditCursor = a.start;
  UpdateCaret();
  viewport()->update();
  event->accept();
}

bool TNotePad::Reconvert() {
  if (!SelectedWithoutCRLF() || !FImeBridge->CanReconvert()) return false;
  // The caret goes to the start, where the replacement commit will begin.
  const bool turned = FStr->SelEnd() > FStr->SelStart();
  PrepareReconvert(*FStr);
  if (turned) viewport()->repaint();
  FImeBridge->Reconvert(this, QStr(FStr->SelText()));
  return true;
}

void TNotePad::ImeRegWord() {
  if (FStr->SelStart() == FStr->SelEnd() || BoxSelected()) return;
  const QString word = QStr(FStr->SelText());
  if (FImeBridge->CanRegisterWord()) return FImeBridge->RegisterWord(this, word, QString());
  QMessageBox::information(this, QString::fromUtf16(kAppTitle),
                           QStringLiteral("この入力メソッドには単語登録の機能がありません。"));
}

QVariant TNotePad::inputMethodQuery(Qt::InputMethodQuery query) const {
  // Reading positions and text may gather the document's buffer; the text stays as it is.
  TNotePadString& d = *FStr;
  switch (query) {
    case Qt::ImEnabled:
      return true;
    case Qt::ImCursorRectangle: {
      const TCaretPlace c = CaretClientPlace(d, InputGeometry(), d.SelEndPos());
      QRect r(static_cast<int>(c.X), static_cast<int>(c.Y), static_cast<int>(FFontWidth),
              static_cast<int>(FAscent + FDescent));
      return r.translated(viewport()->pos());
    }
    case Qt::ImFont:
      return FFont;
    case Qt::ImSurroundingText:
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition: {
      // The caret's logical line (rows joined by wraps); positions count from its start.
      TLineList& lines = d.InternalLines();
      const int64_t y = std::clamp<int64_t>(d.SelEndPos().Y, 0, d.Count() - 1);
      int64_t first = y, last = y;
      while (first > 0 && lines.LineEndOf(first - 1) == leWrap) --first;
      while (last < d.Count() - 1 && lines.LineEndOf(last) == leWrap) ++last;
      const int64_t start = lines.StartOf(first);
      const int64_t end = lines.StartOf(last) + lines.LengthOf(last);
      if (query == Qt::ImSurroundingText) return QStr(d.GetString(start, end - start));
      const int64_t at = query == Qt::ImCursorPosition ? d.SelEnd() : d.SelStart();
      return static_cast<int>(std::clamp<int64_t>(at - start, 0, end - start));
    }
    case Qt::ImCurrentSelection:
      return QStr(d.SelText());
    default:
      break;
  }
  return QAbstractScrollArea::inputMethodQuery(query);
}

}  // namespace kelp
