// TNotePadString: construction, the update protocol, positions, selection and
// reading or replacing the whole text.
#include "document/notepad_string.h"

#include <algorithm>

#include "width/char_width.h"

namespace kelp {

namespace {
constexpr char16_t kLF = u'\n';
constexpr char16_t kCR = u'\r';
constexpr char16_t kTab = u'\t';

std::u16string_view LineEndText(TLineEnds le) {
  switch (le) {
    case lsCR:
      return u"\r";
    case lsLF:
      return u"\n";
    case lsCRLF:
      break;
  }
  return u"\r\n";
}

// Copies text with every LF written as `le`.
std::u16string ConvertLF(std::u16string_view text, std::u16string_view le) {
  if (le == u"\n") return std::u16string(text);
  std::u16string out;
  out.reserve(text.size() + text.size() / 16);
  size_t from = 0;
  for (;;) {
    const size_t at = text.find(kLF, from);
    if (at == std::u16string_view::npos) break;
    out.append(text.substr(from, at - from));
    out.append(le);
    from = at + 1;
  }
  out.append(text.substr(from));
  return out;
}
}  // namespace

std::u16string NormalizeLineEnds(std::u16string_view text, TLineEnds* found) {
  std::u16string out;
  out.reserve(text.size());
  bool any = false;
  TLineEnds last = lsLF;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == kCR) {
      any = true;
      if (i + 1 < text.size() && text[i + 1] == kLF) {
        ++i;
        last = lsCRLF;
      } else {
        last = lsCR;
      }
      out += kLF;
    } else {
      if (c == kLF) {
        any = true;
        last = lsLF;
      }
      out += c;
    }
  }
  if (any && found) *found = last;
  return out;
}

TNotePadString::TNotePadString() {
  FWrapByte = MaxWrapByte;
  FTabCount = 8;
  FNeedWrapAll = false;
  TLineData empty;
  FStrings.Add(empty);
  ClearAll();
  FLineEnds = lsCRLF;
}

// ---------------------------------------------------------------- updates

void TNotePadString::ClearAll() {
  BeginUpdate();
  ResetText();
  FUndoList.Clear();
  FModified = false;
  EndUpdate();
}

void TNotePadString::BeginUpdate() {
  if (++FUpdateCount == 1) DoChanging();
}

void TNotePadString::EndUpdate() {
  if (FUpdateCount <= 0) return;  // an unmatched end changes nothing
  --FUpdateCount;
  DoChanged();
}

void TNotePadString::DoChanging() {
  if (FOnChanging) FOnChanging(*this);
  FChangedStart = std::min(FStart.Y, FEnd.Y);
  FChangedEnd = std::max(FStart.Y, FEnd.Y);
  FCountBeforeChanged = Count();
  FParseDone = false;
}

void TNotePadString::DoChanged() {
  if (FUpdateCount > 0) return;
  if (FNeedWrapAll) {
    FNeedWrapAll = false;
    FChangedStart = 0;
    FChangedEnd = Count() - 1;
    WrapAll();
  }
  if (FOnChanged) FOnChanged(*this);
}

void TNotePadString::RedrawCurrent() {
  FChangedStart = std::min({FChangedStart, FStart.Y, FEnd.Y});
  FChangedEnd = std::max({FChangedEnd, FStart.Y, FEnd.Y});
}

void TNotePadString::SetModified() {
  if (FModified) return;
  FModified = true;
  if (FOnModified) FOnModified(*this);
}

void TNotePadString::ResetText() {
  FChangedStart = 0;
  FChangedEnd = std::max(FChangedEnd, Count() - 1);
  FCountBeforeChanged += 1;
  FStart = FEnd = TCaretPosition{};
  FStrings.Clear();
  FBuffer.Clear();
  FMarks.clear();
  TLineData empty;
  FStrings.Add(empty);
  FLinesStale = false;
  SetModified();
}

void TNotePadString::SetTabCount(int64_t n) {
  const int64_t v = (n == 2 || n == 4 || n == 6 || n == 8) ? n : 8;
  if (v == FTabCount) return;
  BeginUpdate();
  FChangedStart = 0;
  FChangedEnd = Count() - 1;
  FTabCount = v;
  FNeedWrapAll = true;
  EndUpdate();
}

