#pragma once
// What the editor view asks of the input method beyond Qt's input-method
// events and queries: taking a selection for reconversion and registering a
// word. Qt's input methods read the text around the caret and the selection
// through the view's queries, and a reconversion comes back as a replacement
// commit; word registration has no Qt interface at all.

#include <QString>
#include <memory>

class QWidget;

namespace kelp {

class TInputMethodBridge {
 public:
  virtual ~TInputMethodBridge() = default;
  // The input method can take a reconversion string.
  virtual bool CanReconvert() const = 0;
  // Hands over `text` for reconversion; its composition and target parts
  // both cover the whole text. The view has selected it with the caret at
  // its start, so the replacement commit that answers starts at the caret.
  virtual void Reconvert(QWidget* view, const QString& text) = 0;
  // The input method offers a word-registration dialog.
  virtual bool CanRegisterWord() const = 0;
  virtual void RegisterWord(QWidget* view, const QString& word, const QString& reading) = 0;
};

// The bridge over Qt's input method, which every view uses unless given another.
std::unique_ptr<TInputMethodBridge> MakeQtInputMethodBridge();

}  // namespace kelp
