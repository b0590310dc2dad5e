// Keys, mouse, clipboard and input method of the editor view, driven through
// the widget's own events.

#include <QClipboard>
#include <QDrag>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <vector>

#include "app/clipboard/clipboard_text.h"
#include "app/view/input_method_bridge.h"
#include "app/view/key_repeat_timer.h"
#include "app/view/wnotepad.h"

using namespace kelp;

namespace {

struct TKeyPress {
  int Key;
  Qt::KeyboardModifiers Mods = Qt::NoModifier;
  QString Text = {};
};

struct TExpect {
  TNativePoint Anchor;
  TNativePoint Caret;
  bool Box = false;
  QString Text;  // with LF line ends
};

QString Q(std::u16string_view s) { return QString::fromStdU16String(std::u16string(s)); }

std::u16string Rows(int n, std::u16string_view row = u"row") {
  std::u16string t;
  for (int i = 0; i < n; ++i) (t += row) += u'\n';
  return t;
}

// An input method that records what the view hands it.
struct TFakeInputMethod : TInputMethodBridge {
  bool CanReconvertNow = true;
  bool CanRegister = true;
  QStringList Reconverted, Registered;
  bool CanReconvert() const override { return CanReconvertNow; }
  void Reconvert(QWidget*, const QString& text) override { Reconverted << text; }
  bool CanRegisterWord() const override { return CanRegister; }
  void RegisterWord(QWidget*, const QString& word, const QString& reading) override {
    Registered << word + u'|' + reading;
  }
};

// A view that records what it would hand to the desktop, and whose drag
// loop is played by the test: it drops on a view (or nowhere) and answers the
// action the target would.
class TRecordingView : public TwNotePad {
 public:
  std::function<Qt::DropAction(QDrag&)> Loop;
  QStringList Dragged;
  QStringList Opened;

 protected:
  Qt::DropAction ExecDrag(QDrag& drag) override {
    Dragged << drag.mimeData()->text();
    return Loop ? Loop(drag) : Qt::IgnoreAction;
  }
  void OpenJumpTarget(const std::u16string& target) override { Opened << Q(target); }
};

}  // namespace

Q_DECLARE_METATYPE(TKeyPress)
Q_DECLARE_METATYPE(TExpect)

class NotePadInputTest : public QObject {
  Q_OBJECT

  template <class View = TwNotePad>
  std::unique_ptr<View> Make(std::u16string_view text, int64_t start, int64_t len) {
    auto v = std::make_unique<View>();
    v->resize(640, 400);
    v->show();
    if (!QTest::qWaitForWindowExposed(v.get())) qWarning("not exposed");
    v->activateWindow();
    v->setFocus();
    v->LoadFromString(text);
    v->Select(start, len);
    return v;
  }

  static void Check(TNotePad& v, const TExpect& e) {
    TNotePadString& d = v.NotePadString();
    QCOMPARE(d.SelStartPos().X, e.Anchor.X);
    QCOMPARE(d.SelStartPos().Y, e.Anchor.Y);
    QCOMPARE(d.SelEndPos().X, e.Caret.X);
    QCOMPARE(d.SelEndPos().Y, e.Caret.Y);
    QCOMPARE(v.BoxSelectMode(), e.Box);
    QCOMPARE(Q(v.GetTextLF()), e.Text);
  }

  // Client point of column col (in width units) on display row r.
  static QPoint Cell(TNotePad& v, int64_t col, int64_t r) {
    return QPoint(static_cast<int>(v.TextX(col * v.FontWidth()) + 1),
                  static_cast<int>(v.RowTop(r) + v.LineHeight() / 2));
  }

  static void SendKey(QWidget* w, QEvent::Type t, int key, bool autoRepeat,
                      Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent ev(t, key, mods, QString(), autoRepeat);
    QApplication::sendEvent(w, &ev);
  }

  static void SendMouse(TNotePad& v, QEvent::Type t, QPoint p, Qt::MouseButtons held,
                        Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* vp = v.viewport();
    const Qt::MouseButton b = t == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ev(t, QPointF(p), QPointF(vp->mapToGlobal(p)), b, held, mods);
    QApplication::sendEvent(vp, &ev);
  }

