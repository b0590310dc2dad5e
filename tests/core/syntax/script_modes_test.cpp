// Python, Ruby, VBScript, Visual Basic, batch files, UWSC, Delphi and plain
// text.
#include <gtest/gtest.h>

#include "colour_cases.h"

namespace kelp::test {
namespace {

TEST(PythonParser, CommentsStringsAndHex) {
  ExpectColours(
      hmPython,
      {
          {"comment", u"x # y\nz", {{u"x", 11}, {u" ", 10}, {u"# y", 7}, {u"z", 11}}},
          {"hex in either case", u"0XfF 0x1", {{u"0XfF", 23}, {u" ", 10}, {u"0x1", 23}}},
          {"strings with escapes", u"'a\\'b' \"c\\\"\"", {{u"'a\\'b'", 24}, {u" ", 10}, {u"\"c\\\"\"", 25}}},
          {"string stops at LF", u"'ab\nc", {{u"'ab", 24}, {u"c", 11}}},
          {"keywords that probe past the last slot",
           u"or raise except from",
           {{u"or", 8}, {u" ", 10}, {u"raise", 8}, {u" ", 10}, {u"except", 8}, {u" ", 10}, {u"from", 8}}},
          {"comment over a wrap point", u"# a|b\nc", {{u"# ab", 7}, {u"c", 11}}},
      });
}

TEST(RubyParser, CommentsStringsAndHex) {
  ExpectColours(hmRuby,
                {
                    {"only lower-case 0x", u"0X1 0x1", {{u"0", 3}, {u"X1", 11}, {u" ", 10}, {u"0x1", 23}}},
                    {"case of keywords",
                     u"BEGIN begin Begin",
                     {{u"BEGIN", 8}, {u" ", 10}, {u"begin", 8}, {u" ", 10}, {u"Begin", 11}}},
                    {"comment and string", u"\"a#b\" # c", {{u"\"a#b\"", 25}, {u" ", 10}, {u"# c", 7}}},
                });
}

TEST(VBScriptParser, CommentsStringsAndLiterals) {
  ExpectColours(
      hmVBScript,
      {
          {"Rem comment", u"Rem note\nx", {{u"Rem note", 7}, {u"x", 11}}},
          {"rem at the end of the text", u"x rem", {{u"x", 11}, {u" ", 10}, {u"rem", 7}}},
          {"a word that begins with rem", u"Remove(x)", {{u"Remove", 11}, {u"(", 1}, {u"x", 11}, {u")", 1}}},
          {"apostrophe comment", u"a ' b", {{u"a", 11}, {u" ", 10}, {u"' b", 7}}},
          {"hex and date literals", u"&HFF #1/1/2000#", {{u"&HFF", 23}, {u" ", 10}, {u"#1/1/2000#", 52}}},
          {"doubled quotes", u"\"a\"\"b\"", {{u"\"a\"", 25}, {u"\"b\"", 25}}},
          {"keywords ignore case",
           u"Dim MSGBOX dim",
           {{u"Dim", 8}, {u" ", 10}, {u"MSGBOX", 8}, {u" ", 10}, {u"dim", 8}}},
          {"string stops at LF", u"\"ab\nc", {{u"\"ab", 25}, {u"c", 11}}},
      });
}

TEST(VisualBasicParser, TwoLists) {
  ExpectColours(hmVisualBasic, {
                                   {"statements and functions",
                                    u"Dim MsgBox x",
                                    {{u"Dim", 8}, {u" ", 10}, {u"MsgBox", 73}, {u" ", 10}, {u"x", 11}}},
                                   {"doubled quotes make two strings",
                                    u"x = \"a\"\"b\"",
                                    {{u"x", 11}, {u" ", 10}, {u"=", 1}, {u" ", 10}, {u"\"a\"\"b\"", 25}}},
                                   {"REM and apostrophe", u"REM a\n' b", {{u"REM a", 7}, {u"' b", 7}}},
                               });
}

TEST(BatParser, CommandsAndComments) {
  ExpectColours(hmBat, {
                           {"echo", u"@echo off", {{u"@", 1}, {u"echo", 8}, {u" ", 10}, {u"off", 11}}},
                           {"rem", u"REM x\nrem", {{u"REM x", 7}, {u"rem", 7}}},
                           {"other commands and strings",
                            u"COPY \"a b\" c",
                            {{u"COPY", 73}, {u" ", 10}, {u"\"a b\"", 25}, {u" ", 10}, {u"c", 11}}},
                           {"no other comment forms", u":: x", {{u"::", 1}, {u" ", 10}, {u"x", 11}}},
                       });
}

TEST(UwscParser, ThreeTables) {
  ExpectColours(
      hmUwsc,
      {
          {"exact, upper-case lists",
           u"IF if MSGBOX VK_F1",
           {{u"IF", 8}, {u" ", 10}, {u"if", 11}, {u" ", 10}, {u"MSGBOX", 73}, {u" ", 10}, {u"VK_F1", 74}}},
          {"comment, hex and string",
           u"$FF \"a\" // c",
           {{u"$FF", 23}, {u" ", 10}, {u"\"a\"", 25}, {u" ", 10}, {u"// c", 7}}},
      });
}

TEST(DelphiParser, CommentsAndCharacterCodes) {
  ExpectColours(hmDelphi,
                {
                    {"character codes", u"#13#10#$0D", {{u"#13#10", 53}, {u"#$0D", 54}}},
                    {"brace comment", u"{$IFDEF X}y", {{u"{$IFDEF X}", 31}, {u"y", 11}}},
                    {"brace comment over a line end", u"{ a\nb }c", {{u"{ ab }", 31}, {u"c", 11}}},
                    {"paren comment over a line end",
                     u"(* a\n*) b",
                     {{u"(*", 36}, {u" a*)", 35}, {u" ", 10}, {u"b", 11}}},
                    {"paren opener does not close itself", u"(*)x*)", {{u"(*", 36}, {u")x*)", 35}}},
                    {"star at a wrap point closes", u"(* *|)x", {{u"(*", 36}, {u" *)", 35}, {u"x", 11}}},
                    {"keywords ignore case",
                     u"BEGIN Begin end",
                     {{u"BEGIN", 8}, {u" ", 10}, {u"Begin", 8}, {u" ", 10}, {u"end", 8}}},
                    {"doubled apostrophes", u"'it''s'", {{u"'it'", 24}, {u"'s'", 24}}},
                    {"hex and line comment", u"$FF // c", {{u"$FF", 23}, {u" ", 10}, {u"// c", 7}}},
                    {"keyword cut by a wrap point", u"be|gin", {{u"begin", 11}}},
                });
  TTextLines lines = TTextLines::Marked(u"(* *\nx");
  ColourRuns(hmDelphi, lines);
  EXPECT_EQ(lines.LineAt(0)->EndToken, 37);
}

TEST(DefaultParser, WordsAndLinks) {
  ExpectColours(
      hmDefault,
      {
          {"digits split words", u"abc123", {{u"abc", 11}, {u"123", 3}}},
          {"mms link", u"mms://x", {{u"mms://", 49}, {u"x", 21}}},
          {"ftp link", u"ftp://x", {{u"ftp://", 45}, {u"x", 21}}},
          {"scheme without a body is no link",
           u"ftp:// x",
           {{u"ftp", 11}, {u":", 1}, {u"//", 1}, {u" ", 10}, {u"x", 11}}},
          {"every scheme",
           u"http://a https://b rtsp://c pnm://d news://e nntp://f",
           {{u"http://", 22},
            {u"a", 21},
            {u" ", 10},
            {u"https://", 46},
            {u"b", 21},
            {u" ", 10},
            {u"rtsp://", 47},
            {u"c", 21},
            {u" ", 10},
            {u"pnm://", 48},
            {u"d", 21},
            {u" ", 10},
            {u"news://", 50},
            {u"e", 21},
            {u" ", 10},
            {u"nntp://", 51},
            {u"f", 21}}},
          {"link over wrap points",
           u"htt|p://ab|c/d e",
           {{u"http://", 22}, {u"abc/d", 21}, {u" ", 10}, {u"e", 11}}},
          {"scheme ending at a wrap point", u"http://|ab", {{u"http://", 22}, {u"ab", 21}}},
          {"upper-case scheme is no link", u"HTTP://a", {{u"HTTP", 11}, {u":", 1}, {u"//", 1}, {u"a", 11}}},
      });
}

}  // namespace
}  // namespace kelp::test
