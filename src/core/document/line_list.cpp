#include "document/line_list.h"

#include <algorithm>

namespace kelp {

TLineList::TLineList(int64_t size) {
  blocks_.emplace_back();
  blocks_.back().lines.reserve(static_cast<size_t>(std::clamp<int64_t>(size, 1, kBlock)));
}

size_t TLineList::BlockOf(int64_t i) const {
  const size_t n = blocks_.size();
  size_t h = last_block_ < n ? last_block_ : 0;
  const Block& hb = blocks_[h];
  if (i >= hb.first && i < hb.first + static_cast<int64_t>(hb.lines.size())) return h;
  size_t lo = 0, hi = n;  // first block whose first > i, minus one
  while (lo + 1 < hi) {
    const size_t mid = (lo + hi) / 2;
    if (blocks_[mid].first <= i) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  // Skip empty blocks that share the same first index.
  while (lo + 1 < n && blocks_[lo + 1].first <= i) ++lo;
  last_block_ = lo;
  return lo;
}

void TLineList::Materialize(Block& b) {
  if (b.shift == 0) return;
  for (TLineData& d : b.lines) d.Start += b.shift;
  b.shift = 0;
}

void TLineList::Renumber(size_t from) {
  int64_t first =
      from == 0 ? 0 : blocks_[from - 1].first + static_cast<int64_t>(blocks_[from - 1].lines.size());
  for (size_t k = from; k < blocks_.size(); ++k) {
    blocks_[k].first = first;
    first += static_cast<int64_t>(blocks_[k].lines.size());
  }
  count_ = first;
}

// Drops empty blocks, splits oversized ones and merges small neighbours near
// `around`, then renumbers.
void TLineList::Tidy(size_t around) {
  size_t lo = around > 2 ? around - 2 : 0;
  size_t hi = std::min(blocks_.size(), around + 3);
  for (size_t k = lo; k < hi && blocks_.size() > 1;) {
    if (blocks_[k].lines.empty()) {
      blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(k));
      --hi;
    } else {
      ++k;
    }
  }
  hi = std::min(hi, blocks_.size());
  for (size_t k = lo; k < hi; ++k) {
    if (blocks_[k].lines.size() > kMaxBlock) {
      Materialize(blocks_[k]);
      Block tail;
      const auto half = blocks_[k].lines.begin() + static_cast<std::ptrdiff_t>(blocks_[k].lines.size() / 2);
      tail.lines.assign(std::make_move_iterator(half), std::make_move_iterator(blocks_[k].lines.end()));
      blocks_[k].lines.erase(half, blocks_[k].lines.end());
      blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(k + 1), std::move(tail));
      ++hi;
    }
  }
  for (size_t k = lo; k + 1 < std::min(hi, blocks_.size());) {
    if (blocks_[k].lines.size() + blocks_[k + 1].lines.size() <= kBlock) {
      Materialize(blocks_[k]);
      Materialize(blocks_[k + 1]);
      auto& dst = blocks_[k].lines;
      auto& src = blocks_[k + 1].lines;
      dst.insert(dst.end(), std::make_move_iterator(src.begin()), std::make_move_iterator(src.end()));
      blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(k + 1));
      --hi;
    } else {
      ++k;
    }
  }
  if (blocks_.empty()) blocks_.emplace_back();
  last_block_ = 0;
  Renumber(lo < blocks_.size() ? lo : 0);
}

TLineData& TLineList::Get(int64_t Index) {
  Block& b = blocks_[BlockOf(Index)];
  Materialize(b);
  return b.lines[static_cast<size_t>(Index - b.first)];
}

int64_t TLineList::StartOf(int64_t i) const {
  const Block& b = blocks_[BlockOf(i)];
  return b.lines[static_cast<size_t>(i - b.first)].Start + b.shift;
}

