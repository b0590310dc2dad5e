// TNotePadString: undo, redo and the line marks.
#include <algorithm>

#include "document/notepad_string.h"

namespace kelp {

namespace {
constexpr char16_t kLF = u'\n';
}

// A complete copy of a stored record. onUndoStack: r is the top of the undo
// stack (the text is as r left it); otherwise the top of the redo stack (the
// text is as r found it).
TUndoData TNotePadString::Complete(const TUndoData& r, bool onUndoStack) {
  TUndoData c = r;
  c.WholeText = false;
  if (c.AddedIsText) {
    c.Added = FBuffer.GetString();
    c.AddedIsText = false;
  }
  if (c.SharedTail) {
    const int64_t from = c.Position + static_cast<int64_t>(onUndoStack ? c.Added.size() : c.Deleted.size());
    const std::u16string tail = FBuffer.Substr(from, TextLength() - from);
    c.Deleted += tail;
    c.Added += tail;
    c.SharedTail = false;
  }
  return c;
}

TUndoData TNotePadString::GetLastUndo() { return Complete(*FUndoList.TopUndo(), true); }
TUndoData TNotePadString::GetLastRedo() { return Complete(*FUndoList.TopRedo(), false); }

void TNotePadString::Undo() {
  if (!CanUndo()) return;
  BeginUpdate();
  TUndoData* R = FUndoList.TopUndo();
  if (R->AddedIsText) {
    R->Added = FBuffer.GetString();
    R->AddedIsText = false;
  }
  ReplaceRange(R->Position, static_cast<int64_t>(R->Added.size()), R->Deleted);
  FUndoList.Undo();
  SetSelStart(R->SelStartBefore);
  SetSelEnd(R->SelEndBefore);
  FLineEnds = R->LineEndBefore;
  RedrawCurrent();
  WrapNeeded();
  FMarks = R->MarksBefore;
  // The record's tail runs to the end of the text.
  if (R->SharedTail) FChangedEnd = std::max(FChangedEnd, Count() - 1);
  EndUpdate();
}

void TNotePadString::Redo() {
  if (!CanRedo()) return;
  BeginUpdate();
  TUndoData* R = FUndoList.TopRedo();
  ReplaceRange(R->Position, static_cast<int64_t>(R->Deleted.size()), R->Added);
  FUndoList.Redo();
  SetSelStart(R->SelStartAfter);
  SetSelEnd(R->SelEndAfter);
  FLineEnds = R->LineEndAfter;
  RedrawCurrent();
  FMarks = R->MarksAfter;
  WrapNeeded();
  if (R->WholeText) {
    // The text itself holds Added again.
    R->Added = std::u16string();
    R->AddedIsText = true;
  }
  if (R->SharedTail) FChangedEnd = std::max(FChangedEnd, Count() - 1);
  EndUpdate();
}

// ---------------------------------------------------------------- marks

// Moves v back to the start of its logical line; an offset at or beyond the
// end of the text lands on the start of the last non-empty line.
int64_t TNotePadString::MarkLineStart(int64_t v) const {
  const int64_t len = TextLength();
  while (v > 0 && !(v < len && FBuffer.At(v - 1) == kLF)) --v;
  return v;
}

void TNotePadString::AddMark(int64_t Value) {
  const int64_t v = MarkLineStart(Value);
  const auto it = std::lower_bound(FMarks.begin(), FMarks.end(), v);
  if (it != FMarks.end() && *it == v) return;
  FMarks.insert(it, v);
}

void TNotePadString::RemoveMarks(int64_t Index, int64_t n) {
  const auto first = FMarks.begin() + Index;
  FMarks.erase(first, first + n);
}

void TNotePadString::MoveMarksOnInsert(int64_t a, int64_t n) {
  if (FMarks.empty()) return;
  for (int64_t& m : FMarks) {
    if (m >= a) m += n;
  }
  size_t w = 0;
  for (size_t i = 0; i < FMarks.size(); ++i) {
    const int64_t m = MarkLineStart(FMarks[i]);
    if (w > 0 && FMarks[w - 1] >= m) continue;
    FMarks[w++] = m;
  }
  FMarks.resize(w);
}

void TNotePadString::MoveMarksOnDelete(int64_t a, int64_t n) {
  if (FMarks.empty()) return;
  size_t w = 0;
  for (size_t i = 0; i < FMarks.size(); ++i) {
    int64_t m = FMarks[i];
    if (m > a + n) {
      m -= n;
    } else if (m >= a) {
      m = MarkLineStart(a);
    }
    if (w > 0 && FMarks[w - 1] >= m) continue;
    FMarks[w++] = m;
  }
  FMarks.resize(w);
}

}  // namespace kelp
