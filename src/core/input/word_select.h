#pragma once
// Selecting words, and turning a selection around for reconversion by the
// input method.

#include <cstdint>
#include <string>

#include "document/notepad_string.h"
#include "input/word_at.h"

namespace kelp {

// Selects the word at offset X of row Y: the anchor at its start, the caret at its end.
void SelectWord(TNotePadString& doc, const TWordTokenizer& tokenizer, int64_t X, int64_t Y);
// Collapses the selection onto the anchor, then selects the word there.
void SelectWordFromCaret(TNotePadString& doc, const TWordTokenizer& tokenizer);
// The text of the word at the anchor.
std::u16string GetWordFromCaret(TNotePadString& doc, const TWordTokenizer& tokenizer);

// A selection the input method may reconvert: not empty and without line
// breaks. When the caret stands after the anchor the selection is turned
// around (anchor at its end, caret at its start). Answers whether the
// selection may be reconverted.
bool PrepareReconvert(TNotePadString& doc);

}  // namespace kelp
