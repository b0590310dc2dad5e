#pragma once
// The program's window until the main window exists: shows one file read-only.

#include <QMainWindow>

class QPlainTextEdit;

namespace kelp {

class PreviewWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit PreviewWindow(QWidget* parent = nullptr);

  // Shows the file's text; false (and a message in the window) when it cannot be read.
  bool OpenFile(const QString& path);
  QString ShownText() const;

 private:
  QPlainTextEdit* view_;
};

}  // namespace kelp
