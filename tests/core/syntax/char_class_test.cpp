// The character class table at the edges of its rows, and the growth of the
// shared token array.
#include "syntax/char_class.h"

#include <gtest/gtest.h>

#include "syntax/notepad_parser.h"
#include "syntax/reparse.h"
#include "syntax/text_lines.h"

namespace kelp {
namespace {

TEST(CharClass, RowEdges) {
  const struct {
    char16_t c;
    int cls;
  } cases[] = {
      {0x0000, 70},  {0x0009, 70},  {0x000A, 70}, {0x001F, 70}, {0x0020, 10},  {0x0021, 1},   {0x002F, 1},
      {0x0030, 3},   {0x0039, 3},   {0x003A, 1},  {0x0040, 1},  {0x0041, 11},  {0x005A, 11},  {0x005B, 1},
      {0x005E, 1},   {0x005F, 11},  {0x0060, 1},  {0x0061, 11}, {0x007A, 11},  {0x007B, 1},   {0x007E, 1},
      {0x007F, 255}, {0x0080, 70},  {0x009F, 70}, {0x00A0, 12}, {0x00BF, 12},  {0x00C0, 68},  {0x00D7, 12},
      {0x00F7, 12},  {0x00FF, 68},  {0x02B0, 12}, {0x036F, 12}, {0x0410, 68},  {0x2000, 12},  {0x214F, 12},
      {0x2150, 255}, {0x3001, 12},  {0x3002, 12}, {0x3003, 18}, {0x3004, 12},  {0x3005, 18},  {0x3007, 18},
      {0x3008, 12},  {0x3040, 16},  {0x3094, 16}, {0x3095, 12}, {0x309C, 12},  {0x309D, 16},  {0x30A0, 17},
      {0x30FC, 17},  {0x30FF, 17},  {0x3105, 68}, {0x3190, 12}, {0x31F0, 17},  {0x3400, 18},  {0x4E00, 18},
      {0x9FFF, 18},  {0xA000, 255}, {0xAC00, 69}, {0xD7A3, 69}, {0xD800, 255}, {0xDFFF, 255}, {0xE000, 255},
      {0xF900, 18},  {0xFAFF, 18},  {0xFE20, 12}, {0xFF01, 12}, {0xFF10, 14},  {0xFF19, 14},  {0xFF1A, 12},
      {0xFF21, 15},  {0xFF3A, 15},  {0xFF3B, 12}, {0xFF41, 15}, {0xFF5A, 15},  {0xFF5B, 12},  {0xFF5F, 255},
      {0xFF61, 19},  {0xFF65, 19},  {0xFF66, 20}, {0xFF9F, 20}, {0xFFE0, 12},  {0xFFEF, 12},  {0xFFFF, 255},
  };
  for (const auto& c : cases) EXPECT_EQ(CharClass[c.c], c.cls) << std::hex << int(c.c);
}

TEST(CharClass, HiraganaRunTakesTheLongVowelMark) {
  TTextLines lines(u"あー゛カ゛");
  ParseAllLines(ModeOf(hmDefault), lines);
  ModeOf(hmDefault).NewParser(lines)->ParseLineColor(0);
  const std::vector<TTokenCode> codes(LineTokens().begin(), LineTokens().begin() + 5);
  EXPECT_EQ(codes, (std::vector<TTokenCode>{16, 16, 12, 17, 17}));
}

TEST(LineTokens, GrowsByDoublingAndNeverShrinks) {
  EXPECT_GE(LineTokens().size(), 4050u);
  TTextLines lines(std::u16string(9000, u'a') + u"\n" + u"b");
  auto parser = ModeOf(hmDefault).NewParser(lines);
  parser->ParseLineColor(0);
  const size_t grown = LineTokens().size();
  EXPECT_GE(grown, 9000u);
  EXPECT_EQ(LineTokens()[8999], 11);
  parser->ParseLineColor(1);
  EXPECT_EQ(LineTokens().size(), grown);
}

}  // namespace
}  // namespace kelp
