#pragma once
// Undo and redo records of a document, on two stacks.

#include <cstdint>
#include <string>

#include "document/line_data.h"
#include "document/pointer_list.h"

namespace kelp {

// One change: at Position, the text Deleted was replaced by Added.
struct TUndoData {
  int64_t Position = 0;
  int64_t SelStartBefore = 0;
  int64_t SelEndBefore = 0;
  int64_t SelStartAfter = 0;
  int64_t SelEndAfter = 0;
  std::u16string Deleted;
  std::u16string Added;
  AInteger MarksBefore;
  AInteger MarksAfter;
  TLineEnds LineEndBefore = lsCRLF;
  TLineEnds LineEndAfter = lsCRLF;

  // How the document keeps large records compactly. Records handed out by the
  // document (GetLastUndo, GetLastRedo) are always complete, with both flags off.
  //
  // AddedIsText: Added is not stored; it is the whole text of the document
  // whenever this record is the top of the undo stack (a whole-text replacement).
  bool AddedIsText = false;
  // WholeText: the record replaces the whole text (kept with AddedIsText when
  // it is on the undo stack).
  bool WholeText = false;
  // SharedTail: Deleted and Added both lack the same tail: the rest of the text
  // after them, which the change did not touch (box operations).
  bool SharedTail = false;
};

class TUndoList {
 public:
  TUndoList();
  ~TUndoList();
  TUndoList(const TUndoList&) = delete;
  TUndoList& operator=(const TUndoList&) = delete;

  // Pushes a copy of data and frees every redo record.
  void Add(const TUndoData& data);
  void Add(TUndoData&& data);
  // Move the top record between the stacks; callers check CanUndo/CanRedo.
  void Undo();
  void Redo();
  TUndoData GetLastUndo() const { return *TopUndo(); }
  TUndoData GetLastRedo() const { return *TopRedo(); }
  TUndoData* TopUndo() const { return static_cast<TUndoData*>(FUndoData.Get(FUndoData.Count() - 1)); }
  TUndoData* TopRedo() const { return static_cast<TUndoData*>(FRedoData.Get(FRedoData.Count() - 1)); }
  bool CanUndo() const { return FUndoData.Count() > 0; }
  bool CanRedo() const { return FRedoData.Count() > 0; }
  int64_t UndoCount() const { return FUndoData.Count(); }
  int64_t RedoCount() const { return FRedoData.Count(); }
  void Clear();

 private:
  static void FreeAll(TPointerList& list);

  TPointerList FUndoData;
  TPointerList FRedoData;
};

}  // namespace kelp
