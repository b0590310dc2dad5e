#pragma once
// What the view does after an edit and on a change of mode: re-parse the
// changed display lines, widened to whole logical lines, and tell whether
// the change of state spilled over into later lines.

#include <cstdint>

#include "syntax/notepad_mode.h"
#include "syntax/parse_target.h"

namespace kelp {

struct TReparseResult {
  int64_t First = 0;    // first line parsed (start of its logical line)
  int64_t Last = 0;     // last changed line, widened to the end of its logical line
  int64_t Reached = 0;  // last line the state pass reached
  // The state change ran on past Last + 1: the whole view must be repainted.
  bool Spilled = false;
};

// Re-parses the display lines changedStart..changedEnd of `target` with a
// parser of `mode`.
TReparseResult ParseChangedLines(const TNotePadMode& mode, TParseTarget& target, int64_t changedStart,
                                 int64_t changedEnd);

// Parses every line of `target` (after the mode changed or the text was
// replaced).
void ParseAllLines(const TNotePadMode& mode, TParseTarget& target);

}  // namespace kelp
