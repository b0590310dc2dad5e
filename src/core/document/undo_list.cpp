#include "document/undo_list.h"

namespace kelp {

TUndoList::TUndoList() = default;

TUndoList::~TUndoList() { Clear(); }

void TUndoList::FreeAll(TPointerList& list) {
  for (int64_t i = 0; i < list.Count(); ++i) delete static_cast<TUndoData*>(list.Get(i));
  list.Clear();
}

void TUndoList::Add(const TUndoData& data) { Add(TUndoData(data)); }

void TUndoList::Add(TUndoData&& data) {
  FUndoData.Add(new TUndoData(std::move(data)));
  FreeAll(FRedoData);
}

void TUndoList::Undo() {
  void* p = FUndoData.Get(FUndoData.Count() - 1);
  FUndoData.Remove(FUndoData.Count() - 1, 1);
  FRedoData.Add(p);
}

void TUndoList::Redo() {
  void* p = FRedoData.Get(FRedoData.Count() - 1);
  FRedoData.Remove(FRedoData.Count() - 1, 1);
  FUndoData.Add(p);
}

void TUndoList::Clear() {
  FreeAll(FUndoData);
  FreeAll(FRedoData);
}

}  // namespace kelp
