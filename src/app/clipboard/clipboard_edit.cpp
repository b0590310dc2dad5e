#include "app/clipboard/clipboard_edit.h"

#include "app/clipboard/clipboard_text.h"
#include "input/selection.h"

namespace kelp {

bool ClipboardCopy(TNotePadString& doc) {
  const std::u16string text = doc.SelTextIf();
  if (text.empty()) return false;
  const bool ok = ClipboardSetText(text, BoxSelected(doc));
  doc.BeginUpdate();
  doc.EndUpdate();
  return ok;
}

bool ClipboardCut(TNotePadString& doc) {
  if (!ClipboardCopy(doc)) return false;
  doc.SetSelText(u"");
  return true;
}

bool ClipboardPaste(TNotePadString& doc) {
  const std::u16string text = ClipboardGetText();
  if (text.empty()) return false;
  if (ClipboardHasBox()) {
    doc.SetSelTextBox(text);
  } else {
    doc.SetSelText(text);
    doc.BeginUpdate();
    doc.EndUpdate();
  }
  return true;
}

bool CanPaste() { return ClipboardHasText(); }

}  // namespace kelp
