#include "document/gap_buffer.h"

#include <algorithm>
#include <cstring>

namespace kelp {

namespace {
constexpr size_t kUnit = sizeof(char16_t);
}  // namespace

void TGapBuffer::MoveGap(int64_t pos) {
  if (pos == gap_start_) return;
  const int64_t gap = gap_end_ - gap_start_;
  char16_t* b = Data();
  if (pos < gap_start_) {
    std::memmove(b + pos + gap, b + pos, static_cast<size_t>(gap_start_ - pos) * kUnit);
  } else {
    std::memmove(b + gap_start_, b + gap_end_, static_cast<size_t>(pos - gap_start_) * kUnit);
  }
  gap_start_ = pos;
  gap_end_ = pos + gap;
}

// Makes room for n more code units in the gap.
void TGapBuffer::Reserve(int64_t n) {
  const int64_t gap = gap_end_ - gap_start_;
  if (gap >= n) return;
  const int64_t len = Length();
  // A thirty-second of the text as slack: the copy is amortised over that
  // many inserted units, and a large text costs little more than itself.
  const int64_t slack = std::max<int64_t>((len + n) / 32, 4096);
  const int64_t cap = len + n + slack;
  const int64_t tail = cap_ - gap_end_;
  // Head, gap and tail are written once each into storage reserved untouched.
  std::u16string fresh;
  fresh.reserve(static_cast<size_t>(cap));
  fresh.append(Data(), static_cast<size_t>(gap_start_));
  fresh.append(static_cast<size_t>(cap - tail - gap_start_), char16_t{0});
  fresh.append(Data() + gap_end_, static_cast<size_t>(tail));
  store_ = std::move(fresh);
  gap_end_ = cap - tail;
  cap_ = cap;
}

void TGapBuffer::Insert(int64_t pos, const char16_t* s, int64_t n) {
  if (n <= 0) return;
  if (gap_end_ - gap_start_ < n) {
    // Reallocating copies everything anyway: put the gap at pos while copying.
    MoveGap(std::clamp<int64_t>(pos, 0, Length()));
    Reserve(n);
  }
  MoveGap(pos);
  std::memcpy(Data() + gap_start_, s, static_cast<size_t>(n) * kUnit);
  gap_start_ += n;
}

void TGapBuffer::Remove(int64_t pos, int64_t n) {
  if (n <= 0) return;
  MoveGap(pos);
  gap_end_ += n;
}

void TGapBuffer::Clear() {
  std::u16string().swap(store_);
  cap_ = gap_start_ = gap_end_ = 0;
}

void TGapBuffer::Adopt(std::u16string&& text) {
  store_ = std::move(text);
  gap_start_ = static_cast<int64_t>(store_.size());
  // Within the capacity (no reallocation), and no more than the usual slack,
  // so that spare capacity never written stays untouched.
  const size_t slack = std::max<size_t>(store_.size() / 32, 4096);
  store_.resize(std::min(store_.capacity(), store_.size() + slack));
  cap_ = static_cast<int64_t>(store_.size());
  gap_end_ = cap_;
}

void TGapBuffer::CopyTo(int64_t pos, int64_t n, char16_t* out) const {
  if (n <= 0) return;
  const char16_t* b = Data();
  const int64_t end = pos + n;
  if (end <= gap_start_) {
    std::memcpy(out, b + pos, static_cast<size_t>(n) * kUnit);
  } else if (pos >= gap_start_) {
    std::memcpy(out, b + pos + (gap_end_ - gap_start_), static_cast<size_t>(n) * kUnit);
  } else {
    const int64_t first = gap_start_ - pos;
    std::memcpy(out, b + pos, static_cast<size_t>(first) * kUnit);
    std::memcpy(out + first, b + gap_end_, static_cast<size_t>(n - first) * kUnit);
  }
}

std::u16string TGapBuffer::Substr(int64_t pos, int64_t n) const {
  std::u16string s;
  if (n <= 0) return s;
  s.resize(static_cast<size_t>(n));
  CopyTo(pos, n, s.data());
  return s;
}

std::u16string_view TGapBuffer::View(int64_t pos, int64_t n) {
  if (n <= 0) return {};
  if (pos < gap_start_ && pos + n > gap_start_) {
    // Move the gap to whichever end of the range costs less.
    if (gap_start_ - pos < pos + n - gap_start_) {
      MoveGap(pos);
    } else {
      MoveGap(pos + n);
    }
  }
  const char16_t* p = pos < gap_start_ ? Data() + pos : Data() + pos + (gap_end_ - gap_start_);
  return std::u16string_view(p, static_cast<size_t>(n));
}

int64_t TGapBuffer::Find(char16_t c, int64_t from) const {
  const int64_t len = Length();
  const char16_t* b = Data();
  if (from < gap_start_) {
    const char16_t* p = std::char_traits<char16_t>::find(b + from, static_cast<size_t>(gap_start_ - from), c);
    if (p) return p - b;
    from = gap_start_;
  }
  if (from >= len) return -1;
  const int64_t off = gap_end_ - gap_start_;
  const char16_t* p = std::char_traits<char16_t>::find(b + from + off, static_cast<size_t>(len - from), c);
  return p ? (p - b) - off : -1;
}

}  // namespace kelp
