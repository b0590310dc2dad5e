#include "view/document_target.h"

namespace kelp {

const char16_t* DocumentChars(TNotePadString& doc) {
  static const char16_t kEmpty[1] = {0};
  const int64_t n = doc.TextLength();
  if (n == 0) return kEmpty;
  // The document itself is not const here; only its buffer's gap moves.
  return const_cast<TGapBuffer&>(doc.InternalSB()).View(0, n).data();
}

const char16_t* TDocumentTarget::Chars() const { return DocumentChars(FDoc); }

}  // namespace kelp
