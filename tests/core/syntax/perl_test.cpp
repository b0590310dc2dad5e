// Perl: regular expressions, m// and s///, sigils, here-documents with HTML
// inside, and POD blocks.
#include <gtest/gtest.h>

#include "colour_cases.h"

namespace kelp::test {
namespace {

TEST(PerlParser, RegularExpressionsAndVariables) {
  ExpectColours(hmPerl,
                {
                    {"binding operator allows an expression",
                     u"$x =~ /a\\/b/;",
                     {{u"$x", 11}, {u" ", 10}, {u"=~", 61}, {u" ", 10}, {u"/a\\/b/", 62}, {u";", 1}}},
                    {"division after words and numbers",
                     u"$x / 2 / 3",
                     {{u"$x", 11},
                      {u" ", 10},
                      {u"/", 1},
                      {u" ", 10},
                      {u"2", 3},
                      {u" ", 10},
                      {u"/", 1},
                      {u" ", 10},
                      {u"3", 3}}},
                    {"match operator", u"m/a+/", {{u"m/", 64}, {u"a+/", 62}}},
                    {"substitution", u"s/a/b/g", {{u"s/", 65}, {u"a/", 66}, {u"b/", 62}, {u"g", 11}}},
                    {"escape in the pattern", u"s/a\\/b/c/", {{u"s/", 65}, {u"a\\/b/", 66}, {u"c/", 62}}},
                    {"expression stops at LF", u"(/ab\nc", {{u"(", 61}, {u"/ab", 62}, {u"c", 11}}},
                    {"expression over a wrap with an escape", u",/a\\|/b/", {{u",", 61}, {u"/a\\/b/", 62}}},
                    {"sigils",
                     u"@list %h &f *g $#a",
                     {{u"@list", 11},
                      {u" ", 10},
                      {u"%h", 11},
                      {u" ", 10},
                      {u"&f", 11},
                      {u" ", 10},
                      {u"*g", 11},
                      {u" ", 10},
                      {u"$#a", 11}}},
                    {"keywords and variables",
                     u"until $until if",
                     {{u"until", 8}, {u" ", 10}, {u"$until", 11}, {u" ", 10}, {u"if", 8}}},
                    {"comment and strings",
                     u"'a\\'b' \"c\" # x",
                     {{u"'a\\'b'", 24}, {u" ", 10}, {u"\"c\"", 25}, {u" ", 10}, {u"# x", 7}}},
                    {"hex", u"0xFf", {{u"0xFf", 23}}},
                });
}

TEST(PerlParser, HereDocuments) {
  ExpectColours(
      hmPerl,
      {
          {"HTML inside a here-document",
           u"print <<EOT;\n<b>$x</b>\nEOT\n$y",
           {{u"print", 11},
            {u" ", 10},
            {u"<<", 55},
            {u"EOT", 59},
            {u";", 1},  // opener line
            {u"<", 41},
            {u"b", 43},
            {u">", 42},
            {u"$", 1},
            {u"x", 44},
            {u"</", 41},
            {u"b", 43},
            {u">", 42},
            {u"EOT", 60},  // terminator
            {u"$y", 11}}},
          {"quoted marker and a comment in the body",
           u"<<\"END\";\n<!-- a\n-->END\nEND\n#c",
           {{u"<<", 55},
            {u"\"END\"", 59},
            {u";", 1},
            {u"<!--", 39},
            {u" a-->", 38},
            {u"END", 44},
            {u"END", 60},
            {u"#c", 7}}},
          {"link and code region in the body",
           u"<<E\nhttp://a <?x?>\nE",
           {{u"<<", 55},
            {u"E", 59},
            {u"http://", 22},
            {u"a", 21},
            {u" ", 10},
            {u"<?", 57},
            {u"x", 43},
            {u"?>", 58},
            {u"E", 60}}},
          {"tag string in the body runs over lines",
           u"<<E\n<a b=\"x\ny\">\nE",
           {{u"<<", 55}, {u"E", 59}, {u"<", 41}, {u"a b=", 43}, {u"\"xy\"", 25}, {u">", 42}, {u"E", 60}}},
      });
  TTextLines lines = TTextLines::Marked(u"print <<EOT;\nbody\nEOT\n");
  ColourRuns(hmPerl, lines);
  EXPECT_EQ(lines.LineAt(0)->ParseDataString, u"EOT");
  EXPECT_EQ(lines.LineAt(1)->ParseDataString, u"EOT");
  EXPECT_EQ(lines.LineAt(2)->ParseDataString, u"");
}

TEST(PerlParser, PodBlocks) {
  ExpectColours(hmPerl,
                {
                    {"pod to cut",
                     u"=pod\ntext =cut\n\n=head1 x\n=cut x\n$x",
                     {{u"=pod", 71},
                      {u"text =cut", 71},
                      {u"=head1 x", 71},
                      {u"=cut", 72},
                      {u" ", 10},
                      {u"x", 11},
                      {u"$x", 11}}},
                    {"a digit may follow the command", u"=item2 a\n=cut", {{u"=item2 a", 71}, {u"=cut", 72}}},
                    {"a letter may not", u"=items", {{u"=", 61}, {u"items", 11}}},
                    {"only at the start of a display line",
                     u"x =pod",
                     {{u"x", 11}, {u" ", 10}, {u"=", 61}, {u"pod", 11}}},
                    {"pod over a wrap point", u"=pod a|b\n=cut", {{u"=pod ab", 71}, {u"=cut", 72}}},
                });
  TTextLines lines = TTextLines::Marked(u"=pod\n\nx\n=cut\ny");
  ColourRuns(hmPerl, lines);
  EXPECT_EQ(lines.LineAt(0)->EndToken, 71);
  EXPECT_EQ(lines.LineAt(1)->EndToken, 71);  // an empty line stays inside the block
  EXPECT_EQ(lines.LineAt(2)->EndToken, 71);
  EXPECT_EQ(lines.LineAt(3)->EndToken, 0);
}

}  // namespace
}  // namespace kelp::test
