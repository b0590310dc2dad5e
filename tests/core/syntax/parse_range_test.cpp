// Incremental parsing: ParseRange's stop rule and the re-parse after an edit.
#include <gtest/gtest.h>

#include "syntax/notepad_parser.h"
#include "syntax/reparse.h"
#include "syntax/text_lines.h"

namespace kelp {
namespace {

std::vector<int> EndTokens(TTextLines& lines) {
  std::vector<int> out;
  for (int64_t i = 0; i < lines.LineCount(); ++i) out.push_back(lines.LineAt(i)->EndToken);
  return out;
}

TEST(ParseRange, CommentOpenedAboveSpillsToItsEnd) {
  TTextLines lines(u"int a;\nb\nc\nd\ne\nf */ g\nh\ni");
  const TNotePadMode& cpp = ModeOf(hmCpp);
  ParseAllLines(cpp, lines);
  EXPECT_EQ(EndTokens(lines), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0}));

  // Typing "/*" on line 1 runs the state change down to line 5, which holds "*/".
  lines.Insert(lines.LineAt(1)->Start, u"/*");
  TReparseResult r = ParseChangedLines(cpp, lines, 1, 1);
  EXPECT_EQ(r.First, 1);
  EXPECT_EQ(r.Last, 1);
  EXPECT_EQ(r.Reached, 5);
  EXPECT_TRUE(r.Spilled);
  EXPECT_EQ(EndTokens(lines), (std::vector<int>{0, 32, 32, 32, 32, 0, 0, 0}));

  // A letter typed inside the comment stays local.
  lines.Insert(lines.LineAt(1)->Start + 3, u"x");
  r = ParseChangedLines(cpp, lines, 1, 1);
  EXPECT_EQ(r.Reached, 2);
  EXPECT_FALSE(r.Spilled);

  // Closing it again on line 1 spills back down.
  lines.Insert(lines.LineAt(1)->Start + lines.LineAt(1)->Length, u"*/");
  r = ParseChangedLines(cpp, lines, 1, 1);
  EXPECT_EQ(r.Reached, 5);
  EXPECT_EQ(EndTokens(lines), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(ParseRange, StopsAtTheLastLine) {
  TTextLines lines(u"a\n/*\nb\nc");
  const TNotePadMode& cpp = ModeOf(hmCpp);
  ParseAllLines(cpp, lines);
  auto parser = cpp.NewParser(lines);
  EXPECT_EQ(parser->ParseRange(0, 0), 1);  // line 1 ends as it did before
  EXPECT_EQ(parser->ParseRange(0, 3), 3);
  TTextLines fresh(u"/*\nb\nc");
  EXPECT_EQ(cpp.NewParser(fresh)->ParseRange(0, 0), 2);  // runs on to the last line
}

TEST(ParseRange, ChangedLinesWidenToWholeLogicalLines) {
  TTextLines lines = TTextLines::Marked(u"ab|cd|ef\ngh|ij\nkl");
  const TNotePadMode& cpp = ModeOf(hmCpp);
  ParseAllLines(cpp, lines);
  TReparseResult r = ParseChangedLines(cpp, lines, 1, 1);
  EXPECT_EQ(r.First, 0);
  EXPECT_EQ(r.Last, 2);
  EXPECT_EQ(r.Reached, 3);
  EXPECT_FALSE(r.Spilled);
  r = ParseChangedLines(cpp, lines, 4, 99);  // clamped to the last line
  EXPECT_EQ(r.First, 3);
  EXPECT_EQ(r.Last, 5);
  EXPECT_EQ(r.Reached, 5);
  r = ParseChangedLines(cpp, lines, -5, 0);
  EXPECT_EQ(r.First, 0);
  EXPECT_EQ(r.Last, 2);
}

TEST(ParseRange, StatePassLeavesTheSameEndStateAsTheColourPass) {
  const std::u16string text =
      u"<?php $a = <<<EOT\n<b>x</b>\nEOT;\n/* c\n*/ echo \"s\\\n\"; ?>\n<!-- a\n--> <p title='x\ny'>";
  TTextLines byState = TTextLines::Marked(text);
  TTextLines byColour = TTextLines::Marked(text);
  const TNotePadMode& html = ModeOf(hmHtml);
  ParseAllLines(html, byState);
  auto parser = html.NewParser(byColour);
  for (int64_t i = 0; i < byColour.LineCount(); ++i) parser->ParseLineColor(i);
  for (int64_t i = 0; i < byState.LineCount(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(byState.LineAt(i)->EndToken, byColour.LineAt(i)->EndToken);
    EXPECT_EQ(byState.LineAt(i)->EndElement, byColour.LineAt(i)->EndElement);
    EXPECT_EQ(byState.LineAt(i)->ParseDataString, byColour.LineAt(i)->ParseDataString);
  }
}

}  // namespace
}  // namespace kelp