  // Enter, move and drop at p; answers whether the drop was taken.
  static bool Drop(TNotePad& v, const QMimeData* data, QPoint p,
                   Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* vp = v.viewport();
    const Qt::DropActions acts = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(p, acts, data, Qt::LeftButton, mods);
    QApplication::sendEvent(vp, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(p, acts, data, Qt::LeftButton, mods);
    QApplication::sendEvent(vp, &move);
    if (!move.isAccepted()) return false;
    QDropEvent drop(QPointF(p), acts, data, Qt::LeftButton, mods);
    QApplication::sendEvent(vp, &drop);
    return drop.isAccepted();
  }

 private slots:
  void keysAndTyping_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("len");
    QTest::addColumn<int>("autoIndent");
    QTest::addColumn<std::vector<TKeyPress>>("keys");
    QTest::addColumn<TExpect>("expect");
    const auto S = Qt::ShiftModifier;
    const auto SA = Qt::ShiftModifier | Qt::AltModifier;
    QTest::newRow("right") << "abc\ndef" << 0 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Right}}
                           << TExpect{{1, 0}, {1, 0}, false, "abc\ndef"};
    QTest::newRow("right at a line end")
        << "abc\ndef" << 3 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Right}}
        << TExpect{{0, 1}, {0, 1}, false, "abc\ndef"};
    QTest::newRow("shift+right twice")
        << "abc\ndef" << 0 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Right, S}, {Qt::Key_Right, S}}
        << TExpect{{0, 0}, {2, 0}, false, "abc\ndef"};
    QTest::newRow("down keeps the column")
        << "abc\ndef" << 2 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Down}}
        << TExpect{{2, 1}, {2, 1}, false, "abc\ndef"};
    QTest::newRow("shift+alt makes a box")
        << "abc\ndef\nghi" << 1 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Down, SA}, {Qt::Key_Right, SA}}
        << TExpect{{1, 0}, {2, 1}, true, "abc\ndef\nghi"};
    QTest::newRow("typing") << "abc" << 1 << 0 << 1
                            << std::vector<TKeyPress>{{Qt::Key_X, {}, "x"}, {Qt::Key_Y, {}, "y"}}
                            << TExpect{{3, 0}, {3, 0}, false, "axybc"};
    QTest::newRow("typing replaces the selection")
        << "abcd" << 1 << 2 << 1 << std::vector<TKeyPress>{{Qt::Key_Z, {}, "z"}}
        << TExpect{{2, 0}, {2, 0}, false, "azd"};
    QTest::newRow("backspace") << "abc" << 3 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Backspace}}
                               << TExpect{{2, 0}, {2, 0}, false, "ab"};
    QTest::newRow("delete") << "abc" << 0 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Delete}}
                            << TExpect{{0, 0}, {0, 0}, false, "bc"};
    QTest::newRow("enter, auto indent 1") << "  ab" << 4 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Return}}
                                          << TExpect{{2, 1}, {2, 1}, false, "  ab\n  "};
    QTest::newRow("shift+enter, auto indent 1")
        << "  ab" << 4 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Return, S}}
        << TExpect{{0, 1}, {0, 1}, false, "  ab\n"};
    QTest::newRow("enter, auto indent 0") << "  ab" << 4 << 0 << 0 << std::vector<TKeyPress>{{Qt::Key_Return}}
                                          << TExpect{{0, 1}, {0, 1}, false, "  ab\n"};
    QTest::newRow("shift+enter, auto indent 0")
        << "  ab" << 4 << 0 << 0 << std::vector<TKeyPress>{{Qt::Key_Return, S}}
        << TExpect{{2, 1}, {2, 1}, false, "  ab\n  "};
    QTest::newRow("ctrl+right to the word end")
        << "foo bar" << 0 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Right, Qt::ControlModifier}}
        << TExpect{{3, 0}, {3, 0}, false, "foo bar"};
    QTest::newRow("ctrl+right at a word end moves on")
        << "foo bar" << 0 << 0 << 1
        << std::vector<TKeyPress>{{Qt::Key_Right, Qt::ControlModifier}, {Qt::Key_Right, Qt::ControlModifier}}
        << TExpect{{4, 0}, {4, 0}, false, "foo bar"};
    QTest::newRow("ctrl+left to the word start")
        << "foo bar" << 6 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Left, Qt::ControlModifier}}
        << TExpect{{4, 0}, {4, 0}, false, "foo bar"};
    QTest::newRow("shift+alt+down on the last row does nothing")
        << "ab\ncd" << 4 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Down, SA}}
        << TExpect{{1, 1}, {1, 1}, false, "ab\ncd"};
    QTest::newRow("a plain move after shift+alt ends the box")
        << "abc\ndef" << 0 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Right, SA}, {Qt::Key_Left}}
        << TExpect{{0, 0}, {0, 0}, false, "abc\ndef"};
    QTest::newRow("shift+down on the last row")
        << "ab\ncd" << 4 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Down, S}}
        << TExpect{{1, 1}, {2, 1}, false, "ab\ncd"};
    QTest::newRow("tab on a block") << "a\nb\nc" << 0 << 4 << 1 << std::vector<TKeyPress>{{Qt::Key_Tab}}
                                    << TExpect{{0, 0}, {0, 2}, false, "\ta\n\tb\nc"};
    QTest::newRow("shift+tab on a block")
        << "\ta\n\tb\nc" << 0 << 6 << 1 << std::vector<TKeyPress>{{Qt::Key_Backtab, S}}
        << TExpect{{0, 0}, {0, 2}, false, "a\nb\nc"};
    QTest::newRow("tab on a caret") << "ab" << 1 << 0 << 1 << std::vector<TKeyPress>{{Qt::Key_Tab}}
                                    << TExpect{{2, 0}, {2, 0}, false, "a\tb"};
  }

  void keysAndTyping() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, len);
    QFETCH(int, autoIndent);
    QFETCH(std::vector<TKeyPress>, keys);
    QFETCH(TExpect, expect);
    auto v = Make(text.toStdU16String(), start, len);
    TNotePadOptions o = v->Options();
    o.AutoIndent = autoIndent;
    v->SetOptions(o);
    for (const TKeyPress& k : keys) {
      QKeyEvent ev(QEvent::KeyPress, k.Key, k.Mods, k.Text);
      QApplication::sendEvent(v.get(), &ev);
    }
    Check(*v, expect);
  }

  void wrapEndsAndRowsAboveTheView() {
    {  // Right at a wrap end goes to the next row's start at the same offset, then on.
      auto v = Make(u"", 0, 0);
      v->SetWordWrap(wwCount);
      v->SetWordWrapCount(20);
      v->LoadFromString(u"abcdefghijklmnopqrstuvwxyz0123");
      QTRY_COMPARE(v->NotePadString().Items(0).LineEnd, leWrap);  // wrapped when painted
      QTest::keyClick(v.get(), Qt::Key_End);
      Check(*v, {{20, 0}, {20, 0}, false, "abcdefghijklmnopqrstuvwxyz0123"});
      QTest::keyClick(v.get(), Qt::Key_Right);
      Check(*v, {{0, 1}, {0, 1}, false, "abcdefghijklmnopqrstuvwxyz0123"});
      QCOMPARE(v->SelectionStart(), 20);
      QTest::keyClick(v.get(), Qt::Key_Right);
      QCOMPARE(v->SelectionStart(), 21);
      QCOMPARE(v->CaretLineWraped(), 1);
    }
    {  // Down from a row scrolled off the top lands on the third visible row.
      const std::u16string text = Rows(100);
      auto v = Make(text, 0, 0);
      v->VScroll(scThumb, 50);
      QCOMPARE(v->FirstVisibleLine(), 50);
      QTest::keyClick(v.get(), Qt::Key_Down);
      Check(*v, {{0, 52}, {0, 52}, false, Q(text)});
    }
  }

  void verticalMovesKeepTheColumn_data() {
    QTest::addColumn<bool>("keepCol");
    QTest::addColumn<int>("column");
    QTest::newRow("KeepCol on") << true << 30;
    QTest::newRow("KeepCol off") << false << 5;
  }
  void verticalMovesKeepTheColumn() {
    QFETCH(bool, keepCol);
    QFETCH(int, column);
    const std::u16string longRow(40, u'x');
    const std::u16string text = longRow + u"\nshort\n" + longRow;
    auto v = Make(text, 30, 0);
    TNotePadOptions o = v->Options();
    o.KeepCol = keepCol;
    v->SetOptions(o);
    QTest::keyClick(v.get(), Qt::Key_Down);
    Check(*v, {{5, 1}, {5, 1}, false, Q(text)});
    QTest::keyClick(v.get(), Qt::Key_Down);
    Check(*v, {{column, 2}, {column, 2}, false, Q(text)});
    // Any other move forgets the column.
    QTest::keyClick(v.get(), Qt::Key_Left);
    QTest::keyClick(v.get(), Qt::Key_Up);
    QTest::keyClick(v.get(), Qt::Key_Up);
    QCOMPARE(v->NotePadString().SelEndPos().X, keepCol ? column - 1 : 4);
  }

  void acceleratedKeyRepeat() {
    const std::u16string text = Rows(400);
    auto v = Make(text, 0, 0);
    QTRY_VERIFY(v->hasFocus());
    const TQtOneShotTimer& timer = ProcessKeyRepeatTimer();
    auto row = [&] { return v->CaretLineWraped(); };
    TNotePad::SetKeyRepeatAcceled(true);
    // The press and the system's first repeat go through; its second starts the view's own repeat.
    SendKey(v.get(), QEvent::KeyPress, Qt::Key_Down, false);
    SendKey(v.get(), QEvent::KeyPress, Qt::Key_Down, true);
    QVERIFY(!timer.Active());
    SendKey(v.get(), QEvent::KeyPress, Qt::Key_Down, true);
    QCOMPARE(row(), 3);
    QVERIFY(timer.Active());
    QCOMPARE(timer.Interval(), 20);
    // A system repeat while a timed one is pending is dropped.
    SendKey(v.get(), QEvent::KeyPress, Qt::Key_Down, true);
    QCOMPARE(row(), 3);
    // The view repeats by itself, faster as it goes.
    QTRY_VERIFY(row() >= 20);
    QVERIFY(timer.Interval() < 20);
    // Releasing the key stops it at once.
    SendKey(v.get(), QEvent::KeyRelease, Qt::Key_Down, false);
    QVERIFY(!timer.Active());
    const int64_t stopped = row();
    QTest::qWait(60);
    QCOMPARE(row(), stopped);

    // Switched off, every system repeat moves once and nothing more.
    TNotePad::SetKeyRepeatAcceled(false);
    for (bool rep : {false, true, true, true}) SendKey(v.get(), QEvent::KeyPress, Qt::Key_Up, rep);
    QCOMPARE(row(), stopped - 4);
    QVERIFY(!timer.Active());
    SendKey(v.get(), QEvent::KeyRelease, Qt::Key_Up, false);

    // Characters repeat as the system sends them, never from the timer.
    TNotePad::SetKeyRepeatAcceled(true);
    auto w = Make(u"", 0, 0);
    for (bool rep : {false, true, true}) {
      QKeyEvent ev(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), rep);
      QApplication::sendEvent(w.get(), &ev);
    }
    QTest::qWait(60);
    QCOMPARE(Q(w->Text()), QString("aaa"));
    SendKey(w.get(), QEvent::KeyRelease, Qt::Key_A, false);
    TNotePad::SetKeyRepeatAcceled(false);
  }

  void editControlQueriesByName() {
    auto v = Make(u"abc", 3, 0);
    QCOMPARE(v->property("canUndo").toBool(), false);
    QCOMPARE(v->property("firstVisibleLine").toLongLong(), 0);
    bool did = true;
    QVERIFY(QMetaObject::invokeMethod(v.get(), "undo", Q_RETURN_ARG(bool, did)));
    QVERIFY(!did);
    QTest::keyClicks(v.get(), "d");
    QVERIFY(v->property("canUndo").toBool());
    QVERIFY(QMetaObject::invokeMethod(v.get(), "undo", Q_RETURN_ARG(bool, did)));
    QVERIFY(did);
    QCOMPARE(Q(v->Text()), QString("abc"));
    QVERIFY(v->property("canRedo").toBool());
    QVERIFY(QMetaObject::invokeMethod(v.get(), "redo", Q_RETURN_ARG(bool, did)));
    QVERIFY(did);
    QCOMPARE(Q(v->Text()), QString("abcd"));
    QVERIFY(QMetaObject::invokeMethod(v.get(), "emptyUndoBuffer"));
    QVERIFY(!v->property("canUndo").toBool());
    ClipboardSetText(u"x", false);
    QVERIFY(v->property("canPaste").toBool());
  }

  void completionKeepsTheCaretAndTakesForwardedKeys() {
    auto v = Make(u"foo bar", 5, 0);
    QLineEdit list;  // stands in for the completion list, which takes the focus
    list.show();
    list.setFocus();
    QTRY_VERIFY(!v->hasFocus());
    auto caretInk = [&] {
      const QRect c = v->CaretRect();
      const QImage img = v->viewport()->grab().toImage();
      return c.isValid() && (img.pixel(c.x(), c.center().y()) & 0xFFFFFF) == 0;
    };
    QVERIFY(!caretInk());
    v->CompleteFocusStart();
    QVERIFY(v->Completing());
    QVERIFY(caretInk());
    // Keys the list does not use go on to the view.
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    v->InputKey(&right);
    QKeyEvent z(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"));
    QVERIFY(v->InputKeyChar(z));
    QCOMPARE(Q(v->Text()), QString("foo bazr"));
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QVERIFY(!v->InputKeyChar(f1));
    // The word at the anchor, and selecting it.
    QCOMPARE(Q(v->GetWordFromCaret()), QString("bazr"));
    v->SelectWordFromCaret();
    QCOMPARE(Q(v->SelectedText()), QString("bazr"));
    v->SelectWord(1, 0);
    QCOMPARE(Q(v->SelectedText()), QString("foo"));
    v->CompleteFocusCancel();
    QVERIFY(!caretInk());
  }

  void typedTextUndoes() {
    auto v = Make(u"abc", 3, 0);
    QTest::keyClicks(v.get(), "xyz");
    QCOMPARE(Q(v->Text()), QString("abcxyz"));
    QTest::keyClick(v.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(Q(v->Text()) != QString("abcxyz"));
    while (v->CanUndo()) v->Undo();
    QCOMPARE(Q(v->Text()), QString("abc"));
  }

  void caretIsDrawnTwoPixelsWide() {
    auto v = Make(u"abc\ndef", 5, 0);
    QTRY_VERIFY(v->hasFocus());
    const QRect c = v->CaretRect();
    QCOMPARE(c.width(), 2);
    QCOMPARE(c.x(), static_cast<int>(v->TextX(v->FontWidth())));
    QCOMPARE(c.y(), static_cast<int>(v->RowTop(1) + v->Options().LineMargin / 2));
    QCOMPARE(c.height(), static_cast<int>(v->Ascent() + v->Descent()));
    const QImage img = v->viewport()->grab().toImage();
    const int mid = c.y() + c.height() / 2;
    QCOMPARE(img.pixel(c.x(), mid) & 0xFFFFFF, 0u);
    QCOMPARE(img.pixel(c.x() + 1, mid) & 0xFFFFFF, 0u);
    // Moving the caret moves the picture with it.
    QTest::keyClick(v.get(), Qt::Key_Right);
    QCOMPARE(v->CaretRect().x(), c.x() + static_cast<int>(v->FontWidth()));
  }

  void mouse() {
    std::u16string twelve;
    for (int i = 0; i < 12; ++i) twelve += u"row\n";
    {  // A click places the caret; Shift extends; release does not move it.
      auto v = Make(u"abcd\nefgh\nijkl", 0, 0);
      SendMouse(*v, QEvent::MouseButtonPress, Cell(*v, 1, 0), Qt::LeftButton);
      SendMouse(*v, QEvent::MouseButtonRelease, Cell(*v, 1, 0), Qt::NoButton);
      Check(*v, {{1, 0}, {1, 0}, false, "abcd\nefgh\nijkl"});
      SendMouse(*v, QEvent::MouseButtonPress, Cell(*v, 3, 1), Qt::LeftButton, Qt::ShiftModifier);
      SendMouse(*v, QEvent::MouseButtonRelease, Cell(*v, 3, 1), Qt::NoButton, Qt::ShiftModifier);
      Check(*v, {{1, 0}, {3, 1}, false, "abcd\nefgh\nijkl"});
      QCOMPARE(Q(v->SelectedText()), QString("bcd\nefg"));
    }
    {  // Alt and a drag make a box.
      auto v = Make(u"abcd\nefgh\nijkl", 0, 0);
      SendMouse(*v, QEvent::MouseButtonPress, Cell(*v, 1, 0), Qt::LeftButton, Qt::AltModifier);
      SendMouse(*v, QEvent::MouseMove, Cell(*v, 3, 2), Qt::LeftButton, Qt::AltModifier);
      SendMouse(*v, QEvent::MouseButtonRelease, Cell(*v, 3, 2), Qt::NoButton, Qt::AltModifier);
      Check(*v, {{1, 0}, {3, 2}, true, "abcd\nefgh\nijkl"});
    }
    {  // The bar selects whole rows 7 to 9.
      auto v = Make(twelve, 0, 0);
      const QPoint bar7(2, Cell(*v, 0, 7).y());
      const QPoint bar9(2, Cell(*v, 0, 9).y());
      SendMouse(*v, QEvent::MouseButtonPress, bar7, Qt::LeftButton);
      Check(*v, {{0, 8}, {0, 7}, false, Q(twelve)});
      SendMouse(*v, QEvent::MouseMove, bar9, Qt::LeftButton);
      SendMouse(*v, QEvent::MouseButtonRelease, bar9, Qt::NoButton);
      Check(*v, {{0, 7}, {0, 10}, false, Q(twelve)});
      QCOMPARE(Q(v->SelectedText()), QString("row\nrow\nrow\n"));
    }
    {  // Press and release inside the selection collapse it there.
      auto v = Make(u"abcdef", 1, 4);
      SendMouse(*v, QEvent::MouseButtonPress, Cell(*v, 3, 0), Qt::LeftButton);
      Check(*v, {{1, 0}, {5, 0}, false, "abcdef"});
      SendMouse(*v, QEvent::MouseButtonRelease, Cell(*v, 3, 0), Qt::NoButton);
      Check(*v, {{3, 0}, {3, 0}, false, "abcdef"});
    }
    {  // A double click selects the word.
      auto v = Make(u"foo bar baz", 0, 0);
      SendMouse(*v, QEvent::MouseButtonPress, Cell(*v, 5, 0), Qt::LeftButton);
      SendMouse(*v, QEvent::MouseButtonRelease, Cell(*v, 5, 0), Qt::NoButton);
      SendMouse(*v, QEvent::MouseButtonDblClick, Cell(*v, 5, 0), Qt::LeftButton);
      SendMouse(*v, QEvent::MouseButtonRelease, Cell(*v, 5, 0), Qt::NoButton);
      QCOMPARE(Q(v->SelectedText()), QString("bar"));
    }
    {  // A double click on a link opens it and leaves the selection alone; on a word it selects.
      auto v = Make<TRecordingView>(u"see https://example.org/a, now", 0, 0);
      auto doubleClick = [&](int col) {
        SendMouse(*v, QEvent::MouseButtonPress, Cell(*v, col, 0), Qt::LeftButton);
        SendMouse(*v, QEvent::MouseButtonRelease, Cell(*v, col, 0), Qt::NoButton);
        SendMouse(*v, QEvent::MouseButtonDblClick, Cell(*v, col, 0), Qt::LeftButton);
        SendMouse(*v, QEvent::MouseButtonRelease, Cell(*v, col, 0), Qt::NoButton);
      };
      doubleClick(8);
      QCOMPARE(v->Opened, QStringList{"https://example.org/a,"});
      QCOMPARE(v->SelectionLength(), 0);
      QCOMPARE(v->SelectionStart(), 8);
      doubleClick(28);
      QCOMPARE(Q(v->SelectedText()), QString("now"));
      QCOMPARE(v->Opened.size(), 1);
    }
  }

  void selectingOutsideTheViewScrolls() {
    const std::u16string text = Rows(200);
    auto v = Make(text, 0, 0);
    QTRY_VERIFY(v->hasFocus());
    SendMouse(*v, QEvent::MouseButtonPress, Cell(*v, 1, 2), Qt::LeftButton);
    // Held still below the view, the selection goes on and the view follows it.
    const QPoint below(Cell(*v, 2, 0).x(), v->viewport()->height() + 10);
    SendMouse(*v, QEvent::MouseMove, below, Qt::LeftButton);
    const int64_t afterMove = v->FirstVisibleLine();
    QTRY_VERIFY(v->FirstVisibleLine() >= afterMove + 5);
    SendMouse(*v, QEvent::MouseButtonRelease, below, Qt::NoButton);
    const int64_t stopped = v->FirstVisibleLine();
    QTest::qWait(80);
    QCOMPARE(v->FirstVisibleLine(), stopped);
    const TNotePadString& d = v->NotePadString();
    QCOMPARE(d.SelStartPos().Y, 2);
    QCOMPARE(d.SelStartPos().X, 1);
    QVERIFY(d.SelEndPos().Y > stopped + v->VisibleLineCount() / 2);
    // Above the view it goes back up, and stops at the top of the text.
    QTest::keyClick(v.get(), Qt::Key_End);  // the press must not land in the selection
    SendMouse(*v, QEvent::MouseButtonPress, Cell(*v, 0, v->FirstVisibleLine() + 1), Qt::LeftButton);
    SendMouse(*v, QEvent::MouseMove, QPoint(below.x(), -10), Qt::LeftButton);
    QTRY_COMPARE(v->FirstVisibleLine(), 0);
    QVERIFY(v->NotePadString().SelEndPos().Y <= 2);
    SendMouse(*v, QEvent::MouseMove, QPoint(below.x(), -12), Qt::LeftButton);
    SendMouse(*v, QEvent::MouseButtonRelease, QPoint(below.x(), -12), Qt::NoButton);
    QCOMPARE(v->NotePadString().SelEndPos().Y, 0);
  }

  void clipboardBetweenViews() {
    auto a = Make(u"abc\ndef", 1, 5);
    auto b = Make(u"XY", 1, 0);
    a->Copy();
    QVERIFY(b->CanPaste());
    b->Paste();
    QCOMPARE(Q(b->GetTextLF()), QString("Xbc\ndeY"));
    a->Cut();
    QCOMPARE(Q(a->GetTextLF()), QString("af"));
    a->SelectAll();
    QCOMPARE(Q(a->SelectedText()), QString("af"));

    // A box over three rows goes over as a box, with the source's line ends.
    auto box = Make(u"", 0, 0);
    box->LoadFromString(u"abcd\r\nefgh\r\nijkl");
    box->SetBoxSelectMode(true);
    box->NotePadString().SetSelStartPos({1, 0});
    box->NotePadString().SetSelEndPos({3, 2});
    box->Copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("bc\r\nfg\r\njk\r\n"));
    QVERIFY(ClipboardHasBox());
    auto into = Make(u"1234\n5678\n90ab", 1, 0);
    into->Paste();
    QCOMPARE(Q(into->GetTextLF()), QString("1bc234\n5fg678\n9jk0ab"));
    // A box on one row is plain text.
    box->NotePadString().SetSelEndPos({3, 0});
    QVERIFY(!box->BoxSelected());
    box->Copy();
    QVERIFY(!ClipboardHasBox());
    auto plain = Make(u"x\ny", 1, 0);
    plain->Paste();
    QCOMPARE(Q(plain->GetTextLF()), QString("xbc\ny"));
  }

  void dragAndDrop() {
    {  // The view's own selection moves, or is copied with Ctrl.
      auto v = Make(u"abcdef", 1, 2);
      std::unique_ptr<QMimeData> data(v->DragData());
      QVERIFY(Drop(*v, data.get(), Cell(*v, 5, 0)));
      QCOMPARE(Q(v->Text()), QString("adebcf"));
      QCOMPARE(Q(v->SelectedText()), QString("bc"));
    }
    {
      auto v = Make(u"abcdef", 1, 2);
      std::unique_ptr<QMimeData> data(v->DragData());
      QVERIFY(Drop(*v, data.get(), Cell(*v, 5, 0), Qt::ControlModifier));
      QCOMPARE(Q(v->Text()), QString("abcdebcf"));
    }
    {  // Nothing is dropped inside the selection.
      auto v = Make(u"abcdef", 1, 4);
      std::unique_ptr<QMimeData> data(v->DragData());
      QVERIFY(!Drop(*v, data.get(), Cell(*v, 3, 0)));
      QCOMPARE(Q(v->Text()), QString("abcdef"));
    }
    {  // Text from elsewhere is inserted and left selected.
      auto v = Make(u"abc", 0, 0);
      QMimeData data;
      data.setText(QStringLiteral("XY"));
      QVERIFY(Drop(*v, &data, Cell(*v, 1, 0)));
      QCOMPARE(Q(v->Text()), QString("aXYbc"));
      QCOMPARE(Q(v->SelectedText()), QString("XY"));
    }
    {  // Files raise FilesDroped with every path in order and leave the text alone.
      QTemporaryDir dir;
      const QString a = dir.filePath("a.txt"), b = dir.filePath("b.txt");
      for (const QString& f : {a, b}) {
        QFile file(f);
        QVERIFY(file.open(QIODevice::WriteOnly));
      }
      auto v = Make(u"abc", 0, 0);
      QSignalSpy spy(v.get(), &TNotePad::FilesDroped);
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
      QVERIFY(Drop(*v, &data, Cell(*v, 1, 0)));
      QCOMPARE(spy.count(), 1);
      QCOMPARE(spy.at(0).at(0).toStringList(), QStringList({a, b}));
      QCOMPARE(Q(v->Text()), QString("abc"));
    }
  }

  void dropsRefusedOrTakenAsText() {
    {  // In box mode text is not dropped, neither from elsewhere nor the view's own.
      auto v = Make(u"abc\ndef", 0, 0);
      v->SetBoxSelectMode(true);
      QMimeData data;
      data.setText(QStringLiteral("XY"));
      QVERIFY(!Drop(*v, &data, Cell(*v, 1, 1)));
      v->NotePadString().SetSelEndPos({2, 1});
      std::unique_ptr<QMimeData> own(v->DragData());
      QVERIFY(!Drop(*v, own.get(), Cell(*v, 3, 0)));
      QCOMPARE(Q(v->GetTextLF()), QString("abc\ndef"));
    }
    {  // A link is dropped as its text, and left selected.
      auto v = Make(u"see ", 4, 0);
      QMimeData data;
      data.setUrls({QUrl(QStringLiteral("https://example.org/a?b=1"))});
      QVERIFY(Drop(*v, &data, Cell(*v, 4, 0)));
      QCOMPARE(Q(v->Text()), QString("see https://example.org/a?b=1"));
      QCOMPARE(Q(v->SelectedText()), QString("https://example.org/a?b=1"));
    }
  }

  void dragCaretIsThinWhileDraggingOver() {
    auto v = Make(u"abcdef\nghijkl", 1, 0);
    QTRY_VERIFY(v->hasFocus());
    const QRect normal = v->CaretRect();
    QCOMPARE(normal.width(), 2);
    QMimeData data;
    data.setText(QStringLiteral("XY"));
    const QPoint p = Cell(*v, 4, 1);
    QDragEnterEvent enter(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &enter);
    QDragMoveEvent move(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &move);
    QVERIFY(v->Draging());
    QCOMPARE(v->DragCaret().X, 4);
    QCOMPARE(v->DragCaret().Y, 1);
    const QRect drag = v->CaretRect();
    QCOMPARE(drag.width(), 1);
    QCOMPARE(drag.x(), static_cast<int>(v->TextX(4 * v->FontWidth())));
    QCOMPARE(drag.y(), static_cast<int>(v->RowTop(1) + v->Options().LineMargin / 2));
    // Drawn in a grey pattern: some of its pixels in the text colour, some not.
    const QImage img = v->viewport()->grab().toImage();
    int ink = 0;
    for (int y = drag.top(); y <= drag.bottom(); ++y) ink += (img.pixel(drag.x(), y) & 0xFFFFFF) == 0;
    QVERIFY(ink > 0 && ink < drag.height());
    // The selection itself did not move.
    QCOMPARE(v->SelectionStart(), 1);
    QDragLeaveEvent leave;
    QApplication::sendEvent(v->viewport(), &leave);
    QVERIFY(!v->Draging());
    QCOMPARE(v->CaretRect(), normal);
  }

  void draggingNearAnEdgeScrolls() {
    auto v = Make(Rows(200), 0, 0);
    QMimeData data;
    data.setText(QStringLiteral("XY"));
    const QPoint nearBottom(Cell(*v, 1, 0).x(), v->viewport()->height() - static_cast<int>(v->LineHeight()));
    QDragEnterEvent enter(nearBottom, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &enter);
    QDragMoveEvent move(nearBottom, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &move);
    QCOMPARE(v->FirstVisibleLine(), 1);
    // Held still there, it goes on scrolling, and the drop caret goes with it.
    QTRY_VERIFY(v->FirstVisibleLine() >= 4);
    QVERIFY(v->DragCaret().Y >= v->FirstVisibleLine() + v->VisibleLineCount() - 3);
    QDragLeaveEvent leave;
    QApplication::sendEvent(v->viewport(), &leave);
    const int64_t stopped = v->FirstVisibleLine();
    QTest::qWait(120);
    QCOMPARE(v->FirstVisibleLine(), stopped);
    // In the middle nothing scrolls.
    const QPoint middle(nearBottom.x(), v->viewport()->height() / 2);
    QDragEnterEvent enter2(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &enter2);
    QDragMoveEvent move2(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &move2);
    QTest::qWait(120);
    QCOMPARE(v->FirstVisibleLine(), stopped);
    QApplication::sendEvent(v->viewport(), &leave);
  }

  void draggingTheSelectionOut() {
    {  // Dropped back into the view further on, the selection moves there.
      auto v = Make<TRecordingView>(u"abcdef", 1, 2);
      TRecordingView* view = v.get();
      view->Loop = [&](QDrag& drag) {
        return Drop(*view, drag.mimeData(), Cell(*view, 5, 0)) ? Qt::MoveAction : Qt::IgnoreAction;
      };
      SendMouse(*v, QEvent::MouseButtonPress, Cell(*v, 2, 0), Qt::LeftButton);
      SendMouse(*v, QEvent::MouseMove, Cell(*v, 2, 0) + QPoint(3, 0), Qt::LeftButton);
      QCOMPARE(v->Dragged, QStringList{"bc"});
      SendMouse(*v, QEvent::MouseButtonRelease, Cell(*v, 5, 0), Qt::NoButton);
      QCOMPARE(Q(v->Text()), QString("adebcf"));
      QCOMPARE(Q(v->SelectedText()), QString("bc"));
      QVERIFY(!v->Draging());
    }
    {  // Moved into another window, the text stays here; the drag was offered with the file's line ends.
      auto v = Make<TRecordingView>(u"", 0, 0);
      v->LoadFromString(u"ab\r\ncd");
      v->Select(1, 3);
      v->Loop = [](QDrag&) { return Qt::MoveAction; };
      SendMouse(*v, QEvent::MouseButtonPress, Cell(*v, 1, 1) - QPoint(2, 0), Qt::LeftButton);
      SendMouse(*v, QEvent::MouseMove, Cell(*v, 1, 1), Qt::LeftButton);
      QCOMPARE(v->Dragged, QStringList{"b\r\nc"});
      QCOMPARE(Q(v->GetTextLF()), QString("ab\ncd"));
      // The press that started the drag does not collapse the selection on release.
      SendMouse(*v, QEvent::MouseButtonRelease, Cell(*v, 1, 1), Qt::NoButton);
      QCOMPARE(v->SelectionLength(), 3);
    }
  }

  void inputMethodPreeditAndCommit() {
    auto v = Make(u"ab", 1, 0);
    QVERIFY(v->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(v->inputMethodQuery(Qt::ImEnabled).toBool());
    {
      QInputMethodEvent pre(QStringLiteral("にほんご"), {});
      QApplication::sendEvent(v.get(), &pre);
    }
    QCOMPARE(Q(v->Text()), QString("ab"));
    QCOMPARE(v->Preedit(), QStringLiteral("にほんご"));
    {
      QInputMethodEvent commit;
      commit.setCommitString(QStringLiteral("日本語"));
      QApplication::sendEvent(v.get(), &commit);
    }
    QCOMPARE(Q(v->Text()), QStringLiteral("a日本語b"));
    QCOMPARE(v->SelectionStart(), 4);
    QVERIFY(v->Preedit().isEmpty());
    QCOMPARE(v->inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("a日本語b"));
    QCOMPARE(v->inputMethodQuery(Qt::ImCursorPosition).toInt(), 4);
    int undos = 0;
    while (v->CanUndo()) {
      v->Undo();
      ++undos;
    }
    QCOMPARE(Q(v->Text()), QString("ab"));
    QVERIFY(undos >= 1);
  }

  void inputMethodReplacementAndQueries() {
    auto v = Make(u"one\nfoo bar", 8, 3);
    QCOMPARE(v->inputMethodQuery(Qt::ImCurrentSelection).toString(), QString("bar"));
    QCOMPARE(v->inputMethodQuery(Qt::ImSurroundingText).toString(), QString("foo bar"));
    QCOMPARE(v->inputMethodQuery(Qt::ImAnchorPosition).toInt(), 4);
    QCOMPARE(v->inputMethodQuery(Qt::ImCursorPosition).toInt(), 7);
    QCOMPARE(v->inputMethodQuery(Qt::ImFont).value<QFont>(), v->EditorFont());
    QInputMethodEvent ev;
    ev.setCommitString(QStringLiteral("場"), -3, 3);
    QApplication::sendEvent(v.get(), &ev);
    QCOMPARE(Q(v->GetTextLF()), QStringLiteral("one\nfoo 場"));

    // The cursor rectangle is the caret cell in widget coordinates and follows the caret.
    auto w = Make(u"abc\ndef", 0, 0);
    const QRect r0 = w->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QPoint off = w->viewport()->pos();
    QCOMPARE(r0.x(), static_cast<int>(w->TextX(0)) + off.x());
    QCOMPARE(r0.y(), static_cast<int>(w->RowTop(0) + w->Options().LineMargin / 2) + off.y());
    QCOMPARE(r0.height(), static_cast<int>(w->Ascent() + w->Descent()));
    QTest::keyClick(w.get(), Qt::Key_Down);
    QTest::keyClick(w.get(), Qt::Key_Right);
    const QRect r1 = w->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QCOMPARE(r1.x(), r0.x() + static_cast<int>(w->FontWidth()));
    QCOMPARE(r1.y(), r0.y() + static_cast<int>(w->LineHeight()));
  }

  void reconvertTurnsTheSelectionAround() {
    auto v = Make(u"one\nfoo bar", 4, 3);
    auto* ime = new TFakeInputMethod;
    v->SetInputMethodBridge(std::unique_ptr<TInputMethodBridge>(ime));
    QVERIFY(v->Reconvert());
    QCOMPARE(ime->Reconverted, QStringList{"foo"});
    // The caret now stands at the word's start, where the input method's answer begins.
    QCOMPARE(v->SelectionStart(), 7);
    QCOMPARE(v->SelectionLength(), -3);
    QCOMPARE(v->inputMethodQuery(Qt::ImCursorPosition).toInt(), 0);
    QCOMPARE(v->inputMethodQuery(Qt::ImAnchorPosition).toInt(), 3);
    QInputMethodEvent answer;
    answer.setCommitString(QStringLiteral("譜"), 0, 3);
    QApplication::sendEvent(v.get(), &answer);
    QCOMPARE(Q(v->GetTextLF()), QStringLiteral("one\n譜 bar"));
    // Not over a line break, not when empty, not when the input method cannot.
    for (auto [start, len] : {std::pair{2, 3}, std::pair{5, 0}}) {
      v->Select(start, len);
      QVERIFY(!v->Reconvert());
    }
    ime->CanReconvertNow = false;
    v->Select(6, 3);
    QVERIFY(!v->Reconvert());
    QCOMPARE(ime->Reconverted.size(), 1);
    QCOMPARE(v->SelectionLength(), 3);
  }

  void wordRegistration() {
    auto v = Make(u"foo bar\nbaz", 4, 3);
    auto* ime = new TFakeInputMethod;
    v->SetInputMethodBridge(std::unique_ptr<TInputMethodBridge>(ime));
    v->ImeRegWord();
    QCOMPARE(ime->Registered, QStringList{"bar|"});
    // Not for a box over rows, nor for nothing selected.
    v->SetBoxSelectMode(true);
    v->NotePadString().SetSelStartPos({0, 0});
    v->NotePadString().SetSelEndPos({2, 1});
    v->ImeRegWord();
    v->Select(2, 0);
    v->ImeRegWord();
    QCOMPARE(ime->Registered.size(), 1);
    // Qt's input methods offer no word registration: the view says so.
    v->SetInputMethodBridge(nullptr);
    v->Select(0, 3);
    QString shown, caption;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown = box->text();
        caption = box->windowTitle();
        box->accept();
      }
    });
    closer.start(10);
    v->ImeRegWord();
    QCOMPARE(shown, QStringLiteral("この入力メソッドには単語登録の機能がありません。"));
    QCOMPARE(caption, QStringLiteral("Kelp[けるぷ]"));
  }
};

QTEST_MAIN(NotePadInputTest)
#include "notepad_input_test.moc"
