#pragma once
// The document's text: UTF-16 code units in one allocation with a movable gap
// at the last edit, so that typing anywhere in a large text moves only the
// characters between two edit points.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kelp {

class TGapBuffer {
 public:
  TGapBuffer() = default;

  int64_t Length() const { return cap_ - (gap_end_ - gap_start_); }
  char16_t At(int64_t i) const {
    return i < gap_start_ ? store_[static_cast<size_t>(i)]
                          : store_[static_cast<size_t>(i + (gap_end_ - gap_start_))];
  }

  void Insert(int64_t pos, const char16_t* s, int64_t n);
  void Insert(int64_t pos, std::u16string_view s) { Insert(pos, s.data(), static_cast<int64_t>(s.size())); }
  void Remove(int64_t pos, int64_t n);
  // Empties the text and releases its storage.
  void Clear();
  // Takes text as the whole content, with its storage: the spare capacity of
  // the string becomes the gap, and nothing is copied.
  void Adopt(std::u16string&& text);

  std::u16string Substr(int64_t pos, int64_t n) const;
  std::u16string GetString() const { return Substr(0, Length()); }
  void CopyTo(int64_t pos, int64_t n, char16_t* out) const;

  // A contiguous view of [pos, pos + n): moves the gap out of the range when it
  // lies inside. Valid until the next change of the text.
  std::u16string_view View(int64_t pos, int64_t n);

  // Offset of the first `c` at or after `from`, or -1.
  int64_t Find(char16_t c, int64_t from) const;

 private:
  void MoveGap(int64_t pos);
  void Reserve(int64_t n);

  char16_t* Data() { return store_.data(); }
  const char16_t* Data() const { return store_.data(); }

  std::u16string store_;  // all of it, the gap included
  int64_t cap_ = 0;
  int64_t gap_start_ = 0;
  int64_t gap_end_ = 0;
};

}  // namespace kelp
