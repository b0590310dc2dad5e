#include "input/key_handler.h"

#include <algorithm>
#include <string>

#include "input/selection.h"

namespace kelp {

void TKeyHandler::Apply(TNativePoint to, TShiftState s) {
  FDoc.SetBoxMode(s.Shift && s.Alt);
  MoveCaret(FDoc, to, s.Shift);
}

void TKeyHandler::ApplyOffset(int64_t pos, TShiftState s) {
  FDoc.SetBoxMode(s.Shift && s.Alt);
  MoveCaretToOffset(FDoc, pos, s.Shift);
}

// The move is impossible: with Shift nothing happens; without it a selection
// collapses at the caret.
void TKeyHandler::Blocked(TShiftState s) {
  if (s.Shift) return;
  if (FDoc.StartCaret() == FDoc.EndCaret()) return;
  Apply(FDoc.SelEndPos(), s);
}

int64_t TKeyHandler::KeptColumn(int64_t newRow) {
  const TCaretPosition& e = FDoc.EndCaret();
  const int64_t p = FDoc.GetCaretX(e.X, e.Y);
  FColKeeping = std::max(FColKeeping, p);
  return FDoc.FromCaretX(FKeepCol ? FColKeeping : p, newRow);
}

void TKeyHandler::HandleKeyDown(TEditKey key, TShiftState s) {
  if (key != TEditKey::PageUp && key != TEditKey::PageDown && key != TEditKey::Up && key != TEditKey::Down) {
    FColKeeping = -1;
  }
  const TCaretPosition caret = FDoc.EndCaret();
  const int64_t row = caret.Y;
  const int64_t X = caret.X;
  const int64_t e = caret.Position;
  const int64_t last = FDoc.Count() - 1;
  TLineList& lines = FDoc.InternalLines();
  const int64_t len = lines.LengthOf(row);
  const int64_t first = FHost.FirstVisibleLine();
  const int64_t visible = FHost.VisibleLineCount();
  // Rows below the lower part of the view count as its last useful row.
  const int64_t viewBottom = first + visible - 3;

  switch (key) {
    case TEditKey::Left:
      if (!s.Ctrl) {
        if (X > 0) {
          Apply({X - 1, row}, s);
        } else if (row > 0) {
          Apply({lines.LengthOf(row - 1), row - 1}, s);
        } else {
          Blocked(s);
        }
      } else {
        if (e == 0) {
          Blocked(s);
          return;
        }
        const TWordInfo w = FHost.WordAt(X, row);
        int64_t target = w.Start;
        if (target == e) target = w.PreviousStart;
        if (target == e && e > 0) target = e - 1;
        ApplyOffset(target, s);
      }
      return;
    case TEditKey::Right:
      if (!s.Ctrl) {
        if (X < len) {
          Apply({X + 1, row}, s);
        } else if (row < last) {
          Apply({0, row + 1}, s);
        } else {
          Blocked(s);
        }
      } else {
        if (e == FDoc.TextLength()) {
          Blocked(s);
          return;
        }
        const TWordInfo w = FHost.WordAt(X, row);
        int64_t target = w.End();
        if (target == e && e < FDoc.TextLength()) target = e + 1;
        ApplyOffset(target, s);
      }
      return;
    case TEditKey::Up:
      if (row > 0) {
        const int64_t r = std::max<int64_t>(std::min(row, viewBottom) - 1, 0);
        Apply({KeptColumn(r), r}, s);
      } else if (s.Shift && !s.Alt && X > 0) {
        FColKeeping = -1;
        Apply({0, row}, s);
      } else {
        Blocked(s);
      }
      return;
    case TEditKey::Down:
      if (row < last) {
        const int64_t r = row < first ? std::min(first + 2, last) : row + 1;
        Apply({KeptColumn(r), r}, s);
      } else if (s.Shift && !s.Alt && X < len) {
        FColKeeping = -1;
        Apply({len, row}, s);
      } else {
        Blocked(s);
      }
      return;
    case TEditKey::PageUp: {
      const int64_t page = visible - 3;
      if (row > 0) {
        const int64_t r = std::max<int64_t>(std::min(row, viewBottom) - page, 0);
        const int64_t x = KeptColumn(r);
        FHost.ScrollPageUp();
        Apply({x, r}, s);
      } else {
        FHost.ScrollPageUp();
        if (s.Shift && X > 0) {
          Apply({0, row}, s);
        } else {
          Blocked(s);
        }
      }
      return;
    }
    case TEditKey::PageDown: {
      const int64_t page = visible - 3;
      if (row < last) {
        const int64_t from = row < first ? first + 2 : row;
        const int64_t r = std::clamp<int64_t>(from + page, 0, last);
        const int64_t x = KeptColumn(r);
        FHost.ScrollPageDown();
        Apply({x, r}, s);
      } else {
        FHost.ScrollPageDown();
        if (s.Shift && X < len) {
          Apply({len, row}, s);
        } else {
          Blocked(s);
        }
      }
      return;
    }
    case TEditKey::Home:
      if (!s.Ctrl) {
        if (X > 0) {
          Apply({0, row}, s);
        } else {
          Blocked(s);
        }
      } else if (X != 0 || row != 0) {
        Apply({0, 0}, s);
      } else {
        Blocked(s);
      }
      return;
    case TEditKey::End:
      if (!s.Ctrl) {
        if (X < len) {
          Apply({len, row}, s);
        } else {
          Blocked(s);
        }
      } else if (row != last || X != lines.LengthOf(last)) {
        Apply({lines.LengthOf(last), last}, s);
      } else {
        Blocked(s);
      }
      return;
    case TEditKey::Insert:
      if (s.OnlyShift()) {
        FHost.Paste();
      } else if (s.OnlyCtrl()) {
        FHost.Copy();
      }
      return;
    case TEditKey::Delete:
      if (s.OnlyShift()) {
        FHost.Cut();
      } else {
        FDoc.InputDelKey();
      }
      return;
    case TEditKey::Clear:
      if (s.OnlyCtrl()) FHost.SelectAll();
      return;
    case TEditKey::Other:
      return;
  }
}

bool TKeyHandler::InputChar(char16_t c, TShiftState s) {
  switch (c) {
    case kCharBackspace:
      FColKeeping = -1;
      FDoc.InputBackKey();
      return true;
    case kCharTab:
      FColKeeping = -1;
      if (!FDoc.DoTabIndent(s.Shift)) FDoc.SetSelText(u"\t");
      return true;
    case kCharEnter: {
      FColKeeping = -1;
      const bool indent = (FAutoIndent == 1 && !s.Shift) || (FAutoIndent == 0 && s.Shift);
      if (!indent) {
        FDoc.SetSelText(u"\n");
        return true;
      }
      const TCaretPosition lower = FDoc.SelStart() < FDoc.SelEnd() ? FDoc.StartCaret() : FDoc.EndCaret();
      const std::u16string text = u"\n" + FDoc.GetIndentString(lower.X, lower.Y);
      FDoc.SetSelText(text);
      return true;
    }
    default:
      if (c < 32) return false;
      FColKeeping = -1;
      FDoc.SetSelText(std::u16string_view(&c, 1));
      return true;
  }
}

}  // namespace kelp
