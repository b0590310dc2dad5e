#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/preview_window.h"
#include "base/version.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (QByteArray(argv[i]) == "--version") {
      std::printf("Kelp %s\n", kelp::KelpVersion().c_str());
      return 0;
    }
  }
  QApplication app(argc, argv);
  kelp::PreviewWindow window;
  const QStringList args = app.arguments();
  if (args.size() > 1) window.OpenFile(args.at(1));
  window.show();
  return app.exec();
}
