#include "input/mouse_select.h"

#include <algorithm>

#include "input/selection.h"

namespace kelp {

namespace {

int64_t Column(int64_t pixel, const TViewGeometry& g) { return pixel / std::max<int64_t>(g.Unit, 1); }

}  // namespace

void TMouseSelector::SetEnds(TNativePoint anchor, TNativePoint caret) {
  FDoc.BeginUpdate();
  FDoc.RedrawCurrent();
  FDoc.SetSelStartPos(anchor);
  FDoc.SetSelEndPos(caret);
  FDoc.RedrawCurrent();
  FDoc.EndUpdate();
}

// The point lies inside the selection on its row and not beyond the row's end.
bool TMouseSelector::InsideSelection(const TViewGeometry& g, int64_t x, int64_t y) {
  const TPixelRow p1 = PointToCaret(FDoc, g, x, y, true);
  const TPixelRow p0 = PointToCaret(FDoc, g, x, y, false);
  const int64_t row = std::min(p1.Y, FDoc.Count() - 1);
  bool over = false;
  const int64_t x1 = FDoc.FromCaretX(p1.X, row, over);
  const int64_t x0 = FDoc.FromCaretX(p0.X, row);
  const TNativePoint area = FDoc.GetSelectedArea(row);
  return area.X < x1 && x0 < area.Y && !over;
}

void TMouseSelector::Press(int64_t x, int64_t y, TShiftState s) {
  const TViewGeometry g = FHost.Geometry();
  FKeys.SetColKeeping(-1);
  FDDReady = false;
  FLineSelect = -1;
  FRulerDrag = false;
  const TPixelRow p1 = PointToCaret(FDoc, g, x, y, true);
  const int64_t last = FDoc.Count() - 1;

  if (y < g.ShowRuler * g.LineHeight && !OverBar(x, g)) {
    FDoubleClicked = false;
    FRulerDrag = true;
    if (FHost.RulerEnabled()) FHost.RulerDown(Column(p1.X, g));
    return;
  }
  if (OverBar(x, g)) {
    FDoc.SetBoxMode(false);
    FDoubleClicked = false;
    if (p1.Y < last) {
      FLineSelect = p1.Y;
      SetEnds({0, p1.Y + 1}, {0, p1.Y});
    } else {
      FLineSelect = last;
      SetEnds({FDoc.InternalLines().LengthOf(last), last}, {0, last});
    }
    return;
  }
  if (InsideSelection(g, x, y)) {
    FDoubleClicked = false;
    FDDReady = true;
    return;
  }
  if (FDoubleClicked) {
    FDoubleClicked = false;
    return;
  }
  const int64_t row = std::min(p1.Y, last);
  const int64_t x1 = FDoc.FromCaretX(p1.X, row);
  FDoc.SetBoxMode(s.Alt);
  MoveCaret(FDoc, {x1, row}, s.Shift);
}

TMouseCursor TMouseSelector::Move(int64_t x, int64_t y, bool captured) {
  FDoubleClicked = false;
  const TViewGeometry g = FHost.Geometry();
  const TPixelRow p1 = PointToCaret(FDoc, g, x, y, true);
  const int64_t last = FDoc.Count() - 1;
  TMouseCursor cursor;
  if (captured || y >= g.ShowRuler * g.LineHeight) {
    cursor = OverBar(x, g) || InsideSelection(g, x, y) ? TMouseCursor::Arrow : TMouseCursor::IBeam;
  } else {
    cursor = FHost.RulerEnabled() ? TMouseCursor::HSplit : TMouseCursor::Default;
  }
  if (!captured) return cursor;

  if (FRulerDrag) {
    if (FHost.RulerEnabled()) FHost.RulerMove(Column(p1.X, g));
  } else if (FLineSelect < 0) {
    if (FDDReady && FDoc.SelStart() != FDoc.SelEnd()) {
      FDDReady = false;
      FHost.StartDrag();
    } else {
      const int64_t row = std::min(p1.Y, last);
      MoveCaret(FDoc, {FDoc.FromCaretX(p1.X, row), row}, true);
    }
  } else {
    // Whole rows between the row first pressed and the pointer's row.
    const int64_t A = FLineSelect;
    const int64_t R = p1.Y;
    TLineList& lines = FDoc.InternalLines();
    if (A < R) {
      SetEnds({0, A}, R < last ? TNativePoint{0, R + 1} : TNativePoint{lines.LengthOf(last), last});
    } else {
      SetEnds(A < last ? TNativePoint{0, A + 1} : TNativePoint{lines.LengthOf(A), A}, {0, R});
    }
  }
  return cursor;
}

void TMouseSelector::Release(int64_t x, int64_t y) {
  const TViewGeometry g = FHost.Geometry();
  FKeys.SetColKeeping(-1);
  FDDReady = false;
  if (FDoubleClicked) {
    FDoubleClicked = false;
    return;
  }
  const TPixelRow p1 = PointToCaret(FDoc, g, x, y, true);
  if (FRulerDrag) {
    if (FHost.RulerEnabled()) FHost.RulerUp(Column(p1.X, g));
    FRulerDrag = false;
    return;
  }
  if (FLineSelect >= 0) return;
  // Pressed on the selection and released without dragging it: collapse there.
  const int64_t row = std::min(p1.Y, FDoc.Count() - 1);
  bool over = false;
  const int64_t x1 = FDoc.FromCaretX(p1.X, row, over);
  const TNativePoint area = FDoc.GetSelectedArea(row);
  if (area.X < x1 && x1 < area.Y && !over) MoveCaret(FDoc, {x1, row}, false);
}

bool TMouseSelector::JumpOrSelectWord(int64_t X) {
  const TWordInfo w = FHost.WordAt(std::max<int64_t>(X, 0), FDoc.EndCaret().Y);
  if (w.CanJump) {
    FHost.OpenJumpTarget(FDoc.GetString(w.Start, w.Length));
    return true;
  }
  FDoc.BeginUpdate();
  FDoc.RedrawCurrent();
  FDoc.SetSelStart(w.Start);
  FDoc.SetSelEnd(w.End());
  FDoc.RedrawCurrent();
  FDoc.EndUpdate();
  return false;
}

void TMouseSelector::DoubleClick(int64_t x, int64_t y, TShiftState s) {
  const TViewGeometry g = FHost.Geometry();
  if (OverBar(x, g)) return;
  if (y < g.ShowRuler * g.LineHeight) {
    // On the ruler the second click is a click like the first.
    Press(x, y, s);
    return;
  }
  const TPixelRow p = PointToCaret(FDoc, g, x, y, false);
  if (p.Y > FDoc.Count() - 1) return;
  bool over = false;
  const int64_t X = FDoc.FromCaretX(p.X, p.Y, over);
  if (over) return;
  if (JumpOrSelectWord(X)) return;
  // The word is selected and the point inside it: the press arms a drag of
  // the word, and the next release and press leave the caret alone.
  FDoubleClicked = true;
  Press(x, y, s);
  FDoubleClicked = true;
}

}  // namespace kelp
