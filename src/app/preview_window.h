#pragma once
// The program's window until the full main window exists: one editor view
// showing one file.

#include <QMainWindow>

namespace kelp {

class TwNotePad;

class PreviewWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit PreviewWindow(QWidget* parent = nullptr);

  // Reads the file (encoding detected), chooses the syntax mode by its name
  // and shows it; false (and a message in the view) when it cannot be read.
  bool OpenFile(const QString& path);
  QString ShownText() const;
  TwNotePad* NotePad() const { return NotePad1; }

 private:
  TwNotePad* NotePad1;
};

}  // namespace kelp
