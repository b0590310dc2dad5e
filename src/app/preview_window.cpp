#include "app/preview_window.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

#include "base/file_bytes.h"
#include "base/utf.h"
#include "base/version.h"

namespace kelp {

PreviewWindow::PreviewWindow(QWidget* parent) : QMainWindow(parent), view_(new QPlainTextEdit(this)) {
  setWindowTitle(QString::fromStdU16String(kAppTitle));
  view_->setReadOnly(true);
  view_->setFont(QFont(QStringLiteral("IPAGothic"), 10));
  setCentralWidget(view_);
  resize(800, 600);
}

bool PreviewWindow::OpenFile(const QString& path) {
  const auto bytes = ReadFileBytes(path.toStdString());
  if (!bytes) {
    view_->setPlainText(QStringLiteral("ファイルを開けません: ") + path);
    return false;
  }
  view_->setPlainText(QString::fromStdU16String(Utf8ToUtf16(*bytes)));
  setWindowTitle(path + QStringLiteral(" - ") + QString::fromStdU16String(kAppTitle));
  return true;
}

QString PreviewWindow::ShownText() const { return view_->toPlainText(); }

}  // namespace kelp
