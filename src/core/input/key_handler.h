#pragma once
// The editor's caret keys and character input over a document: arrow and page
// keys with their Shift, Ctrl and Alt forms, column keeping for vertical moves,
// the clipboard keys, Backspace, Delete, Tab indentation and Enter with
// automatic indentation. What only the view knows (its visible rows, the word
// under a position, the clipboard, scrolling) comes through TKeyHost.

#include <cstdint>

#include "document/notepad_string.h"
#include "input/key_types.h"
#include "input/word_at.h"

namespace kelp {

class TKeyHost {
 public:
  virtual ~TKeyHost() = default;
  virtual int64_t FirstVisibleLine() const = 0;
  virtual int64_t VisibleLineCount() const = 0;
  virtual TWordInfo WordAt(int64_t X, int64_t Y) = 0;
  virtual void Copy() = 0;
  virtual void Cut() = 0;
  virtual void Paste() = 0;
  virtual void SelectAll() = 0;
  virtual void ScrollPageUp() = 0;
  virtual void ScrollPageDown() = 0;
};

class TKeyHandler {
 public:
  TKeyHandler(TNotePadString& doc, TKeyHost& host) : FDoc(doc), FHost(host) {}

  // The remembered caret pixel X of a run of vertical moves; -1 = none.
  int64_t ColKeeping() const { return FColKeeping; }
  void SetColKeeping(int64_t v) { FColKeeping = v; }

  // Vertical moves return to the remembered column.
  bool KeepCol() const { return FKeepCol; }
  void SetKeepCol(bool v) { FKeepCol = v; }
  // 1: Enter copies the indentation unless Shift is held; 0: only with Shift; other values: never.
  int64_t AutoIndent() const { return FAutoIndent; }
  void SetAutoIndent(int64_t v) { FAutoIndent = v; }

  void HandleKeyDown(TEditKey key, TShiftState shift);
  // A character message. Answers whether the character was used (control
  // codes other than Backspace, Tab and Enter are not).
  bool InputChar(char16_t c, TShiftState shift);

 private:
  void Apply(TNativePoint to, TShiftState s);
  void ApplyOffset(int64_t pos, TShiftState s);
  void Blocked(TShiftState s);
  int64_t KeptColumn(int64_t newRow);

  TNotePadString& FDoc;
  TKeyHost& FHost;
  int64_t FColKeeping = -1;
  bool FKeepCol = false;
  int64_t FAutoIndent = 1;
};

}  // namespace kelp
