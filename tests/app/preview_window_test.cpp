#include "app/preview_window.h"

#include <QTemporaryDir>
#include <QtTest>

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
  void aMissingFileSaysSo() {
    kelp::PreviewWindow w;
    QVERIFY(!w.OpenFile(QStringLiteral("/nonexistent/zz.txt")));
    QVERIFY(w.ShownText().contains(QStringLiteral("/nonexistent/zz.txt")));
  }
};

QTEST_MAIN(PreviewWindowTest)
#include "preview_window_test.moc"
