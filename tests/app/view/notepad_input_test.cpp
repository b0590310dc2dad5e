// Keys, mouse, clipboard and input method of the editor view, driven through
// the widget's own events.

#include <QInputMethodEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <vector>

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

}  // namespace

Q_DECLARE_METATYPE(TKeyPress)
Q_DECLARE_METATYPE(TExpect)

class NotePadInputTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TwNotePad> Make(std::u16string_view text, int64_t start, int64_t len) {
    auto v = std::make_unique<TwNotePad>();
    v->resize(640, 400);
    v->show();
    if (!QTest::qWaitForWindowExposed(v.get())) qWarning("not exposed");
    v->activateWindow();
    v->setFocus();
    v->LoadFromString(text);
    v->Select(start, len);
    return v;
  }

  static void Check(TwNotePad& v, const TExpect& e) {
    TNotePadString& d = v.NotePadString();
    QCOMPARE(d.SelStartPos().X, e.Anchor.X);
    QCOMPARE(d.SelStartPos().Y, e.Anchor.Y);
    QCOMPARE(d.SelEndPos().X, e.Caret.X);
    QCOMPARE(d.SelEndPos().Y, e.Caret.Y);
    QCOMPARE(v.BoxSelectMode(), e.Box);
    QCOMPARE(Q(v.GetTextLF()), e.Text);
  }

  // Client point of column col (in width units) on display row r.
  static QPoint Cell(TwNotePad& v, int64_t col, int64_t r) {
    return QPoint(static_cast<int>(v.TextX(col * v.FontWidth()) + 1),
                  static_cast<int>(v.RowTop(r) + v.LineHeight() / 2));
  }

  static void SendMouse(TwNotePad& v, QEvent::Type t, QPoint p, Qt::MouseButtons held,
                        Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* vp = v.viewport();
    const Qt::MouseButton b = t == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ev(t, QPointF(p), QPointF(vp->mapToGlobal(p)), b, held, mods);
    QApplication::sendEvent(vp, &ev);
  }

  // Enter, move and drop at p; answers whether the drop was taken.
  static bool Drop(TwNotePad& v, const QMimeData* data, QPoint p,
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
};

QTEST_MAIN(NotePadInputTest)
#include "notepad_input_test.moc"
