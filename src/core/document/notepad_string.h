#pragma once
// TNotePadString: the document of one editor. It holds the text (LF line ends
// only), its display lines, the selection, the line-end convention of the
// file, the undo stack and the line marks, and tells its owner which display
// lines changed.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "document/gap_buffer.h"
#include "document/line_data.h"
#include "document/line_list.h"
#include "document/undo_list.h"

namespace kelp {

inline constexpr int64_t MinWrapByte = 20;
inline constexpr int64_t MaxWrapByte = 4000;

// CR LF and a lone CR become LF. When the text holds a line end, *found is set
// to the kind of the last one met (lsLF, lsCRLF or lsCR); otherwise it is left.
std::u16string NormalizeLineEnds(std::u16string_view text, TLineEnds* found);

class TNotePadString {
 public:
  using TNotifyEvent = std::function<void(TNotePadString& sender)>;

  TNotePadString();
  TNotePadString(const TNotePadString&) = delete;
  TNotePadString& operator=(const TNotePadString&) = delete;

  // Construction and reset.
  void ClearAll();
  void ClearUndo() { FUndoList.Clear(); }
  void ClearModified() { FModified = false; }
  bool Modified() const { return FModified; }

  // Updates: every change runs inside one; the outermost end re-wraps (when
  // asked) and calls OnChanged.
  void BeginUpdate();
  void EndUpdate();
  void RedrawCurrent();

  // Display lines.
  int64_t Count() const { return FStrings.Count(); }
  TLineData& Items(int64_t Index) { return FStrings.Get(Index); }
  TLineData& GetItems(int64_t Index) { return FStrings.Get(Index); }
  void SetItems(int64_t Index, const TLineData& data) { FStrings.Put(Index, data); }
  // The line list itself, for code that builds display lines by hand.
  TLineList& InternalLines() { return FStrings; }
  int64_t GetLineLength(int64_t Y);
  std::u16string GetLineString(int64_t X, int64_t Y, int64_t& XX);
  std::u16string GetIndentString(int64_t X, int64_t Y);
  int64_t GetCaretX(int64_t X, int64_t Y);
  int64_t FromCaretX(int64_t X, int64_t Y, bool& over);
  int64_t FromCaretX(int64_t X, int64_t Y) {
    bool over;
    return FromCaretX(X, Y, over);
  }
  TNativePoint LinesPosToWrapPos(int64_t X, int64_t Y);

  // Reading the text.
  int64_t TextLength() const { return FBuffer.Length(); }
  const TGapBuffer& InternalSB() const { return FBuffer; }
  // The whole text as one run, valid until the next change. Gathering it
  // moves the buffer's gap, which leaves the text as it is.
  std::u16string_view TextView() { return FBuffer.View(0, FBuffer.Length()); }
  char16_t CharAt(int64_t pos) const { return FBuffer.At(pos); }
  std::u16string GetString(int64_t start, int64_t len) const { return FBuffer.Substr(start, len); }
  // The characters of display line Y (without its LF); valid until the next change.
  std::u16string_view LineView(int64_t Y);

  std::u16string GetText() const { return FBuffer.GetString(); }
  std::u16string Text() const { return GetText(); }
  std::u16string GetTextIf() const;
  std::u16string TextIf() const { return GetTextIf(); }
  std::u16string GetTextCR() const;
  std::u16string GetTextLF() const;
  std::u16string GetTextCRLF() const;
  std::u16string GetReturnedString();
  void SetText(std::u16string_view Value);
  // The same, for a text the caller gives away: its storage is freed as soon
  // as the document has its own copy, before the lines are built.
  void SetText(std::u16string&& Value);
  void SetText(const std::u16string& Value) { SetText(std::u16string_view(Value)); }
  void SetText(const char16_t* Value) { SetText(std::u16string_view(Value)); }

  // Selection.
  const TCaretPosition& StartCaret() const { return FStart; }
  const TCaretPosition& EndCaret() const { return FEnd; }
  int64_t SelStart() const { return FStart.Position; }
  int64_t SelEnd() const { return FEnd.Position; }
  void SetSelStart(int64_t pos);
  void SetSelEnd(int64_t pos);
  TNativePoint SelStartPos() const { return {FStart.X, FStart.Y}; }
  TNativePoint SelEndPos() const { return {FEnd.X, FEnd.Y}; }
  void SetSelStartPos(TNativePoint P);
  void SetSelEndPos(TNativePoint P);
  int64_t SelLength() const;
  void SelEndToSelStart() { FEnd = FStart; }
  TNativePoint GetSelectedArea(int64_t Y);
  std::u16string GetSelText();
  std::u16string SelText() { return GetSelText(); }
  std::u16string GetSelTextIf();
  std::u16string SelTextIf() { return GetSelTextIf(); }

  // Editing.
  void SetSelText(std::u16string_view Value);
  void SetSelTextBox(std::u16string_view Value);
  void InputBackKey();
  void InputDelKey();
  bool DoTabIndent(bool unindent);
  void DragMove(TNativePoint dstpos);
  void ReplaseWithoutSelect(std::u16string_view Value, int64_t AStart, int64_t ALength);

