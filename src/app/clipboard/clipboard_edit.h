#pragma once
// Copy, Cut and Paste of a document's selection through the clipboard. The
// view calls these and repaints; they run the document updates themselves.

#include "document/notepad_string.h"

namespace kelp {

// The selection with the file's line ends goes to the clipboard, marked as a
// box when it is a box over more than one row. Answers whether the clipboard
// took it (an empty selection copies nothing).
bool ClipboardCopy(TNotePadString& doc);
// As ClipboardCopy; the selection is removed only when the clipboard took it.
bool ClipboardCut(TNotePadString& doc);
// Inserts the clipboard's text, as a box when the clipboard holds a box copy.
// Answers whether anything was pasted.
bool ClipboardPaste(TNotePadString& doc);
// The clipboard offers text.
bool CanPaste();

}  // namespace kelp
