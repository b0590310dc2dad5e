#include "app/preview_window.h"

#include "app/view/wnotepad.h"
#include "base/version.h"
#include "encoding/code_page_mask.h"
#include "encoding/text_file.h"
#include "settings/settings_model.h"

namespace kelp {

PreviewWindow::PreviewWindow(QWidget* parent) : QMainWindow(parent), NotePad1(new TwNotePad(this)) {
  setWindowTitle(QString::fromStdU16String(kAppTitle));
  // The main window's colours and styles of the token elements.
  const TViewSettings view = DefaultSettings().View;
  TNotePadOptions o = NotePad1->Options();
  for (int e = 0; e < kNotePadElementCount; ++e) {
    o.ElementColor(e) = static_cast<TColor>(view.TokenColors[static_cast<size_t>(e)]);
    o.ElementStyle(e) = view.TokenStyles[static_cast<size_t>(e)];
  }
  NotePad1->SetOptions(o);
  setCentralWidget(NotePad1);
  resize(800, 600);
  NotePad1->setFocus();
}

bool PreviewWindow::OpenFile(const QString& path) {
  TFileCode code = fcNONE;
  bool failed = false;
  bool hadNul = false;
  const std::u16string text = LoadTextFile(path.toStdString(), code, true, failed, hadNul);
  if (failed) {
    NotePad1->LoadFromString((QStringLiteral("ファイルを開けません: ") + path).toStdU16String());
    return false;
  }
  NotePad1->SetModeFromPath(path.toStdU16String());
  NotePad1->LoadFromString(text);
  NotePad1->SetCodePage(CodePageMaskOf(code));
  setWindowTitle(path + QStringLiteral(" - ") + QString::fromStdU16String(kAppTitle));
  return true;
}

QString PreviewWindow::ShownText() const { return QString::fromStdU16String(NotePad1->Text()); }

}  // namespace kelp
