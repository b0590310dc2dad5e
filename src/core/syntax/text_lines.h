#pragma once
// A parse target over a text of its own with display lines laid out by the
// caller: for printing previews, grep hits, tests and benchmarks that need
// parsed lines without a full document.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "syntax/parse_target.h"

namespace kelp {

class TTextLines final : public TParseTarget {
 public:
  // One display line per logical line; each logical line is cut into display
  // lines of at most `wrapWidth` characters (0: never).
  explicit TTextLines(std::u16string text, int64_t wrapWidth = 0);
  // Display lines marked in the text: `wrapMark` is a wrap point (it is
  // removed), LF ends a logical line.
  static TTextLines Marked(std::u16string_view marked, char16_t wrapMark = u'|');

  int64_t LineCount() const override { return static_cast<int64_t>(FLines.size()); }
  TLineData* LineAt(int64_t index) override { return &FLines[static_cast<size_t>(index)]; }
  const char16_t* Chars() const override { return FText.c_str(); }
  int64_t CharCount() const override { return static_cast<int64_t>(FText.size()); }

  const std::u16string& Text() const { return FText; }
  // The text of display line `index`.
  std::u16string_view LineText(int64_t index) const;
  // Inserts text without LF at `offset`: the display line holding the offset
  // grows, the following lines move; every line keeps its parse state.
  // Returns the index of the line that grew.
  int64_t Insert(int64_t offset, std::u16string_view s);

 private:
  TTextLines() = default;
  std::u16string FText;
  std::vector<TLineData> FLines;
};

}  // namespace kelp