void TNotePadString::SetWrapByte(int64_t n) {
  BeginUpdate();
  FChangedStart = 0;
  FChangedEnd = Count() - 1;
  FWrapByte = std::clamp(n, MinWrapByte, MaxWrapByte);
  FNeedWrapAll = true;
  EndUpdate();
}

// ---------------------------------------------------------------- positions

void TNotePadString::Walk(TCaretPosition& E, int64_t pos) {
  // Forward: the first line from E's on whose end reaches pos (a wrap boundary
  // stays at the end of the upper line). Backward: the nearest line above that
  // starts at or before pos (a wrap boundary lands at offset 0 of the lower line).
  const int64_t y = std::clamp<int64_t>(E.Y, 0, Count() - 1);
  int64_t k;
  if (pos >= FStrings.StartOf(y)) {
    k = FStrings.FindEndingAtOrAfter(pos, y);
  } else {
    k = FStrings.FindStartingAtOrBefore(pos);
  }
  E = TCaretPosition{pos, pos - FStrings.StartOf(k), k};
}

void TNotePadString::AbsoluteWalk() {
  const int64_t len = TextLength();
  FStart.Position = std::clamp<int64_t>(FStart.Position, 0, len);
  FEnd.Position = std::clamp<int64_t>(FEnd.Position, 0, len);
  const int64_t k = FStrings.FindEndingAtOrAfter(FStart.Position, 0);
  FStart = TCaretPosition{FStart.Position, FStart.Position - FStrings.StartOf(k), k};
  if (FEnd.Position == FStart.Position) {
    FEnd = FStart;
  } else {
    const int64_t e = FStrings.FindEndingAtOrAfter(FEnd.Position, 0);
    FEnd = TCaretPosition{FEnd.Position, FEnd.Position - FStrings.StartOf(e), e};
  }
}

TCaretPosition TNotePadString::PositionOfLine(int64_t X, int64_t Y) {
  const int64_t y = std::clamp<int64_t>(Y, 0, Count() - 1);
  const int64_t x = std::clamp<int64_t>(X, 0, FStrings.LengthOf(y));
  return TCaretPosition{FStrings.StartOf(y) + x, x, y};
}

void TNotePadString::SetSelStart(int64_t pos) {
  pos = std::clamp<int64_t>(pos, 0, TextLength());
  if (pos == FEnd.Position) {
    FStart = FEnd;
  } else {
    Walk(FStart, pos);
  }
}

void TNotePadString::SetSelEnd(int64_t pos) {
  pos = std::clamp<int64_t>(pos, 0, TextLength());
  if (pos == FStart.Position) {
    FEnd = FStart;
  } else {
    Walk(FEnd, pos);
  }
}

void TNotePadString::SetSelStartPos(TNativePoint P) { FStart = PositionOfLine(P.X, P.Y); }
void TNotePadString::SetSelEndPos(TNativePoint P) { FEnd = PositionOfLine(P.X, P.Y); }

int64_t TNotePadString::SelLength() const {
  const int64_t d = FEnd.Position - FStart.Position;
  return d < 0 ? -d : d;
}

// L is the end on the upper display line (on one line, the left one).
void TNotePadString::Order(TCaretPosition*& L, TCaretPosition*& H) {
  L = &FStart;
  H = &FEnd;
  if (FEnd.Y < FStart.Y || (FEnd.Y == FStart.Y && FEnd.X < FStart.X)) std::swap(L, H);
}

TNativePoint TNotePadString::GetSelectedArea(int64_t Y) {
  TCaretPosition* L;
  TCaretPosition* H;
  Order(L, H);
  if (L->Y == H->Y && L->X == H->X) return {0, 0};
  if (Y < L->Y || Y > H->Y) return {0, 0};
  if (FBoxMode) {
    const int64_t a = GetCaretX(L->X, L->Y);
    const int64_t b = GetCaretX(H->X, H->Y);
    if (a == b) return {0, 0};
    bool over = false;
    const int64_t x1 = FromCaretX(std::min(a, b), Y, over);
    int64_t x2 = FromCaretX(std::max(a, b), Y, over);
    if (x1 == x2 && !over) x2 += 1;  // a column narrower than one character still takes it
    return {x1, x2};
  }
  const int64_t x1 = Y == L->Y ? L->X : -1;
  const int64_t x2 = Y == H->Y ? H->X : FStrings.LengthOf(Y) + (FStrings.LineEndOf(Y) == leLF ? 1 : 0);
  return {x1, x2};
}

