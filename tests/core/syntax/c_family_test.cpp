// C++, C#, Java and JScript: comments, strings, literals, directives,
// verbatim strings and regular expressions, over line ends and wrap points.
#include <gtest/gtest.h>

#include "colour_cases.h"

namespace kelp::test {
namespace {

TEST(CppParser, DistinctiveConstructs) {
  ExpectColours(
      hmCpp,
      {
          {"division is a symbol", u"a/b", {{u"a", 11}, {u"/", 1}, {u"b", 11}}},
          {"line comment", u"a//b", {{u"a", 11}, {u"//b", 7}}},
          {"keywords and hex",
           u"int x = 0x1F;",
           {{u"int", 8},
            {u" ", 10},
            {u"x", 11},
            {u" ", 10},
            {u"=", 1},
            {u" ", 10},
            {u"0x1F", 23},
            {u";", 1}}},
          {"hex prefix without digits", u"0X1f 0xG", {{u"0X1f", 23}, {u" ", 10}, {u"0x", 23}, {u"G", 11}}},
          {"decimals are digit runs", u"1.5e3", {{u"1", 3}, {u".", 1}, {u"5", 3}, {u"e3", 11}}},
          {"keywords are exact", u"If if", {{u"If", 11}, {u" ", 10}, {u"if", 8}}},
          {"string stops at the line end", u"x\"abc\ny", {{u"x", 11}, {u"\"abc", 25}, {u"y", 11}}},
          {"backslash before LF does not continue", u"\"a\\\nb\"", {{u"\"a\\", 25}, {u"b", 11}, {u"\"", 25}}},
          {"character literal with escape", u"'\\''x", {{u"'\\''", 24}, {u"x", 11}}},
          {"quote before LF is a one-character string", u"\"\nx", {{u"\"", 25}, {u"x", 11}}},
          {"string over a wrap point", u"\"ab|cd\" x", {{u"\"abcd\"", 25}, {u" ", 10}, {u"x", 11}}},
          {"escape cut by a wrap point", u"\"a\\|\"b\" x", {{u"\"a\\\"b\"", 25}, {u" ", 10}, {u"x", 11}}},
          {"block comment over a line end",
           u"/* a\n b */ c",
           {{u"/*", 33}, {u" a", 32}, {u" b */", 32}, {u" ", 10}, {u"c", 11}}},
          {"opener does not close itself", u"/*/ x */y", {{u"/*", 33}, {u"/ x */", 32}, {u"y", 11}}},
          {"star at a wrap point closes",
           u"/* a *|/ b",
           {{u"/*", 33}, {u" a */", 32}, {u" ", 10}, {u"b", 11}}},
          {"star before LF does not close",
           u"/* a *\n/ b */x",
           {{u"/*", 33}, {u" a */ b */", 32}, {u"x", 11}}},
          {"opener at the end of a wrapped line",
           u"x /*|*/y",
           {{u"x", 11}, {u" ", 10}, {u"/*", 33}, {u"*/", 32}, {u"y", 11}}},
          {"opener cut by a wrap point", u"/|* x */y", {{u"/*", 33}, {u" x */", 32}, {u"y", 11}}},
          {"directive to the line end", u"#include <a.h>\nx", {{u"#include <a.h>", 52}, {u"x", 11}}},
          {"directive in mid-line", u"x # y", {{u"x", 11}, {u" ", 10}, {u"# y", 52}}},
          {"directive does not continue past a backslash", u"#a \\\nb", {{u"#a \\", 52}, {u"b", 11}}},
          {"comment over a wrap point", u"// ab|cd\nx", {{u"// abcd", 7}, {u"x", 11}}},
          {"keyword cut by a wrap point",
           u"do|uble x double",
           {{u"double", 11}, {u" ", 10}, {u"x", 11}, {u" ", 10}, {u"double", 8}}},
          {"hex literal cut by a wrap point", u"0|x1|f", {{u"0x1f", 23}}},
          {"Japanese and other scripts",
           u"あいうカナー漢字ＡＢ１２ｱｲ、é한\t",
           {{u"あいう", 16},
            {u"カナー", 17},
            {u"漢字", 18},
            {u"ＡＢ", 15},
            {u"１２", 14},
            {u"ｱｲ", 20},
            {u"、", 12},
            {u"é", 68},
            {u"한", 69},
            {u"\t", 70}}},
      });
}

TEST(CppParser, EndStateOfWrappedAndContinuedLines) {
  struct Case {
    const char* name;
    std::u16string input;
    std::vector<int> endTokens;
  };
  const std::vector<Case> cases = {
      {"opener ends the wrapped line", u"x /*|*/", {32, 0}},
      {"star ends the wrapped line", u"/* *|/", {34, 0}},
      {"comment runs over LF", u"/* a\nb\nc */", {32, 32, 0}},
      {"star before LF", u"/* *\n/*/", {34, 0}},
      {"string over a wrap", u"\"a|b\"", {25, 0}},
      {"escape at a wrap", u"\"a\\|b\"", {27, 0}},
      {"string at LF carries nothing", u"\"a\nb", {0, 0}},
      {"word cut by a wrap", u"ab|cd", {11, 0}},
      {"word ending at a wrap point", u"ab|.", {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTextLines lines = TTextLines::Marked(c.input);
    ColourRuns(hmCpp, lines);
    ASSERT_EQ(static_cast<size_t>(lines.LineCount()), c.endTokens.size());
    for (int64_t i = 0; i < lines.LineCount(); ++i) EXPECT_EQ(lines.LineAt(i)->EndToken, c.endTokens[i]) << i;
  }
}

TEST(CSharpParser, VerbatimStrings) {
  ExpectColours(
      hmCSharp,
      {
          {"backslash does not escape", u"@\"c:\\dir\\\"x", {{u"@\"", 28}, {u"c:\\dir\\\"", 29}, {u"x", 11}}},
          {"runs over line ends",
           u"s = @\"a\nb\" + x",
           {{u"s", 11},
            {u" ", 10},
            {u"=", 1},
            {u" ", 10},
            {u"@\"", 28},
            {u"a", 29},
            {u"b\"", 29},
            {u" ", 10},
            {u"+", 1},
            {u" ", 10},
            {u"x", 11}}},
          {"doubled quote opens an ordinary string",
           u"@\"a\"\"b\"",
           {{u"@\"", 28}, {u"a\"", 29}, {u"\"b\"", 25}}},
          {"opener cut by a wrap point", u"@|\"a\"", {{u"@\"", 28}, {u"a\"", 29}}},
          {"at sign alone is a symbol", u"@x", {{u"@", 1}, {u"x", 11}}},
          {"keywords",
           u"foreach string If",
           {{u"foreach", 8}, {u" ", 10}, {u"string", 8}, {u" ", 10}, {u"If", 11}}},
          {"directive and comment", u"#region x\n/* a */", {{u"#region x", 52}, {u"/*", 33}, {u" a */", 32}}},
      });
  TTextLines lines = TTextLines::Marked(u"@\"a\nb\"");
  ColourRuns(hmCSharp, lines);
  EXPECT_EQ(lines.LineAt(0)->EndToken, 29);
}

TEST(JavaParser, SharesTheCRules) {
  ExpectColours(
      hmJava,
      {
          {"keywords", u"synchronized int", {{u"synchronized", 8}, {u" ", 10}, {u"int", 8}}},
          {"directive", u"a #x", {{u"a", 11}, {u" ", 10}, {u"#x", 52}}},
          {"comment and string", u"x//\"y\n\"a\\\"\"", {{u"x", 11}, {u"//\"y", 7}, {u"\"a\\\"\"", 25}}},
      });
}

TEST(JScriptParser, RegularExpressions) {
  ExpectColours(
      hmJScript,
      {
          {"after =",
           u"x = /a\\/b/g",
           {{u"x", 11}, {u" ", 10}, {u"=", 61}, {u" ", 10}, {u"/a\\/b/", 62}, {u"g", 11}}},
          {"after a word it is division",
           u"return /x/",
           {{u"return", 8}, {u" ", 10}, {u"/", 1}, {u"x", 11}, {u"/", 1}}},
          {"after ==", u"a ==/re/", {{u"a", 11}, {u" ", 10}, {u"==", 61}, {u"/re/", 62}}},
          {"previous token is carried over the line end",
           u"x =\n/re/",
           {{u"x", 11}, {u" ", 10}, {u"=", 61}, {u"/re/", 62}}},
          {"a tab is not a space", u"=\t/x/", {{u"=", 61}, {u"\t", 70}, {u"/", 1}, {u"x", 11}, {u"/", 1}}},
          {"slash at the end of the text", u"f(/", {{u"f", 11}, {u"(", 61}, {u"/", 62}}},
          {"comment after (", u"f(//x", {{u"f", 11}, {u"(", 61}, {u"//x", 7}}},
          {"no directives", u"#a", {{u"#", 1}, {u"a", 11}}},
          {"expression stops at LF", u"(/ab\nc", {{u"(", 61}, {u"/ab", 62}, {u"c", 11}}},
      });
}

}  // namespace
}  // namespace kelp::test
