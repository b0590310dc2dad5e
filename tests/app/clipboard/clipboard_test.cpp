// The clipboard layer: box copies and their markers, pasting between two
// documents, the clipboard watcher, and the data of drags and drops.

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QtTest>
#include <memory>
#include <stdexcept>

#include "app/clipboard/clipboard_edit.h"
#include "app/clipboard/clipboard_text.h"
#include "app/clipboard/clipboard_watcher.h"
#include "app/clipboard/drag_data.h"
#include "document/notepad_string.h"
#include "width/char_width.h"

using namespace kelp;

namespace {

QString Q(const char16_t* s) { return QString::fromUtf16(s); }

void BoxSelect(TNotePadString& d, TNativePoint anchor, TNativePoint caret) {
  d.SetBoxMode(true);
  d.SetSelStartPos(anchor);
  d.SetSelEndPos(caret);
}

void PutOnClipboard(QMimeData* data) { QGuiApplication::clipboard()->setMimeData(data); }

}  // namespace

class ClipboardTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ResetCharPixelWidths(std::make_shared<TFixedWidthMeasurer>(8, 16), 8); }
  void init() { QGuiApplication::clipboard()->clear(); }

  void boxCopyOverThreeRowsRoundTripsAsABox() {
    TNotePadString a;
    a.SetText(u"abcd\r\nefgh\r\nijkl");
    BoxSelect(a, {1, 0}, {3, 2});
    QVERIFY(ClipboardCopy(a));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data != nullptr);
    QCOMPARE(data->text(), Q(u"bc\r\nfg\r\njk\r\n"));
    for (const QString& marker : {kBoxMarkerMsdev, kBoxMarkerTEditor, kBoxMarkerRectangular}) {
      QVERIFY2(data->hasFormat(marker), qPrintable(marker));
    }
    // The named markers carry the text itself, with its terminating zero.
    const QByteArray block = data->data(kBoxMarkerMsdev);
    QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(block.constData()), block.size() / 2),
             Q(u"bc\r\nfg\r\njk\r\n") + QChar(u'\0'));
    QCOMPARE(data->data(kBoxMarkerTEditor), block);
    QVERIFY(data->data(kBoxMarkerRectangular).isEmpty());
    QVERIFY(ClipboardHasBox());
    QVERIFY(CanPaste());
    // The copy left the source alone.
    QCOMPARE(a.GetText(), std::u16string(u"abcd\nefgh\nijkl"));

    TNotePadString b;
    b.SetText(u"1234\n5678\n90ab");
    b.SetSelStartPos({1, 0});
    b.SetSelEndPos({1, 0});
    QVERIFY(ClipboardPaste(b));
    QCOMPARE(b.GetText(), std::u16string(u"1bc234\n5fg678\n9jk0ab"));
  }

  void oneRowBoxCopiesAsPlainText() {
    TNotePadString a;
    a.SetText(u"abcd\nefgh");
    BoxSelect(a, {1, 1}, {3, 1});
    QVERIFY(ClipboardCopy(a));
    QVERIFY(!ClipboardHasBox());
    QCOMPARE(ClipboardGetText(), std::u16string(u"fg"));
    TNotePadString b;
    b.SetText(u"x\ny");
    b.SetSelStartPos({1, 0});
    b.SetSelEndPos({1, 0});
    QVERIFY(ClipboardPaste(b));
    QCOMPARE(b.GetText(), std::u16string(u"xfg\ny"));
  }

  void anyOneMarkerMakesABoxPaste_data() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<bool>("box");
    QTest::newRow("msdev") << kBoxMarkerMsdev << true;
    QTest::newRow("teditor") << kBoxMarkerTEditor << true;
    QTest::newRow("rectangular") << kBoxMarkerRectangular << true;
    QTest::newRow("none") << QString() << false;
  }
  void anyOneMarkerMakesABoxPaste() {
    QFETCH(QString, marker);
    QFETCH(bool, box);
    auto* data = new QMimeData;
    data->setText(QStringLiteral("P\nQ"));
    if (!marker.isEmpty()) data->setData(marker, QByteArray());
    PutOnClipboard(data);
    QCOMPARE(ClipboardHasBox(), box);
    TNotePadString d;
    d.SetText(u"ab\ncd");
    d.SetSelStartPos({1, 0});
    d.SetSelEndPos({1, 0});
    QVERIFY(ClipboardPaste(d));
    QCOMPARE(d.GetText(), box ? std::u16string(u"aPb\ncQd") : std::u16string(u"aP\nQb\ncd"));
  }

  void emptyTextAndEmptyClipboardDoNothing() {
    QVERIFY(ClipboardSetText(u"keep", false));
    QVERIFY(!ClipboardSetText(u"", true));
    QCOMPARE(ClipboardGetText(), std::u16string(u"keep"));
    TNotePadString d;
    d.SetText(u"abc");
    QVERIFY(!ClipboardCopy(d));  // nothing selected
    QVERIFY(!ClipboardCut(d));
    QCOMPARE(ClipboardGetText(), std::u16string(u"keep"));
    QCOMPARE(d.GetText(), std::u16string(u"abc"));

    QGuiApplication::clipboard()->clear();
    QVERIFY(!CanPaste());
    const int64_t steps = d.UndoCount();
    QVERIFY(!ClipboardPaste(d));
    QCOMPARE(d.GetText(), std::u16string(u"abc"));
    QCOMPARE(d.UndoCount(), steps);
  }

  void cutTakesTheSelectionWithTheFilesLineEnds() {
    TNotePadString d;
    d.SetText(u"one\r\ntwo\r\nthree");
    d.SetSelStart(2);
    d.SetSelEnd(8);
    QVERIFY(ClipboardCut(d));
    QCOMPARE(ClipboardGetText(), std::u16string(u"e\r\ntwo\r\n"));
    QCOMPARE(d.GetText(), std::u16string(u"onthree"));
    d.Undo();
    QCOMPARE(d.GetText(), std::u16string(u"one\ntwo\nthree"));
  }

  void aTerminatingZeroFromAnotherProgramIsDropped() {
    auto* data = new QMimeData;
    data->setText(QStringLiteral("abc") + QChar(u'\0'));
    PutOnClipboard(data);
    QCOMPARE(ClipboardGetText(), std::u16string(u"abc"));
  }

  void watcherSkipsTheFirstNoticeAfterBeingEnabled() {
    TClipboardWatcher w;
    int calls = 0;
    w.SetOnClipChange([&] { ++calls; });
    QVERIFY(!w.Registered());  // not enabled yet
    ClipboardSetText(u"a", false);
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);

    // The notice of starting to listen is the one skipped; every change after it counts.
    w.SetEnabled(true);
    QVERIFY(w.Registered());
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);
    ClipboardSetText(u"b", false);
    QCOMPARE(calls, 1);
    ClipboardSetText(u"c", true);
    QCOMPARE(calls, 2);
    w.SetEnabled(true);  // already enabled: no new skip
    QCoreApplication::processEvents();
    ClipboardSetText(u"e", false);
    QCOMPARE(calls, 3);

    w.SetEnabled(false);
    QVERIFY(!w.Registered());
    ClipboardSetText(u"f", false);
    QCoreApplication::processEvents();
    QCOMPARE(calls, 3);
    // A change before the notice of listening arrives is still reported, once.
    w.SetEnabled(true);
    ClipboardSetText(u"g", false);
    QCoreApplication::processEvents();
    QCOMPARE(calls, 4);
    // Switched off and on again at once: one notice, skipped.
    w.SetEnabled(false);
    w.SetEnabled(true);
    QCoreApplication::processEvents();
    QCOMPARE(calls, 4);
    ClipboardSetText(u"h", false);
    QCOMPARE(calls, 5);

    // Without a callback it leaves the clipboard alone.
    w.SetOnClipChange(nullptr);
    QVERIFY(!w.Registered());
  }

  void aFailingHandlerDoesNotStopTheWatcher() {
    int calls = 0;
    {
      TClipboardWatcher w;
      w.SetEnabled(true);
      w.SetOnClipChange([&] {
        ++calls;
        throw std::runtime_error("handler");
      });
      QCoreApplication::processEvents();  // the notice of listening, skipped
      QTest::ignoreMessage(QtWarningMsg, "clipboard change handler failed: handler");
      ClipboardSetText(u"one", false);
      QTest::ignoreMessage(QtWarningMsg, "clipboard change handler failed: handler");
      ClipboardSetText(u"two", false);
      QCOMPARE(calls, 2);
    }
    ClipboardSetText(u"after", false);  // the watcher is gone
    QCOMPARE(calls, 2);
  }

  void dragDataOffersTheSelectedText() {
    TDDString drag(u"日本\nx");
    QVERIFY(drag.hasText());
    QCOMPARE(drag.text(), Q(u"日本\nx"));
    QCOMPARE(drag.Data(), std::u16string(u"日本\nx"));
    const TDropData d = ClassifyDrop(&drag);
    QCOMPARE(int(d.Kind), int(TDropKind::Text));
    QCOMPARE(d.Text, std::u16string(u"日本\nx"));
  }

  void dropsAreTextLinksOrFiles() {
    QMimeData text;
    text.setText(QStringLiteral("plain"));
    QCOMPARE(int(ClassifyDrop(&text).Kind), int(TDropKind::Text));

    // A browser's link: its text is what is inserted.
    QMimeData link;
    link.setUrls({QUrl(QStringLiteral("https://example.org/a?b=1"))});
    link.setText(QStringLiteral("https://example.org/a?b=1"));
    TDropData r = ClassifyDrop(&link);
    QCOMPARE(int(r.Kind), int(TDropKind::Link));
    QCOMPARE(r.Text, std::u16string(u"https://example.org/a?b=1"));

    QMimeData moz;
    const std::u16string mozText = u"http://x.test/p\nTitle";
    moz.setData(kLinkFormatMoz, QByteArray(reinterpret_cast<const char*>(mozText.data()),
                                           static_cast<qsizetype>(mozText.size() * 2)));
    r = ClassifyDrop(&moz);
    QCOMPARE(int(r.Kind), int(TDropKind::Link));
    QCOMPARE(r.Text, std::u16string(u"http://x.test/p"));

    // Files, in order, with their full paths; a file manager offers them as text too.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/b dir/二.txt")),
                   QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")),
                   QUrl::fromLocalFile(QStringLiteral("/home/u/%41.c"))});
    files.setText(QStringLiteral("/tmp/b dir/二.txt\n/tmp/a.txt"));
    r = ClassifyDrop(&files);
    QCOMPARE(int(r.Kind), int(TDropKind::Files));
    const std::vector<std::u16string> want = {u"/tmp/b dir/二.txt", u"/tmp/a.txt", u"/home/u/%41.c"};
    QVERIFY(r.Files == want);

    // A file among other links is no file drop; without a text the links are inserted, one a line.
    QMimeData mixed;
    mixed.setUrls(
        {QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")), QUrl(QStringLiteral("http://x.test/"))});
    r = ClassifyDrop(&mixed);
    QCOMPARE(int(r.Kind), int(TDropKind::Link));
    QCOMPARE(r.Text, std::u16string(u"file:///tmp/a.txt\nhttp://x.test/"));

    QMimeData image;
    image.setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
    QCOMPARE(int(ClassifyDrop(&image).Kind), int(TDropKind::None));
    QCOMPARE(int(ClassifyDrop(nullptr).Kind), int(TDropKind::None));
  }
};

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
