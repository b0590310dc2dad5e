#include "input/drop_rules.h"

#include <algorithm>

namespace kelp {

TDropEffect DropEnterEffect(TDropKind kind, bool enabled, bool ownData, bool ctrl, bool boxMode) {
  if (!enabled) return deNone;
  switch (kind) {
    case TDropKind::Link:
      return deLink;
    case TDropKind::Text:
      if (boxMode) return deNone;
      return ownData && !ctrl ? deMove : deCopy;
    case TDropKind::Files:
      return deCopy;
    case TDropKind::None:
      break;
  }
  return deNone;
}

TDropEffect DropOverEffect(TDropEffect entered, TDropKind kind, bool ownData, bool ctrl) {
  if (entered == deNone || kind == TDropKind::Files) return entered;
  if (ownData && (entered == deCopy || entered == deMove)) return ctrl ? deCopy : deMove;
  return entered;
}

TNativePoint DropCaretAt(TNotePadString& doc, const TViewGeometry& g, int64_t x, int64_t y) {
  const TPixelRow p = PointToCaret(doc, g, x, y, true);
  const int64_t row = std::min(p.Y, doc.Count() - 1);
  return {std::max<int64_t>(doc.FromCaretX(p.X, row), 0), row};
}

int DragScrollStep(const TViewGeometry& g, int64_t y, int64_t clientHeight) {
  if (y > clientHeight - 2 * g.LineHeight) return 1;
  if (y < (g.ShowRuler + 2) * g.LineHeight) return -1;
  return 0;
}

bool DropTextAllowed(TNotePadString& doc, TNativePoint at) {
  if (doc.BoxMode()) return false;
  const TNativePoint area = doc.GetSelectedArea(at.Y);
  return !(area.X < at.X && at.X < area.Y);
}

bool DropText(TNotePadString& doc, TNativePoint at, std::u16string_view text, TDropEffect effect) {
  if (text.empty() || !DropTextAllowed(doc, at)) return false;
  if (effect == deMove) {
    const int64_t steps = doc.UndoCount();
    doc.DragMove(at);
    return doc.UndoCount() != steps;
  }
  doc.BeginUpdate();
  doc.RedrawCurrent();
  doc.SetSelStartPos(at);
  doc.SetSelEndPos(at);
  const int64_t offset = doc.SelStart();
  doc.SetSelText(text);
  doc.SetSelStart(offset);
  doc.RedrawCurrent();
  doc.EndUpdate();
  return true;
}

}  // namespace kelp