// ---------------------------------------------------------------- lines and columns

int64_t TNotePadString::GetLineLength(int64_t Y) {
  return FStrings.LengthOf(Y) + (FStrings.LineEndOf(Y) == leLF ? 1 : 0);
}

std::u16string_view TNotePadString::LineView(int64_t Y) {
  return FBuffer.View(FStrings.StartOf(Y), FStrings.LengthOf(Y));
}

std::u16string TNotePadString::GetLineString(int64_t X, int64_t Y, int64_t& XX) {
  int64_t first = Y;
  XX = X;
  while (first > 0 && FStrings.LineEndOf(first - 1) == leWrap) {
    --first;
    XX += FStrings.LengthOf(first);
  }
  const int64_t start = FStrings.StartOf(first);
  int64_t end = FBuffer.Find(kLF, start);
  if (end < 0) end = TextLength();
  return FBuffer.Substr(start, end - start);
}

std::u16string TNotePadString::GetIndentString(int64_t X, int64_t Y) {
  while (Y > 0 && FStrings.LineEndOf(Y - 1) == leWrap) {
    --Y;
    X += GetLineLength(Y);
  }
  const std::u16string_view line = LineView(Y);
  const int64_t limit = std::min<int64_t>(X, static_cast<int64_t>(line.size()));
  int64_t n = 0;
  while (n < limit && (line[n] == kTab || line[n] == u' ' || line[n] == u'\u3000')) ++n;
  if (n == static_cast<int64_t>(line.size()) && FStrings.LineEndOf(Y) == leWrap) return {};
  return std::u16string(line.substr(0, static_cast<size_t>(n)));
}

int64_t TNotePadString::GetCaretX(int64_t X, int64_t Y) {
  const int64_t y = std::clamp<int64_t>(Y, 0, Count() - 1);
  const std::u16string_view line = LineView(y);
  const int64_t len = static_cast<int64_t>(line.size());
  const int64_t U = WidthUnit();
  const int64_t n = std::clamp<int64_t>(X, 0, len);
  int64_t x = 0;
  for (int64_t k = 0; k < n; ++k) {
    const char16_t c = line[k];
    x += c == kTab ? TabPixelWidth(x, U, FTabCount) : CharPixelWidth(c);
  }
  if (X == len + 1) x += U;  // just past the end, where the line-end mark is drawn
  return x;
}

int64_t TNotePadString::FromCaretX(int64_t X, int64_t Y, bool& over) {
  over = false;
  const int64_t y = std::clamp<int64_t>(Y, 0, Count() - 1);
  const std::u16string_view line = LineView(y);
  const int64_t len = static_cast<int64_t>(line.size());
  const int64_t U = WidthUnit();
  if (X < 0) X = 0;
  int64_t x = 0;
  for (int64_t k = 0;; ++k) {
    if (x == X) return k;
    if (x > X) return k - 1;
    if (k == len) {
      over = true;
      return len;
    }
    const char16_t c = line[k];
    x += c == kTab ? TabPixelWidth(x, U, FTabCount) : CharPixelWidth(c);
  }
}

TNativePoint TNotePadString::LinesPosToWrapPos(int64_t X, int64_t Y) {
  const int64_t n = Count();
  int64_t line = 0;
  for (int64_t logical = 0; logical < Y; ++line) {
    if (line >= n) return {FStrings.LengthOf(n - 1), n - 1};
    if (FStrings.LineEndOf(line) == leLF) ++logical;
  }
  if (line >= n) return {FStrings.LengthOf(n - 1), n - 1};
  if (X < 0) X = 0;
  while (X > FStrings.LengthOf(line) && FStrings.LineEndOf(line) == leWrap) {
    X -= FStrings.LengthOf(line);
    ++line;
  }
  return {std::min(X, FStrings.LengthOf(line)), line};
}

// ---------------------------------------------------------------- text out

std::u16string TNotePadString::GetTextIf() const {
  return ConvertLF(FBuffer.GetString(), LineEndText(FLineEnds));
}
std::u16string TNotePadString::GetTextCR() const { return ConvertLF(FBuffer.GetString(), u"\r"); }
std::u16string TNotePadString::GetTextLF() const { return FBuffer.GetString(); }
std::u16string TNotePadString::GetTextCRLF() const { return ConvertLF(FBuffer.GetString(), u"\r\n"); }

