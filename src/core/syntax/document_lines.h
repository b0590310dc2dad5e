#pragma once
// The parse target of an editor's document, and the re-parse the view runs
// when the document reports an edit (OnNeedParse) or when the mode changes.

#include "document/notepad_string.h"
#include "syntax/parse_target.h"
#include "syntax/reparse.h"

namespace kelp {

// The display lines and text of a TNotePadString. The text is read as one
// contiguous run, so the first read after an edit closes the buffer's gap
// (moving the shorter side of it); reads are valid until the text changes.
class TDocumentLines final : public TParseTarget {
 public:
  explicit TDocumentLines(TNotePadString& doc) : FDoc(doc) {}
  int64_t LineCount() const override { return FDoc.Count(); }
  TLineData* LineAt(int64_t index) override { return &FDoc.Items(index); }
  const char16_t* Chars() const override;
  int64_t CharCount() const override { return FDoc.TextLength(); }

 private:
  TNotePadString& FDoc;
};

// OnNeedParse: re-parses the document's changed display lines (ChangedStart
// to ChangedEnd), widened to whole logical lines. Spilled tells the view to
// repaint everything.
TReparseResult ParseDocumentChange(const TNotePadMode& mode, TNotePadString& doc);

// A new mode (or a new text): parses every line of the document.
void ParseWholeDocument(const TNotePadMode& mode, TNotePadString& doc);

}  // namespace kelp
