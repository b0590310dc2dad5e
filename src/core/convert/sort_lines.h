#pragma once
// Sorting the lines of a text.

#include <string>
#include <string_view>

namespace kelp {

struct TSortOptions {
  bool Descending = false;
  bool RemoveDuplicates = false;  // lines equal (case included) to the line before them
  bool IgnoreCase = false;        // A-Z and a-z compare equal; no other folding
};

// Splits the text at every line end (a final line end makes no empty last
// line), sorts the lines by UTF-16 code units, and joins them, each followed
// by `line_end`. Lines that compare equal under IgnoreCase are ordered among
// themselves by their exact code units, in the same direction, so that equal
// lines always end up side by side. An empty text stays empty.
std::u16string SortLines(std::u16string_view text, const TSortOptions& options, std::u16string_view line_end);

}  // namespace kelp