  // Undo and redo.
  void Undo();
  void Redo();
  bool CanUndo() const { return FUndoList.CanUndo(); }
  bool CanRedo() const { return FUndoList.CanRedo(); }
  // Complete copies of the top records.
  TUndoData GetLastUndo();
  TUndoData GetLastRedo();
  int64_t UndoCount() const { return FUndoList.UndoCount(); }
  int64_t RedoCount() const { return FUndoList.RedoCount(); }

  // Marks: logical lines, kept as sorted text offsets of their starts.
  void AddMark(int64_t Value);
  void DeleteMark(int64_t Index) { RemoveMarks(Index, 1); }
  int64_t MarkCount() const { return static_cast<int64_t>(FMarks.size()); }
  int64_t GetMarks(int64_t Index) const { return FMarks[static_cast<size_t>(Index)]; }
  int64_t Marks(int64_t Index) const { return GetMarks(Index); }
  const AInteger& MarkArray() const { return FMarks; }

  // Settings.
  bool BoxMode() const { return FBoxMode; }
  void SetBoxMode(bool v) { FBoxMode = v; }
  int64_t WrapByte() const { return FWrapByte; }
  void SetWrapByte(int64_t n);
  int64_t TabCount() const { return FTabCount; }
  void SetTabCount(int64_t n);
  TLineEnds LineEnds() const { return FLineEnds; }
  bool ParseDone() const { return FParseDone; }
  int64_t ChangedStart() const { return FChangedStart; }
  int64_t ChangedEnd() const { return FChangedEnd; }
  int64_t CountBeforeChanged() const { return FCountBeforeChanged; }
  int64_t UpdateCount() const { return FUpdateCount; }

  // Callbacks.
  const TNotifyEvent& OnChanged() const { return FOnChanged; }
  void SetOnChanged(TNotifyEvent f) { FOnChanged = std::move(f); }
  const TNotifyEvent& OnChanging() const { return FOnChanging; }
  void SetOnChanging(TNotifyEvent f) { FOnChanging = std::move(f); }
  const TNotifyEvent& OnModified() const { return FOnModified; }
  void SetOnModified(TNotifyEvent f) { FOnModified = std::move(f); }
  const TNotifyEvent& OnNeedParse() const { return FOnNeedParse; }
  void SetOnNeedParse(TNotifyEvent f) { FOnNeedParse = std::move(f); }

 private:
  // Positions.
  void Walk(TCaretPosition& E, int64_t pos);
  void AbsoluteWalk();
  TCaretPosition PositionOfLine(int64_t X, int64_t Y);
  void Order(TCaretPosition*& L, TCaretPosition*& H);
  int64_t LineEndOffset(int64_t Y) const { return FStrings.StartOf(Y) + FStrings.LengthOf(Y); }

  // Primitives.
  void ReplaceText(std::u16string_view text, TLineEnds before, std::u16string* owned);
  void ResetText();
  void DeleteSelected(bool box);
  void InsertString(std::u16string_view text, bool box);
  void SetModified();
  void DoChanging();
  void DoChanged();

  // Records.
  TUndoData NewRecord(int64_t position);
  void PushRecord(TUndoData&& r);
  TUndoData Complete(const TUndoData& r, bool onUndoStack);
  void ReplaceRange(int64_t pos, int64_t len, std::u16string_view text);
  void BoxOperation(std::u16string_view Value, bool boxInsert);

  // Marks.
  int64_t MarkLineStart(int64_t v) const;
  void MoveMarksOnInsert(int64_t a, int64_t n);
  void MoveMarksOnDelete(int64_t a, int64_t n);
  void RemoveMarks(int64_t Index, int64_t n);

  // Wrapping.
  int64_t BreakLength(const char16_t* p, int64_t len, int64_t absStart) const;
  template <class Sink>
  void WrapText(const char16_t* p, int64_t start, int64_t len, TLineEnd last, Sink&& sink) const;
  void WrapAll();
  void WrapNeeded();

  TGapBuffer FBuffer;
  TCaretPosition FStart;
  TCaretPosition FEnd;
  int64_t FChangedStart = 0;
  int64_t FChangedEnd = 0;
  int64_t FCountBeforeChanged = 0;
  TLineList FStrings;
  TUndoList FUndoList;
  int64_t FWrapByte = MaxWrapByte;
  int64_t FTabCount = 8;
  bool FBoxMode = false;
  bool FModified = false;
  int64_t FUpdateCount = 0;
  bool FNeedWrapAll = false;
  bool FParseDone = false;
  AInteger FMarks;
  TLineEnds FLineEnds = lsCRLF;
  // The text was replaced in one piece and the display lines are rebuilt from
  // it when the update ends.
  bool FLinesStale = false;
  TNotifyEvent FOnChanged;
  TNotifyEvent FOnChanging;
  TNotifyEvent FOnModified;
  TNotifyEvent FOnNeedParse;
};

}  // namespace kelp
