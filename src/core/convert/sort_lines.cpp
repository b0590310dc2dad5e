#include "convert/sort_lines.h"

#include <algorithm>
#include <vector>

namespace kelp {
namespace {

char16_t FoldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

int CompareFolded(std::u16string_view a, std::u16string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const char16_t x = FoldAscii(a[i]), y = FoldAscii(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::vector<std::u16string_view> SplitLines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

std::u16string SortLines(std::u16string_view text, const TSortOptions& options,
                         std::u16string_view line_end) {
  if (text.empty()) return {};
  std::vector<std::u16string_view> lines = SplitLines(text);
  std::sort(lines.begin(), lines.end(), [&](std::u16string_view a, std::u16string_view b) {
    int c = options.IgnoreCase ? CompareFolded(a, b) : 0;
    if (c == 0) c = a.compare(b);
    return options.Descending ? c > 0 : c < 0;
  });
  if (options.RemoveDuplicates) lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  std::u16string out;
  out.reserve(text.size() + lines.size() * line_end.size());
  for (const auto line : lines) {
    out += line;
    out += line_end;
  }
  return out;
}

}  // namespace kelp
