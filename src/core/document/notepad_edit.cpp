// TNotePadString: the editing operations and their two primitives.
#include <algorithm>
#include <vector>

#include "document/notepad_string.h"

namespace kelp {

namespace {
constexpr char16_t kLF = u'\n';
constexpr char16_t kTab = u'\t';
}  // namespace

// ---------------------------------------------------------------- primitives

void TNotePadString::DeleteSelected(bool box) {
  if (FStart.Position == FEnd.Position) return;
  if (FStart.Position > FEnd.Position) std::swap(FStart, FEnd);
  if (!box) {
    const int64_t d = FEnd.Position - FStart.Position;
    FBuffer.Remove(FStart.Position, d);
    MoveMarksOnDelete(FStart.Position, d);
    FChangedStart = std::min(FChangedStart, FStart.Y);
    FChangedEnd = std::max(FChangedEnd, FEnd.Y);
    if (FStart.Y == FEnd.Y) {
      TLineData& line = FStrings.Get(FStart.Y);
      line.NeedWrap = true;
      line.Length -= d;
    } else {
      const TLineEnd lastEnd = FStrings.LineEndOf(FEnd.Y);
      const int64_t lastLen = FStrings.LengthOf(FEnd.Y);
      TLineData& line = FStrings.Get(FStart.Y);
      line.NeedWrap = true;
      line.LineEnd = lastEnd;
      line.Length = FStart.X + lastLen - FEnd.X;
      line.EndToken = line.EndElement = line.PrevToken = 0;
      line.ParseDataString.clear();
      FStrings.RemoveRange(FStart.Y + 1, FEnd.Y - FStart.Y);
    }
    FStrings.ShiftStarts(FStart.Y + 1, -d);
    FEnd = FStart;
    SetModified();
    return;
  }
  // A rectangle: every line's part is found before anything changes, then
  // each part is deleted as a stream.
  const TCaretPosition first = FStart;
  std::vector<TNativePoint> parts;
  for (int64_t y = FStart.Y; y <= FEnd.Y; ++y) parts.push_back(GetSelectedArea(y));
  for (int64_t y = first.Y; y <= first.Y + static_cast<int64_t>(parts.size()) - 1; ++y) {
    const TNativePoint a = parts[static_cast<size_t>(y - first.Y)];
    SetSelStartPos({a.X, y});
    SetSelEndPos({a.Y, y});
    DeleteSelected(false);
  }
  FStart = first;
  if (!parts.empty() && parts[0].X < FStart.X) {
    FStart.Position -= FStart.X - parts[0].X;
    FStart.X = parts[0].X;
  }
  FEnd = FStart;
}

void TNotePadString::InsertString(std::u16string_view text, bool box) {
  if (text.empty()) return;
  if (box) {
    const int64_t col = GetCaretX(FStart.X, FStart.Y);
    const int64_t y0 = FStart.Y;
    size_t from = 0;
    for (int64_t k = 0;; ++k) {
      const size_t at = text.find(kLF, from);
      const std::u16string_view piece =
          text.substr(from, at == std::u16string_view::npos ? std::u16string_view::npos : at - from);
      if (!piece.empty()) {
        while (y0 + k >= Count()) {
          const int64_t last = Count() - 1;
          FStart = FEnd = TCaretPosition{TextLength(), FStrings.LengthOf(last), last};
          InsertString(u"\n", false);
        }
        const int64_t x = FromCaretX(col, y0 + k);
        FStart = FEnd = TCaretPosition{FStrings.StartOf(y0 + k) + x, x, y0 + k};
        InsertString(piece, false);
      }
      if (at == std::u16string_view::npos) break;
      from = at + 1;
    }
    return;
  }
  const int64_t n = static_cast<int64_t>(text.size());
  const int64_t pos = FStart.Position;
  int64_t y = FStart.Y;
  FBuffer.Insert(pos, text);
  MoveMarksOnInsert(pos, n);
  FChangedStart = std::min(FChangedStart, y);
  TLineData& line = FStrings.Get(y);
  const int64_t start = line.Start;
  const int64_t oldLength = line.Length;
  line.NeedWrap = true;
  line.Length += n;
  // Every LF splits the caret's line; the records before it are made in one go.
  std::vector<TLineData> fresh;
  int64_t segment = start;
  for (size_t at = text.find(kLF); at != std::u16string_view::npos; at = text.find(kLF, at + 1)) {
    TLineData d;
    d.NeedWrap = true;
    d.LineEnd = leLF;
    d.Start = segment;
    d.Length = pos + static_cast<int64_t>(at) - segment;
    fresh.push_back(std::move(d));
    segment = pos + static_cast<int64_t>(at) + 1;
  }
  if (!fresh.empty()) {
    line.Start = segment;
    line.Length = start + oldLength + n - segment;
    const int64_t added = static_cast<int64_t>(fresh.size());
    FStrings.InsertRange(y, std::move(fresh));
    y += added;
  }
  FStrings.ShiftStarts(y + 1, n);
  FStart = FEnd = TCaretPosition{pos + n, pos + n - FStrings.StartOf(y), y};
  FChangedEnd = std::max(FChangedEnd, y);
  SetModified();
}

// ---------------------------------------------------------------- records

TUndoData TNotePadString::NewRecord(int64_t position) {
  TUndoData r;
  r.Position = position;
  r.SelStartBefore = FStart.Position;
  r.SelEndBefore = FEnd.Position;
  r.MarksBefore = FMarks;
  r.LineEndBefore = FLineEnds;
  return r;
}

void TNotePadString::PushRecord(TUndoData&& r) {
  r.MarksAfter = FMarks;
  r.LineEndAfter = FLineEnds;
  FUndoList.Add(std::move(r));
}

// Replaces [pos, pos + len) by text through the primitives.
void TNotePadString::ReplaceRange(int64_t pos, int64_t len, std::u16string_view text) {
  SetSelStart(pos);
  SetSelEnd(pos + len);
  DeleteSelected(false);
  InsertString(text, false);
}

// A box deletion followed by a stream or box insertion. The record holds the
// text from the first affected line to the end of the buffer, before and after;
// the part after the last affected line is the same on both sides and is kept
// only once, in the buffer.
void TNotePadString::BoxOperation(std::u16string_view Value, bool boxInsert) {
  TCaretPosition* L;
  TCaretPosition* H;
  Order(L, H);
  const int64_t position = FStrings.StartOf(L->Y);
  TUndoData r = NewRecord(position);
  int64_t pieces = 1;
  if (boxInsert) pieces += std::count(Value.begin(), Value.end(), kLF);
  const int64_t lastY = std::min(Count() - 1, H->Y + pieces - 1);
  const int64_t endBefore = LineEndOffset(lastY);
  const int64_t lengthBefore = TextLength();
  r.Deleted = FBuffer.Substr(position, endBefore - position);
  DeleteSelected(boxInsert ? FBoxMode : true);
  InsertString(Value, boxInsert);
  const int64_t endAfter = TextLength() - (lengthBefore - endBefore);
  r.Added = FBuffer.Substr(position, endAfter - position);
  r.SharedTail = true;
  r.SelStartAfter = r.SelEndAfter = FEnd.Position;
  PushRecord(std::move(r));
}

// ---------------------------------------------------------------- operations

void TNotePadString::SetSelText(std::u16string_view Value) {
  const std::u16string text = NormalizeLineEnds(Value, nullptr);
  BeginUpdate();
  if (FBoxMode) {
    BoxOperation(text, false);
  } else {
    const int64_t position = std::min(FStart.Position, FEnd.Position);
    TUndoData r = NewRecord(position);
    r.Deleted = GetSelText();
    r.Added = text;
    DeleteSelected(false);
    InsertString(text, false);
    r.SelStartAfter = r.SelEndAfter = position + static_cast<int64_t>(text.size());
    PushRecord(std::move(r));
  }
  WrapNeeded();
  EndUpdate();
}

void TNotePadString::SetSelTextBox(std::u16string_view Value) {
  const std::u16string text = NormalizeLineEnds(Value, nullptr);
  BeginUpdate();
  BoxOperation(text, true);
  WrapNeeded();
  EndUpdate();
}

void TNotePadString::InputBackKey() {
  if (FStart.Position != FEnd.Position) {
    SetSelText(u"");
    return;
  }
  FEnd = FStart;
  for (;;) {
    if (FEnd.X == 0 && FEnd.Y == 0) return;
    if (FEnd.X == 0 && FStrings.LineEndOf(FEnd.Y - 1) == leWrap) {
      FEnd.Y -= 1;
      FEnd.X = FStrings.LengthOf(FEnd.Y);
      continue;
    }
    SetSelEnd(FEnd.Position - 1);
    break;
  }
  BeginUpdate();
  const int64_t caret = FStart.Position;
  TUndoData r = NewRecord(FEnd.Position);
  r.SelStartBefore = r.SelEndBefore = caret;
  r.Deleted = FBuffer.Substr(FEnd.Position, caret - FEnd.Position);
  DeleteSelected(false);
  r.SelStartAfter = r.SelEndAfter = r.Position;
  PushRecord(std::move(r));
  WrapNeeded();
  EndUpdate();
}

void TNotePadString::InputDelKey() {
  if (FStart.Position != FEnd.Position) {
    SetSelText(u"");
    return;
  }
  for (;;) {
    const int64_t len = FStrings.LengthOf(FEnd.Y);
    if (FEnd.X == len) {
      const TLineEnd le = FStrings.LineEndOf(FEnd.Y);
      if (le == leNone) {
        FEnd = FStart;  // end of the text: nothing to delete
        return;
      }
      if (le == leWrap) {
        FEnd = TCaretPosition{FEnd.Position, 0, FEnd.Y + 1};
        continue;
      }
    }
    SetSelEnd(FEnd.Position + 1);
    break;
  }
  BeginUpdate();
  const int64_t caret = FStart.Position;
  TUndoData r = NewRecord(caret);
  r.SelStartBefore = r.SelEndBefore = caret;
  r.Deleted = FBuffer.Substr(caret, FEnd.Position - caret);
  DeleteSelected(false);
  r.SelStartAfter = r.SelEndAfter = r.Position;
  PushRecord(std::move(r));
  WrapNeeded();
  EndUpdate();
}

bool TNotePadString::DoTabIndent(bool unindent) {
  if (FBoxMode || FStart.Position == FEnd.Position) return false;
  if (FStart.Y == FEnd.Y) {
    const int64_t lo = std::min(FStart.X, FEnd.X);
    const int64_t hi = std::max(FStart.X, FEnd.X);
    if (lo != 0 || hi != FStrings.LengthOf(FStart.Y)) return false;
  }
  BeginUpdate();
  TCaretPosition lower = FStart.Position < FEnd.Position ? FStart : FEnd;
  TCaretPosition upper = FStart.Position < FEnd.Position ? FEnd : FStart;
  bool moved = false;
  // The lower end goes to the start of its logical line.
  int64_t y = lower.Y;
  while (y > 0 && FStrings.LineEndOf(y - 1) == leWrap) --y;
  if (y != lower.Y || lower.X != 0) {
    lower = TCaretPosition{FStrings.StartOf(y), 0, y};
    moved = true;
  }
  // The upper end goes to the end of its logical line, unless it stands at the
  // start of a logical line.
  const bool atLogicalStart = upper.X == 0 && (upper.Y == 0 || FStrings.LineEndOf(upper.Y - 1) != leWrap);
  if (!atLogicalStart) {
    int64_t u = upper.Y;
    while (FStrings.LineEndOf(u) == leWrap) ++u;
    const TCaretPosition end{LineEndOffset(u), FStrings.LengthOf(u), u};
    if (!(end == upper)) {
      upper = end;
      moved = true;
    }
  }
  if (moved) {
    FStart = lower;
    FEnd = upper;
  }
  const std::u16string text = GetSelText();
  std::u16string joined;
  joined.reserve(text.size() + text.size() / 8);
  bool changed = false;
  size_t from = 0;
  while (from < text.size()) {
    size_t at = text.find(kLF, from);
    const size_t end = at == std::u16string::npos ? text.size() : at + 1;
    const std::u16string_view line(text.data() + from, end - from);
    if (unindent) {
      if (!line.empty() && line[0] == kTab) {
        joined.append(line.substr(1));
        changed = true;
      } else {
        joined.append(line);
      }
    } else {
      if (!line.empty() && line != u"\n") {
        joined += kTab;
        changed = true;
      }
      joined.append(line);
    }
    from = end;
  }
  if (changed) {
    const int64_t start = std::min(FStart.Position, FEnd.Position);
    SetSelText(joined);
    SetSelStart(start);
    SetSelEnd(start + static_cast<int64_t>(joined.size()));
    // The step leaves the new block selected, and says so.
    TUndoData* r = FUndoList.TopUndo();
    r->SelStartAfter = FStart.Position;
    r->SelEndAfter = FEnd.Position;
  }
  EndUpdate();
  return true;
}

void TNotePadString::DragMove(TNativePoint dstpos) {
  if (FBoxMode) return;
  const TCaretPosition dst = PositionOfLine(dstpos.X, dstpos.Y);
  const int64_t t = dst.Position;
  const int64_t L = std::min(FStart.Position, FEnd.Position);
  const int64_t H = std::max(FStart.Position, FEnd.Position);
  if (L <= t && t <= H) return;
  BeginUpdate();
  const int64_t moved = H - L;
  int64_t anchor, caret;
  TUndoData r;
  if (t < L) {
    r = NewRecord(t);
    r.Deleted = FBuffer.Substr(t, H - t);
    r.Added = FBuffer.Substr(L, moved) + FBuffer.Substr(t, L - t);
    anchor = t + moved;
    caret = t;
    ReplaceRange(t, H - t, r.Added);
  } else {
    r = NewRecord(L);
    r.Deleted = FBuffer.Substr(L, t - L);
    r.Added = FBuffer.Substr(H, t - H) + FBuffer.Substr(L, moved);
    anchor = t - moved;
    caret = t;
    ReplaceRange(L, t - L, r.Added);
  }
  SetSelStart(anchor);
  SetSelEnd(caret);
  r.SelStartAfter = anchor;
  r.SelEndAfter = caret;
  PushRecord(std::move(r));
  WrapNeeded();
  EndUpdate();
}

void TNotePadString::ReplaseWithoutSelect(std::u16string_view Value, int64_t AStart, int64_t ALength) {
  const std::u16string text = NormalizeLineEnds(Value, nullptr);
  BeginUpdate();
  const int64_t start = std::clamp<int64_t>(AStart, 0, TextLength());
  const int64_t length = std::clamp<int64_t>(ALength, 0, TextLength() - start);
  TUndoData r = NewRecord(start);
  SetSelStart(start);
  SetSelEnd(start + length);
  r.Deleted = FBuffer.Substr(start, length);
  r.Added = text;
  DeleteSelected(false);
  InsertString(text, false);
  r.SelStartAfter = r.SelEndAfter = start + static_cast<int64_t>(text.size());
  PushRecord(std::move(r));
  WrapNeeded();
  EndUpdate();
}

}  // namespace kelp
