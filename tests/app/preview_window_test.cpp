#include "app/preview_window.h"

#include <QTemporaryDir>
#include <QtTest>

#include "app/view/wnotepad.h"

class PreviewWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void showsTheFileAndTheTitle() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("line1\n\xE3\x81\x82\n");
    f.close();
    kelp::PreviewWindow w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Kelp[けるぷ]"));
    QVERIFY(w.OpenFile(path));
    QCOMPARE(w.ShownText(), QStringLiteral("line1\nあ\n"));
    QVERIFY(w.windowTitle().endsWith(QStringLiteral("Kelp[けるぷ]")));
  }
  void theModeFollowsTheNameAndTheMaskTheEncoding() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.cpp"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    // Shift_JIS: "int" and a kanji pair.
    f.write("int x; // \x8A\xBF\x8E\x9A\n");
    f.close();
    kelp::PreviewWindow w;
    QVERIFY(w.OpenFile(path));
    QCOMPARE(w.NotePad()->EditMode(), kelp::hmCpp);
    QCOMPARE(w.NotePad()->CodePage(), 1);
    QCOMPARE(w.ShownText(), QStringLiteral("int x; // 漢字\n"));
    QVERIFY(!w.NotePad()->Modified());
    QVERIFY(!w.NotePad()->CanUndo());
    // Keywords get the main window's colour.
    QVERIFY(w.NotePad()->Options().ColorReserve != kelp::clNone);
  }
  void aMissingFileSaysSo() {
    kelp::PreviewWindow w;
    QVERIFY(!w.OpenFile(QStringLiteral("/nonexistent/zz.txt")));
    QVERIFY(w.ShownText().contains(QStringLiteral("/nonexistent/zz.txt")));
  }
};

QTEST_MAIN(PreviewWindowTest)
#include "preview_window_test.moc"