std::u16string TNotePadString::GetReturnedString() {
  const std::u16string_view le = LineEndText(FLineEnds);
  std::u16string out;
  out.reserve(static_cast<size_t>(TextLength() + Count()));
  for (int64_t i = 0; i < Count(); ++i) {
    out.append(LineView(i));
    if (FStrings.LineEndOf(i) != leNone) out.append(le);
  }
  return out;
}

std::u16string TNotePadString::GetSelText() {
  if (FStart.Position == FEnd.Position) return {};
  if (FBoxMode && FStart.Y != FEnd.Y) {
    std::u16string out;
    const int64_t y0 = std::min(FStart.Y, FEnd.Y);
    const int64_t y1 = std::max(FStart.Y, FEnd.Y);
    for (int64_t y = y0; y <= y1; ++y) {
      const TNativePoint a = GetSelectedArea(y);
      if (a.Y > a.X) out.append(FBuffer.Substr(FStrings.StartOf(y) + a.X, a.Y - a.X));
      out += kLF;
    }
    return out;
  }
  const int64_t lo = std::min(FStart.Position, FEnd.Position);
  return FBuffer.Substr(lo, SelLength());
}

std::u16string TNotePadString::GetSelTextIf() { return ConvertLF(GetSelText(), LineEndText(FLineEnds)); }

// ---------------------------------------------------------------- text in

void TNotePadString::SetText(std::u16string_view Value) {
  const TLineEnds before = FLineEnds;
  if (Value.find(kCR) != std::u16string_view::npos) {
    std::u16string normalized = NormalizeLineEnds(Value, &FLineEnds);
    ReplaceText(normalized, before, &normalized);
    return;
  }
  if (Value.find(kLF) != std::u16string_view::npos) FLineEnds = lsLF;
  ReplaceText(Value, before, nullptr);
}

void TNotePadString::SetText(std::u16string&& Value) {
  std::u16string text = std::move(Value);
  const TLineEnds before = FLineEnds;
  if (text.find(kCR) != std::u16string::npos) {
    // Normalise in place: the text only gets shorter.
    size_t w = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      const char16_t c = text[i];
      if (c == kCR) {
        if (i + 1 < text.size() && text[i + 1] == kLF) {
          ++i;
          FLineEnds = lsCRLF;
        } else {
          FLineEnds = lsCR;
        }
        text[w++] = kLF;
      } else {
        if (c == kLF) FLineEnds = lsLF;
        text[w++] = c;
      }
    }
    text.resize(w);
  } else if (text.find(kLF) != std::u16string::npos) {
    FLineEnds = lsLF;
  }
  ReplaceText(text, before, &text);
}

// Replaces the whole text by `text` (normalised) as one undoable step. When
// `owned` holds the text, it is released once the buffer has a copy.
void TNotePadString::ReplaceText(std::u16string_view text, TLineEnds before, std::u16string* owned) {
  BeginUpdate();
  TUndoData r;
  r.Position = 0;
  r.SelStartBefore = FStart.Position;
  r.SelEndBefore = FEnd.Position;
  r.MarksBefore = FMarks;
  r.Deleted = FBuffer.GetString();
  // The added text is the document's whole text whenever this record is the
  // top of the undo stack; it is copied out only when the record is undone.
  r.AddedIsText = true;
  r.WholeText = true;
  r.LineEndBefore = before;
  ResetText();
  if (FUpdateCount == 1 && !text.empty()) {
    // The buffer takes the text (its storage, when it is ours to take), and the
    // display lines are rebuilt from it when this update ends.
    if (owned) {
      FBuffer.Adopt(std::move(*owned));
    } else {
      FBuffer.Insert(0, text);
    }
    FLinesStale = true;
    SetModified();
  } else {
    InsertString(text, false);
  }
  if (owned) std::u16string().swap(*owned);  // really release what is left
  r.MarksAfter = FMarks;
  r.LineEndAfter = FLineEnds;
  FUndoList.Add(std::move(r));
  FStart = FEnd = TCaretPosition{};
  FNeedWrapAll = true;
  EndUpdate();
}

}  // namespace kelp
