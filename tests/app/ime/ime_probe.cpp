// A window with one editor view for trying a real input method by hand or
// from real_ime.sh: it logs every input-method event it gets and, after the
// given number of seconds, prints the text and quits.

#include <QApplication>
#include <QInputMethodEvent>
#include <QTimer>
#include <cstdio>

#include "app/view/wnotepad.h"

namespace {

class TLogIme : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::InputMethod) {
      const auto* im = static_cast<QInputMethodEvent*>(e);
      std::fprintf(stderr, "preedit=[%s] commit=[%s] replace=%d,%d\n", qPrintable(im->preeditString()),
                   qPrintable(im->commitString()), im->replacementStart(), im->replacementLength());
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
  kelp::TwNotePad view;
  view.setWindowTitle(QStringLiteral("ime_probe"));
  view.resize(600, 300);
  TLogIme log;
  view.installEventFilter(&log);
  view.show();
  view.activateWindow();
  view.setFocus();
  QTimer::singleShot(seconds * 1000, [&] {
    std::printf("text=[%s] undo=%s\n", QString::fromStdU16String(view.Text()).toUtf8().constData(),
                view.CanUndo() ? "yes" : "no");
    std::fflush(stdout);
    app.quit();
  });
  return app.exec();
}
