#include "syntax/reserve_list.h"

#include <cwctype>

namespace kelp {

std::u16string LowerCase16(std::u16string_view s) {
  std::u16string out(s);
  for (char16_t& c : out) {
    if (c >= u'A' && c <= u'Z') {
      c = static_cast<char16_t>(c + 32);
    } else if (c >= 0x80 && (c < 0xD800 || c > 0xDFFF)) {
      c = static_cast<char16_t>(std::towlower(static_cast<wint_t>(c)));
    }
  }
  return out;
}

TReserveList::TReserveList(std::vector<std::u16string> values, bool CaseSensitive)
    : FCaseSensitive(CaseSensitive), FList(std::move(values)) {}

bool TReserveList::Find(std::u16string_view s) const {
  if (FCaseSensitive) {
    for (const std::u16string& e : FList)
      if (e == s) return true;
    return false;
  }
  const std::u16string lower = LowerCase16(s);
  for (const std::u16string& e : FList)
    if (e.size() == lower.size() && LowerCase16(e) == lower) return true;
  return false;
}

void TReserveList::Add(std::u16string_view s) {
  if (!Find(s)) FList.emplace_back(s);
}

}  // namespace kelp
