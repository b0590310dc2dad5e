#pragma once
// The word (or link) under a document position, found by running a word
// tokenizer over the position's whole logical line.

#include <cstdint>
#include <functional>
#include <string_view>

#include "document/notepad_string.h"

namespace kelp {

// What the tokenizer answers about one logical line and a position in it:
// the token covering the position (offsets within the line), the start of the
// token before it, and whether the token is a jump target (a link or an
// existing path).
struct TLineToken {
  int64_t Start = 0;
  int64_t Length = 0;
  int64_t Previous = 0;
  bool CanJump = false;
};

using TWordTokenizer = std::function<TLineToken(std::u16string_view line, int64_t position)>;

// The same, in buffer offsets of the document.
struct TWordInfo {
  int64_t Start = 0;
  int64_t Length = 0;
  int64_t PreviousStart = 0;
  bool CanJump = false;
  int64_t End() const { return Start + Length; }
};

// The word at offset X of display row Y. Rows joined by wraps count as one
// logical line. Without a tokenizer the answer is an empty word at the position.
TWordInfo WordAt(TNotePadString& doc, const TWordTokenizer& tokenizer, int64_t X, int64_t Y);

}  // namespace kelp
