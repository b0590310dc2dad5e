#include "input/word_select.h"

#include "input/selection.h"

namespace kelp {

void SelectWord(TNotePadString& doc, const TWordTokenizer& tokenizer, int64_t X, int64_t Y) {
  const TWordInfo w = WordAt(doc, tokenizer, X, Y);
  doc.BeginUpdate();
  doc.RedrawCurrent();
  doc.SetSelStart(w.Start);
  doc.SetSelEnd(w.End());
  doc.RedrawCurrent();
  doc.EndUpdate();
}

void SelectWordFromCaret(TNotePadString& doc, const TWordTokenizer& tokenizer) {
  doc.SelEndToSelStart();
  const TCaretPosition a = doc.StartCaret();
  SelectWord(doc, tokenizer, a.X, a.Y);
}

std::u16string GetWordFromCaret(TNotePadString& doc, const TWordTokenizer& tokenizer) {
  const TCaretPosition a = doc.StartCaret();
  const TWordInfo w = WordAt(doc, tokenizer, a.X, a.Y);
  return doc.GetString(w.Start, w.Length);
}

bool PrepareReconvert(TNotePadString& doc) {
  if (!SelectedWithoutCRLF(doc)) return false;
  if (doc.SelEnd() > doc.SelStart()) {
    const int64_t lo = doc.SelStart();
    const int64_t hi = doc.SelEnd();
    doc.BeginUpdate();
    doc.RedrawCurrent();
    doc.SetSelStart(hi);
    doc.SetSelEnd(lo);
    doc.RedrawCurrent();
    doc.EndUpdate();
  }
  return true;
}

}  // namespace kelp
