#include "syntax/hash_table.h"

#include <array>
#include <stdexcept>
#include <string>

namespace kelp {

int64_t HashWeight(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0' + 1;
  if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  if (c >= u'A' && c <= u'I') return c - u'A' + 11;
  if (c == u'J' || c == u'K') return 21;
  if (c >= u'L' && c <= u'Z') return c - u'L' + 22;
  if (c == u'_') return 37;
  if (c == u'$') return 38;
  return 0;
}

static char16_t LowerAscii(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
}

THashTable::THashTable(std::span<const std::u16string_view> words, int64_t size, int64_t expectedCount,
                       bool ignoreCase)
    : FWords(words), FIgnoreCase(ignoreCase), FSize(size) {
  if (static_cast<int64_t>(words.size()) != expectedCount || words.size() > 0xFFFF ||
      size < 2 * expectedCount)
    throw std::logic_error("keyword table has " + std::to_string(words.size()) + " words, expected " +
                           std::to_string(expectedCount));
  for (std::u16string_view w : words)
    if (static_cast<int64_t>(w.size()) > FMaxLen) FMaxLen = static_cast<int64_t>(w.size());
  FTable.assign(static_cast<size_t>(FSize), 0);
  for (size_t k = 0; k < words.size(); ++k) {
    int64_t slot = HashOf(words[k]);
    while (FTable[static_cast<size_t>(slot)] != 0) slot = (slot + 1 == FSize) ? 0 : slot + 1;
    FTable[static_cast<size_t>(slot)] = static_cast<uint16_t>(k + 1);
  }
}

int64_t THashTable::HashOf(std::u16string_view s) const {
  int64_t sum = 0;
  for (size_t i = 0; i < s.size(); ++i) sum += HashWeight(s[i]) << (6 * ((i + 1) % 9));
  return sum % FSize;
}

bool THashTable::Matches(uint16_t entry, std::u16string_view Value) const {
  const std::u16string_view w = FWords[entry - 1u];
  if (w.size() != Value.size()) return false;
  if (!FIgnoreCase) return w == Value;
  for (size_t i = 0; i < w.size(); ++i)
    if (LowerAscii(w[i]) != Value[i]) return false;
  return true;
}

bool THashTable::isReserbed(std::u16string_view Value) const {
  if (static_cast<int64_t>(Value.size()) > FMaxLen) return false;
  int64_t slot = HashOf(Value);
  while (uint16_t e = FTable[static_cast<size_t>(slot)]) {
    if (Matches(e, Value)) return true;
    slot = (slot + 1 == FSize) ? 0 : slot + 1;
  }
  return false;
}

int64_t THashTable::SlotOf(std::u16string_view word) const {
  for (int64_t i = 0; i < FSize; ++i) {
    const uint16_t e = FTable[static_cast<size_t>(i)];
    if (e != 0 && FWords[e - 1u] == word) return i;
  }
  return -1;
}

bool THashReserveList::Find(std::u16string_view s) const {
  if (!FHash.IgnoreCase()) return FHash.isReserbed(s);
  if (static_cast<int64_t>(s.size()) > FHash.MaxLen()) return false;
  std::array<char16_t, 64> lower;
  if (s.size() > lower.size()) return false;
  for (size_t i = 0; i < s.size(); ++i) lower[i] = LowerAscii(s[i]);
  return FHash.isReserbed(std::u16string_view(lower.data(), s.size()));
}

}  // namespace kelp
