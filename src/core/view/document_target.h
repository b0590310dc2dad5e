#pragma once
// The document as the syntax parsers see it: its display lines and its text
// in one piece.

#include "document/notepad_string.h"
#include "syntax/parse_target.h"

namespace kelp {

class TDocumentTarget final : public TParseTarget {
 public:
  explicit TDocumentTarget(TNotePadString& doc) : FDoc(doc) {}
  int64_t LineCount() const override { return FDoc.Count(); }
  TLineData* LineAt(int64_t index) override { return &FDoc.Items(index); }
  // Closes the buffer's gap, so the pointer stays valid until the next edit.
  const char16_t* Chars() const override;
  int64_t CharCount() const override { return FDoc.TextLength(); }

 private:
  TNotePadString& FDoc;
};

// The whole text of `doc` in one piece (see TDocumentTarget::Chars).
const char16_t* DocumentChars(TNotePadString& doc);

}  // namespace kelp
