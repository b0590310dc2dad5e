#include "syntax/document_lines.h"

namespace kelp {

const char16_t* TDocumentLines::Chars() const {
  const int64_t n = FDoc.TextLength();
  if (n == 0) return u"";
  // Viewing the whole text only moves the gap inside the buffer; the text
  // itself does not change, and the document owns the buffer as a plain member.
  return const_cast<TGapBuffer&>(FDoc.InternalSB()).View(0, n).data();
}

TReparseResult ParseDocumentChange(const TNotePadMode& mode, TNotePadString& doc) {
  TDocumentLines lines(doc);
  return ParseChangedLines(mode, lines, doc.ChangedStart(), doc.ChangedEnd());
}

void ParseWholeDocument(const TNotePadMode& mode, TNotePadString& doc) {
  TDocumentLines lines(doc);
  ParseAllLines(mode, lines);
}

}  // namespace kelp