void TLineList::Add(const TLineData& data) {
  Block* b = &blocks_.back();
  if (b->lines.size() >= kBlock) {
    Block fresh;
    fresh.first = count_;
    fresh.lines.reserve(kBlock);
    blocks_.push_back(std::move(fresh));
    b = &blocks_.back();
  }
  Materialize(*b);
  b->lines.push_back(data);
  ++count_;
}

void TLineList::Insert(int64_t index, const TLineData& data) {
  if (index >= count_) {
    Add(data);
    return;
  }
  const size_t k = BlockOf(index);
  Block& b = blocks_[k];
  Materialize(b);
  b.lines.insert(b.lines.begin() + (index - b.first), data);
  if (b.lines.size() > kMaxBlock) {
    Tidy(k);
  } else {
    ++count_;
    for (size_t j = k + 1; j < blocks_.size(); ++j) ++blocks_[j].first;
  }
}

void TLineList::InsertRange(int64_t index, std::vector<TLineData>&& lines) {
  if (lines.empty()) return;
  if (lines.size() == 1) {
    Insert(index, lines[0]);
    return;
  }
  size_t k;
  size_t at;
  if (index >= count_) {
    k = blocks_.size() - 1;
    at = blocks_[k].lines.size();
  } else {
    k = BlockOf(index);
    at = static_cast<size_t>(index - blocks_[k].first);
  }
  Block& b = blocks_[k];
  Materialize(b);
  if (b.lines.size() + lines.size() <= kMaxBlock) {
    b.lines.insert(b.lines.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(lines.begin()),
                   std::make_move_iterator(lines.end()));
    Tidy(k);
    return;
  }
  // Split the block at the insertion point and put whole new blocks between.
  Block tail;
  tail.lines.assign(std::make_move_iterator(b.lines.begin() + static_cast<std::ptrdiff_t>(at)),
                    std::make_move_iterator(b.lines.end()));
  b.lines.erase(b.lines.begin() + static_cast<std::ptrdiff_t>(at), b.lines.end());
  std::vector<Block> fresh;
  for (size_t i = 0; i < lines.size(); i += kBlock) {
    Block nb;
    const size_t e = std::min(lines.size(), i + kBlock);
    nb.lines.assign(std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(i)),
                    std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(e)));
    fresh.push_back(std::move(nb));
  }
  fresh.push_back(std::move(tail));
  const size_t nfresh = fresh.size();
  blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(k + 1), std::make_move_iterator(fresh.begin()),
                 std::make_move_iterator(fresh.end()));
  Renumber(k);
  Tidy(k + nfresh);
  Tidy(k);
}

void TLineList::RemoveRange(int64_t index, int64_t Len) {
  if (Len <= 0) return;
  size_t k = BlockOf(index);
  const size_t k0 = k;
  size_t at = static_cast<size_t>(index - blocks_[k].first);
  int64_t left = Len;
  while (left > 0 && k < blocks_.size()) {
    Block& b = blocks_[k];
    const size_t take = std::min<size_t>(static_cast<size_t>(left), b.lines.size() - at);
    if (at == 0 && take == b.lines.size()) {
      b.lines.clear();
      b.lines.shrink_to_fit();
    } else {
      b.lines.erase(b.lines.begin() + static_cast<std::ptrdiff_t>(at),
                    b.lines.begin() + static_cast<std::ptrdiff_t>(at + take));
    }
    left -= static_cast<int64_t>(take);
    at = 0;
    ++k;
  }
  // Remove the emptied blocks in one sweep.
  size_t w = k0 + 1;
  for (size_t r = k0 + 1; r < blocks_.size(); ++r) {
    if (!blocks_[r].lines.empty() || r >= k) {
      if (w != r) blocks_[w] = std::move(blocks_[r]);
      ++w;
    }
  }
  blocks_.resize(w);
  Tidy(k0);
}

