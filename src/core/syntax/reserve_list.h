#pragma once
// A short list of words searched from first to last: the file extensions of
// a syntax mode and the empty keyword lists. Keyword lists proper are
// subclasses whose Find consults a hash table.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelp {

// Lower-cases "A"-"Z" and the other code units that have a simple lower-case
// form in the platform's wide-character tables.
std::u16string LowerCase16(std::u16string_view s);

class TReserveList {
 public:
  explicit TReserveList(std::vector<std::u16string> values = {}, bool CaseSensitive = true);
  virtual ~TReserveList() = default;

  // True if s is an entry: exact, or comparing lower-case forms.
  virtual bool Find(std::u16string_view s) const;
  // Appends s unless Find already finds it.
  void Add(std::u16string_view s);

  bool CaseSensitive() const { return FCaseSensitive; }
  int64_t Count() const { return static_cast<int64_t>(FList.size()); }
  const std::u16string& Get(int64_t index) const { return FList[static_cast<size_t>(index)]; }

 private:
  bool FCaseSensitive;
  std::vector<std::u16string> FList;
};

}  // namespace kelp
