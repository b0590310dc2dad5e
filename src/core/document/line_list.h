#pragma once
// The display lines of a document, in order. Records are kept by value in
// blocks of at most a few thousand lines; each block carries a pending shift of
// the `Start` offsets of its lines, applied when one of its records is handed
// out. Moving the starts of every line after an edit therefore costs one
// addition per block, and no line costs a heap allocation of its own.
//
// A reference returned by Get stays valid until lines are inserted or removed.

#include <cstdint>
#include <vector>

#include "document/line_data.h"

namespace kelp {

class TLineList {
 public:
  explicit TLineList(int64_t size = 0);

  int64_t Count() const { return count_; }

  // The live record of line Index, with its Start up to date.
  TLineData& Get(int64_t Index);
  void Put(int64_t Index, const TLineData& data) { Get(Index) = data; }
  void Add(const TLineData& data);
  void Insert(int64_t index, const TLineData& data);
  void InsertRange(int64_t index, std::vector<TLineData>&& lines);
  void RemoveRange(int64_t index, int64_t Len);
  // Replaces Len lines at index by `lines`.
  void ReplaceRange(int64_t index, int64_t Len, std::vector<TLineData>&& lines);
  void Clear();

  // Start += delta for every line from `from` on.
  void ShiftStarts(int64_t from, int64_t delta);

  // Reading without handing out the record.
  int64_t StartOf(int64_t i) const;
  int64_t LengthOf(int64_t i) const { return At(i).Length; }
  TLineEnd LineEndOf(int64_t i) const { return At(i).LineEnd; }
  bool NeedWrapOf(int64_t i) const { return At(i).NeedWrap; }

  // Smallest k >= from with Start(k) + Length(k) >= pos (the last line if none).
  int64_t FindEndingAtOrAfter(int64_t pos, int64_t from) const;
  // Largest k with Start(k) <= pos (0 if none).
  int64_t FindStartingAtOrBefore(int64_t pos) const;

 private:
  struct Block {
    int64_t first = 0;  // index of the block's first line
    int64_t shift = 0;  // pending addition to every Start of the block
    std::vector<TLineData> lines;
  };
  static constexpr size_t kBlock = 1024;     // lines per block when built in one go
  static constexpr size_t kMaxBlock = 4096;  // a block is split beyond this

  size_t BlockOf(int64_t i) const;
  const TLineData& At(int64_t i) const {
    const Block& b = blocks_[BlockOf(i)];
    return b.lines[static_cast<size_t>(i - b.first)];
  }
  void Materialize(Block& b);
  void Renumber(size_t from);
  void Tidy(size_t around);

  std::vector<Block> blocks_;
  int64_t count_ = 0;
  mutable size_t last_block_ = 0;  // the block found last, tried first
};

}  // namespace kelp