void TLineList::ReplaceRange(int64_t index, int64_t Len, std::vector<TLineData>&& lines) {
  if (Len > 0 && !lines.empty()) {
    const size_t k = BlockOf(index);
    Block& b = blocks_[k];
    const int64_t at = index - b.first;
    if (at + Len <= static_cast<int64_t>(b.lines.size()) &&
        b.lines.size() - static_cast<size_t>(Len) + lines.size() <= kMaxBlock) {
      // Within one block: overwrite, then insert or erase the difference.
      Materialize(b);
      const size_t common = std::min<size_t>(static_cast<size_t>(Len), lines.size());
      auto pos = b.lines.begin() + at;
      std::move(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(common), pos);
      if (lines.size() > common) {
        b.lines.insert(pos + static_cast<std::ptrdiff_t>(common),
                       std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(common)),
                       std::make_move_iterator(lines.end()));
      } else if (static_cast<size_t>(Len) > common) {
        b.lines.erase(pos + static_cast<std::ptrdiff_t>(common), pos + Len);
      }
      if (static_cast<size_t>(Len) != lines.size()) {
        const int64_t delta = static_cast<int64_t>(lines.size()) - Len;
        count_ += delta;
        for (size_t j = k + 1; j < blocks_.size(); ++j) blocks_[j].first += delta;
        if (b.lines.size() > kMaxBlock || b.lines.size() < kBlock / 4) Tidy(k);
      }
      return;
    }
  }
  RemoveRange(index, Len);
  InsertRange(index, std::move(lines));
}

void TLineList::Clear() {
  blocks_.clear();
  blocks_.emplace_back();
  count_ = 0;
  last_block_ = 0;
}

void TLineList::ShiftStarts(int64_t from, int64_t delta) {
  if (from >= count_ || delta == 0) return;
  const size_t k = BlockOf(from);
  Block& b = blocks_[k];
  for (size_t i = static_cast<size_t>(from - b.first); i < b.lines.size(); ++i) b.lines[i].Start += delta;
  for (size_t j = k + 1; j < blocks_.size(); ++j) blocks_[j].shift += delta;
}

int64_t TLineList::FindEndingAtOrAfter(int64_t pos, int64_t from) const {
  // Line ends (Start + Length) never decrease down the list.
  auto end_of = [](const Block& b, size_t i) { return b.lines[i].Start + b.shift + b.lines[i].Length; };
  size_t lo = 0, hi = blocks_.size();
  while (lo < hi) {  // first block whose last line ends at or after pos
    const size_t mid = (lo + hi) / 2;
    const Block& b = blocks_[mid];
    if (b.lines.empty() || end_of(b, b.lines.size() - 1) < pos) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  int64_t k;
  if (lo >= blocks_.size()) {
    k = count_ - 1;
  } else {
    const Block& b = blocks_[lo];
    size_t a = 0, z = b.lines.size() - 1;
    while (a < z) {
      const size_t mid = (a + z) / 2;
      if (end_of(b, mid) < pos) {
        a = mid + 1;
      } else {
        z = mid;
      }
    }
    k = b.first + static_cast<int64_t>(a);
  }
  return std::max(k, from);
}

int64_t TLineList::FindStartingAtOrBefore(int64_t pos) const {
  auto start_of = [](const Block& b, size_t i) { return b.lines[i].Start + b.shift; };
  size_t lo = 0, hi = blocks_.size();
  while (lo < hi) {  // first block whose first line starts after pos
    const size_t mid = (lo + hi) / 2;
    const Block& b = blocks_[mid];
    if (b.lines.empty() || start_of(b, 0) <= pos) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  while (lo > 0 && blocks_[lo - 1].lines.empty()) --lo;
  if (lo == 0) return 0;
  const Block& b = blocks_[lo - 1];
  size_t a = 0, z = b.lines.size() - 1;
  while (a < z) {  // last line of b starting at or before pos
    const size_t mid = (a + z + 1) / 2;
    if (start_of(b, mid) <= pos) {
      a = mid;
    } else {
      z = mid - 1;
    }
  }
  return b.first + static_cast<int64_t>(a);
}

}  // namespace kelp
