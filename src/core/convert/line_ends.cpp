#include "convert/line_ends.h"

#include <algorithm>

namespace kelp {

std::u16string_view LineEndText(TLineEnds ends) {
  switch (ends) {
    case lsCR:
      return u"\r";
    case lsLF:
      return u"\n";
    case lsCRLF:
      break;
  }
  return u"\r\n";
}

std::u16string ConvertLineEnds(std::u16string_view text, TLineEnds ends) {
  const std::u16string_view eol = LineEndText(ends);
  std::u16string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      out += eol;
    } else if (c == u'\n') {
      out += eol;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::u16string ReturnedString(std::u16string_view text, std::span<const TLineData> lines, TLineEnds ends) {
  const std::u16string_view eol = LineEndText(ends);
  std::u16string out;
  out.reserve(text.size() + lines.size() * eol.size());
  const auto size = static_cast<int64_t>(text.size());
  for (const TLineData& line : lines) {
    // Lines are trusted only as far as the text reaches.
    const int64_t start = std::clamp<int64_t>(line.Start, 0, size);
    const int64_t length = std::clamp<int64_t>(line.Length, 0, size - start);
    out += text.substr(static_cast<size_t>(start), static_cast<size_t>(length));
    if (line.LineEnd == leWrap || line.LineEnd == leLF) out += eol;
  }
  return out;
}

}  // namespace kelp
