#include "syntax/text_lines.h"

#include <algorithm>

namespace kelp {

TTextLines::TTextLines(std::u16string text, int64_t wrapWidth) : FText(std::move(text)) {
  const int64_t n = static_cast<int64_t>(FText.size());
  int64_t pos = 0;
  while (true) {
    const size_t lf = FText.find(u'\n', static_cast<size_t>(pos));
    const int64_t end = lf == std::u16string::npos ? n : static_cast<int64_t>(lf);
    int64_t s = pos;
    while (wrapWidth > 0 && end - s > wrapWidth) {
      FLines.push_back({false, leWrap, 0, 0, 0, s, wrapWidth, {}});
      s += wrapWidth;
    }
    FLines.push_back({false, lf == std::u16string::npos ? leNone : leLF, 0, 0, 0, s, end - s, {}});
    if (lf == std::u16string::npos) break;
    pos = end + 1;
  }
}

TTextLines TTextLines::Marked(std::u16string_view marked, char16_t wrapMark) {
  TTextLines t;
  int64_t start = 0;
  for (char16_t c : marked) {
    if (c == wrapMark) {
      const int64_t here = static_cast<int64_t>(t.FText.size());
      t.FLines.push_back({false, leWrap, 0, 0, 0, start, here - start, {}});
      start = here;
      continue;
    }
    t.FText += c;
    if (c == u'\n') {
      const int64_t here = static_cast<int64_t>(t.FText.size()) - 1;
      t.FLines.push_back({false, leLF, 0, 0, 0, start, here - start, {}});
      start = here + 1;
    }
  }
  t.FLines.push_back({false, leNone, 0, 0, 0, start, static_cast<int64_t>(t.FText.size()) - start, {}});
  return t;
}

std::u16string_view TTextLines::LineText(int64_t index) const {
  const TLineData& l = FLines[static_cast<size_t>(index)];
  return std::u16string_view(FText).substr(static_cast<size_t>(l.Start), static_cast<size_t>(l.Length));
}

int64_t TTextLines::Insert(int64_t offset, std::u16string_view s) {
  const int64_t n = static_cast<int64_t>(s.size());
  FText.insert(static_cast<size_t>(offset), s);
  int64_t grown = LineCount() - 1;
  for (size_t i = 0; i < FLines.size(); ++i) {
    TLineData& l = FLines[i];
    const bool ends = l.LineEnd != leWrap ? offset <= l.Start + l.Length : offset < l.Start + l.Length;
    if (offset >= l.Start && ends) {
      grown = static_cast<int64_t>(i);
      l.Length += n;
      for (size_t j = i + 1; j < FLines.size(); ++j) FLines[j].Start += n;
      break;
    }
  }
  return grown;
}

}  // namespace kelp
