#include "input/selection.h"

#include <algorithm>

namespace kelp {

namespace {

void Collapse(TNotePadString& doc, TNativePoint p) { MoveCaret(doc, p, false); }

}  // namespace

void MoveCaret(TNotePadString& doc, TNativePoint to, bool keepAnchor) {
  doc.BeginUpdate();
  doc.RedrawCurrent();
  doc.SetSelEndPos(to);
  if (!keepAnchor) doc.SetSelStartPos(doc.SelEndPos());
  doc.RedrawCurrent();
  doc.EndUpdate();
}

void MoveCaretToOffset(TNotePadString& doc, int64_t pos, bool keepAnchor) {
  doc.BeginUpdate();
  doc.RedrawCurrent();
  doc.SetSelEnd(pos);
  if (!keepAnchor) doc.SetSelStartPos(doc.SelEndPos());
  doc.RedrawCurrent();
  doc.EndUpdate();
}

int64_t SelectionStart(const TNotePadString& doc) { return doc.SelStart(); }

void SetSelectionStart(TNotePadString& doc, int64_t pos) {
  pos = std::clamp<int64_t>(pos, 0, doc.TextLength());
  if (pos == doc.SelStart()) return;
  MoveCaretToOffset(doc, pos, false);
}

int64_t SelectionLength(const TNotePadString& doc) { return doc.SelEnd() - doc.SelStart(); }

void SetSelectionLength(TNotePadString& doc, int64_t len) {
  doc.BeginUpdate();
  doc.RedrawCurrent();
  doc.SetBoxMode(false);
  doc.SetSelEnd(std::clamp<int64_t>(doc.SelStart() + len, 0, doc.TextLength()));
  doc.RedrawCurrent();
  doc.EndUpdate();
}

void Select(TNotePadString& doc, int64_t start, int64_t len) {
  const int64_t n = doc.TextLength();
  const int64_t a = std::clamp<int64_t>(start, 0, n);
  const int64_t e = std::clamp<int64_t>(start + len, 0, n);
  doc.BeginUpdate();
  doc.RedrawCurrent();
  doc.SetSelStart(a);
  doc.SetSelEnd(e);
  doc.RedrawCurrent();
  doc.EndUpdate();
}

void SelectAll(TNotePadString& doc) {
  doc.BeginUpdate();
  doc.RedrawCurrent();
  doc.SetBoxMode(false);
  doc.SetSelStart(0);
  doc.SetSelEnd(doc.TextLength());
  doc.RedrawCurrent();
  doc.EndUpdate();
}

int64_t CaretLine(TNotePadString& doc) {
  const int64_t row = doc.EndCaret().Y;
  TLineList& lines = doc.InternalLines();
  int64_t n = 0;
  for (int64_t i = 0; i < row; ++i) {
    if (lines.LineEndOf(i) != leWrap) ++n;
  }
  return n;
}

void SetCaretLine(TNotePadString& doc, int64_t a) {
  const TNativePoint p = doc.LinesPosToWrapPos(0, std::max<int64_t>(a, 0));
  if (p.Y != doc.EndCaret().Y) Collapse(doc, p);
}

int64_t CaretLineWraped(const TNotePadString& doc) { return doc.EndCaret().Y; }

void SetCaretLineWraped(TNotePadString& doc, int64_t a) {
  a = std::clamp<int64_t>(a, 0, doc.Count() - 1);
  if (a != doc.EndCaret().Y) Collapse(doc, {0, a});
}

bool BoxSelected(const TNotePadString& doc) {
  return doc.BoxMode() && doc.StartCaret().Y != doc.EndCaret().Y;
}

bool SelectedWithoutCRLF(TNotePadString& doc) {
  const TCaretPosition& s = doc.StartCaret();
  const TCaretPosition& e = doc.EndCaret();
  if (s.Position == e.Position) return false;
  if (s.Y == e.Y) return true;
  if (doc.BoxMode()) return false;
  const int64_t y0 = std::min(s.Y, e.Y);
  const int64_t y1 = std::max(s.Y, e.Y);
  TLineList& lines = doc.InternalLines();
  for (int64_t y = y0; y < y1; ++y) {
    if (lines.LineEndOf(y) != leWrap) return false;
  }
  return true;
}

}  // namespace kelp
