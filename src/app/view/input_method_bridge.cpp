#include "app/view/input_method_bridge.h"

#include <QGuiApplication>
#include <QInputMethod>

namespace kelp {

namespace {

class TQtInputMethodBridge final : public TInputMethodBridge {
 public:
  // Qt's input contexts (ibus, fcitx) ask the focused widget for the text
  // around the caret and the selection, and reconvert from there.
  bool CanReconvert() const override { return QGuiApplication::inputMethod() != nullptr; }
  void Reconvert(QWidget*, const QString&) override {
    // The selection already stands as the input method will read it; tell it so.
    QGuiApplication::inputMethod()->update(Qt::ImQueryAll);
  }
  bool CanRegisterWord() const override { return false; }
  void RegisterWord(QWidget*, const QString&, const QString&) override {}
};

}  // namespace

std::unique_ptr<TInputMethodBridge> MakeQtInputMethodBridge() {
  return std::make_unique<TQtInputMethodBridge>();
}

}  // namespace kelp
