#pragma once
// The keyword word lists, embedded at build time from keywords/*.txt (one
// word a line, in the order in which the hash tables insert them).

#include <span>
#include <string_view>

namespace kelp {

// The words of keywords/<name>.txt; empty if there is no such file.
std::span<const std::u16string_view> KeywordList(std::string_view name);

}  // namespace kelp
