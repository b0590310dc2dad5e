#include "syntax/document_lines.h"

namespace kelp {

const char16_t* TDocumentLines::Chars() const {
  const int64_t n = FDoc.TextLength();
  if (n == 0) return u"";
  return FDoc.TextView().data();
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
