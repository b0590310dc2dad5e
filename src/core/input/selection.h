#pragma once
// The selection as the editor view offers it: offsets of anchor and caret,
// selecting ranges, the caret's logical and display line, and the questions
// about the selection's shape. Each change runs inside one document update.

#include <cstdint>

#include "document/notepad_string.h"

namespace kelp {

// The anchor offset.
int64_t SelectionStart(const TNotePadString& doc);
// Collapses the selection at pos (clamped to the text); nothing when pos is the anchor already.
void SetSelectionStart(TNotePadString& doc, int64_t pos);
// Caret minus anchor: negative when the caret stands before the anchor.
int64_t SelectionLength(const TNotePadString& doc);
// Box mode off; the caret goes to anchor + len, clamped to the text.
void SetSelectionLength(TNotePadString& doc, int64_t len);
// Anchor at start, caret at start + len, both clamped to the text.
void Select(TNotePadString& doc, int64_t start, int64_t len);
// Box mode off; everything selected, the caret at the end.
void SelectAll(TNotePadString& doc);

// The logical line (from 0) of the caret.
int64_t CaretLine(TNotePadString& doc);
// Collapses the selection at the start of logical line a, unless the caret's row is that row already.
void SetCaretLine(TNotePadString& doc, int64_t a);
// The caret's display row.
int64_t CaretLineWraped(const TNotePadString& doc);
// Collapses the selection at the start of display row a, unless the caret is on that row.
void SetCaretLineWraped(TNotePadString& doc, int64_t a);

// Box mode with the two ends on different rows.
bool BoxSelected(const TNotePadString& doc);
// The selection is not empty and holds no line break.
bool SelectedWithoutCRLF(TNotePadString& doc);

// Moves the caret to (X, Y); without keepAnchor the anchor follows (the
// selection collapses). Runs in one document update that redraws the rows of
// both ends.
void MoveCaret(TNotePadString& doc, TNativePoint to, bool keepAnchor);
// The same to a text offset.
void MoveCaretToOffset(TNotePadString& doc, int64_t pos, bool keepAnchor);

}  // namespace kelp
