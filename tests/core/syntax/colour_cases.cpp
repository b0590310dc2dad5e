#include "colour_cases.h"

#include "base/utf.h"
#include "syntax/notepad_parser.h"
#include "syntax/reparse.h"

namespace kelp::test {

std::string RenderRuns(const std::vector<Seg>& segs) {
  std::vector<Seg> merged;
  for (const Seg& s : segs) {
    if (s.text.empty()) continue;
    if (!merged.empty() && merged.back().code == s.code)
      merged.back().text += s.text;
    else
      merged.push_back(s);
  }
  std::string out;
  for (const Seg& s : merged) {
    if (!out.empty()) out += "  ";
    out += "[" + Utf16ToUtf8(s.text) + "]=" + std::to_string(s.code);
  }
  return out;
}

std::vector<Seg> ColourRuns(THighlightMode mode, TTextLines& lines) {
  const TNotePadMode& m = ModeOf(mode);
  ParseAllLines(m, lines);
  auto parser = m.NewParser(lines);
  std::vector<Seg> out;
  for (int64_t i = 0; i < lines.LineCount(); ++i) {
    parser->ParseLineColor(i);
    const std::u16string_view text = lines.LineText(i);
    for (size_t k = 0; k < text.size(); ++k) out.push_back({std::u16string(1, text[k]), LineTokens()[k]});
  }
  return out;
}

std::vector<Seg> ColourRuns(THighlightMode mode, std::u16string_view marked) {
  TTextLines lines = TTextLines::Marked(marked);
  return ColourRuns(mode, lines);
}

void ExpectColours(THighlightMode mode, const std::vector<ColourCase>& cases) {
  for (const ColourCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RenderRuns(c.expected), RenderRuns(ColourRuns(mode, c.input)));
  }
}

}  // namespace kelp::test
