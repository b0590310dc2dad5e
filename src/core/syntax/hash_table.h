#pragma once
// Fixed open-addressing hash tables of keywords, built once per process from
// a constant word array, and the keyword-list class that consults one.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "syntax/reserve_list.h"

namespace kelp {

// The weight of one character in the keyword hash: digits 1-10, letters
// 11-36 regardless of case ("J" and "K" share 21), "_" 37, "$" 38, else 0.
int64_t HashWeight(char16_t c);

class THashTable {
 public:
  // Builds the table from `words` (in array order) with `size` slots. The
  // word count must be `expectedCount`; a mismatch means the embedded word
  // list is broken and throws std::logic_error.
  THashTable(std::span<const std::u16string_view> words, int64_t size, int64_t expectedCount,
             bool ignoreCase);
  virtual ~THashTable() = default;
  THashTable(const THashTable&) = delete;
  THashTable& operator=(const THashTable&) = delete;

  // Membership under the table's case rule; a case-ignoring table expects
  // `Value` in lower case.
  virtual bool isReserbed(std::u16string_view Value) const;

  // Sum of weight(s[i]) * 2^(6 * (i mod 9)) for i = 1..n, modulo the size.
  int64_t HashOf(std::u16string_view s) const;

  int64_t Size() const { return FSize; }
  int64_t MaxLen() const { return FMaxLen; }
  int64_t WordCount() const { return static_cast<int64_t>(FWords.size()); }
  bool IgnoreCase() const { return FIgnoreCase; }
  // The slot that holds `word`, or -1 (for inspecting the probe layout).
  int64_t SlotOf(std::u16string_view word) const;

 private:
  bool Matches(uint16_t entry, std::u16string_view Value) const;

  std::span<const std::u16string_view> FWords;
  bool FIgnoreCase;
  int64_t FSize = 0;
  std::vector<uint16_t> FTable;  // 0 = empty, k = word k (1-based)
  int64_t FMaxLen = 1;
};

// A keyword list backed by a shared hash table. A case-ignoring list
// lower-cases the word before asking.
class THashReserveList : public TReserveList {
 public:
  explicit THashReserveList(const THashTable& table) : TReserveList({}, true), FHash(table) {}
  bool Find(std::u16string_view s) const override;
  const THashTable& Hash() const { return FHash; }

 private:
  const THashTable& FHash;
};

}  // namespace kelp
