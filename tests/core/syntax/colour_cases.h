#pragma once
// Colours hand-made display lines with a mode and compares the code of every
// character against an expected list of (text, code) segments.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "syntax/notepad_mode.h"
#include "syntax/text_lines.h"

namespace kelp::test {

struct Seg {
  std::u16string text;
  int code;
};

struct ColourCase {
  const char* name;
  // Display lines: "|" marks a wrap point, LF ends a logical line.
  std::u16string input;
  std::vector<Seg> expected;  // covers every character but the LFs
};

// Runs of equal codes over all lines (LFs left out), as "text=code" joined by
// spaces: the same rendering for the expected and the actual side.
std::string RenderRuns(const std::vector<Seg>& segs);
std::vector<Seg> ColourRuns(THighlightMode mode, TTextLines& lines);
std::vector<Seg> ColourRuns(THighlightMode mode, std::u16string_view marked);

// Checks every case of a table in one mode.
void ExpectColours(THighlightMode mode, const std::vector<ColourCase>& cases);

}  // namespace kelp::test
