// HTML with embedded PHP, and CSS.
#include <gtest/gtest.h>

#include "colour_cases.h"

namespace kelp::test {
namespace {

TEST(HtmlParser, TagsCommentsAndLinks) {
  ExpectColours(
      hmHtml,
      {
          {"tag with an attribute string",
           u"<p class='a'>x</p>",
           {{u"<", 41},
            {u"p class=", 43},
            {u"'a'", 24},
            {u">", 42},
            {u"x", 44},
            {u"</", 41},
            {u"p", 43},
            {u">", 42}}},
          {"declaration and empty element",
           u"<!DOCTYPE html><br/>",
           {{u"<!", 41}, {u"DOCTYPE html", 43}, {u">", 42}, {u"<", 41}, {u"br", 43}, {u"/>", 42}}},
          {"xml declaration",
           u"<?xml version=\"1.0\"?>",
           {{u"<?xml", 41}, {u" version=", 43}, {u"\"1.0\"", 25}, {u"?", 43}, {u">", 42}}},
          {"comment with double hyphens",
           u"<!-- a -- b -->x",
           {{u"<!--", 39}, {u" a -- b -->", 38}, {u"x", 44}}},
          {"the opener does not close itself", u"<!-->x\n-->y", {{u"<!--", 39}, {u">x-->", 38}, {u"y", 44}}},
          {"closer straddling a wrap point (one hyphen before)",
           u"<!-- a -|->b",
           {{u"<!--", 39}, {u" a -->", 38}, {u"b", 44}}},
          {"closer straddling a wrap point (two hyphens before)",
           u"<!-- a --|>b",
           {{u"<!--", 39}, {u" a -->", 38}, {u"b", 44}}},
          {"closer split by a line end does not close", u"<!-- a -\n->b", {{u"<!--", 39}, {u" a -->b", 38}}},
          {"attribute value over a line break",
           u"<a href=\"x\ny\">z",
           {{u"<", 41}, {u"a href=", 43}, {u"\"xy\"", 25}, {u">", 42}, {u"z", 44}}},
          {"tag opener cut by a wrap point", u"<|/p>", {{u"</", 41}, {u"p", 43}, {u">", 42}}},
          {"words, digits and a dollar in text",
           u"ab1 $x",
           {{u"ab", 44}, {u"1", 3}, {u" ", 10}, {u"$", 1}, {u"x", 44}}},
          {"link in text", u"see ftp://host/x", {{u"see", 44}, {u" ", 10}, {u"ftp://", 45}, {u"host/x", 21}}},
          {"link inside a tag is tag text", u"<a ftp://x>", {{u"<", 41}, {u"a ftp://x", 43}, {u">", 42}}},
      });
}

TEST(HtmlParser, PhpRegions) {
  ExpectColours(hmHtml,
                {
                    {"keywords, superglobals and strings",
                     u"<?php echo $_GET['a']; ?>",
                     {{u"<?", 57},
                      {u"php", 11},
                      {u" ", 10},
                      {u"echo", 8},
                      {u" ", 10},
                      {u"$_GET", 74},
                      {u"[", 1},
                      {u"'a'", 24},
                      {u"]", 1},
                      {u";", 1},
                      {u" ", 10},
                      {u"?>", 58}}},
                    {"the three lists",
                     u"<? _GET strpos E_ALL ?>",
                     {{u"<?", 57},
                      {u" ", 10},
                      {u"_GET", 11},
                      {u" ", 10},
                      {u"strpos", 73},
                      {u" ", 10},
                      {u"E_ALL", 74},
                      {u" ", 10},
                      {u"?>", 58}}},
                    {"line comment runs over ?>",
                     u"<? // c ?>\nx",
                     {{u"<?", 57}, {u" ", 10}, {u"// c ?>", 7}, {u"x", 11}}},
                    {"hash comment", u"<? # c\n?>", {{u"<?", 57}, {u" ", 10}, {u"# c", 7}, {u"?>", 58}}},
                    {"string with escapes over a line end",
                     u"<? \"a\\\"\nb\" ?>",
                     {{u"<?", 57}, {u" ", 10}, {u"\"a\\\"b\"", 25}, {u" ", 10}, {u"?>", 58}}},
                    {"block comment over a line end",
                     u"<? /* a\nb */ ?>",
                     {{u"<?", 57}, {u" ", 10}, {u"/*", 33}, {u" ab */", 32}, {u" ", 10}, {u"?>", 58}}},
                    {"here-document",
                     u"<?php $s = <<<EOT\n<b>$x</b>\nEOT\nEOT;\necho 1; ?>",
                     {{u"<?", 57},  {u"php", 11}, {u" ", 10},   {u"$s", 11}, {u" ", 10},  {u"=", 1},
                      {u" ", 10},   {u"<<<", 55}, {u"EOT", 59},  // marker
                      {u"<", 41},   {u"b", 43},   {u">", 42},   {u"$x", 11}, {u"</", 41}, {u"b", 43},
                      {u">", 42},   {u"EOT", 44},  // no ";": still here-document text
                      {u"EOT", 60}, {u";", 1},     // terminator, then PHP again
                      {u"echo", 8}, {u" ", 10},   {u"1", 3},    {u";", 1},   {u" ", 10},  {u"?>", 58}}},
                    {"quoted marker",
                     u"<? <<<'X'\nX;",
                     {{u"<?", 57}, {u" ", 10}, {u"<<<", 55}, {u"'X'", 59}, {u"X", 60}, {u";", 1}}},
                    {"empty marker falls back to text",
                     u"<? <<<;\n<b>",
                     {{u"<?", 57}, {u" ", 10}, {u"<<<", 55}, {u";", 1}, {u"<", 41}, {u"b", 43}, {u">", 42}}},
                });
}

TEST(HtmlParser, HereDocumentStateIsCarried) {
  TTextLines lines = TTextLines::Marked(u"<? <<<\"EOT\" \nbody\nEOT;\n");
  ColourRuns(hmHtml, lines);
  EXPECT_EQ(lines.LineAt(0)->ParseDataString, u"EOT");
  EXPECT_EQ(lines.LineAt(0)->EndElement, 0);
  EXPECT_EQ(lines.LineAt(1)->ParseDataString, u"EOT");
  EXPECT_EQ(lines.LineAt(2)->ParseDataString, u"");
  EXPECT_EQ(lines.LineAt(2)->EndElement, 2);
}

TEST(CssParser, PropertiesCommentsAndStrings) {
  ExpectColours(hmCss,
                {
                    {"property in any case",
                     u"BORDER-TOP: 1px;",
                     {{u"BORDER-TOP", 8}, {u":", 1}, {u" ", 10}, {u"1", 3}, {u"px", 11}, {u";", 1}}},
                    {"vendor prefix", u"-moz-border", {{u"-", 1}, {u"moz-border", 11}}},
                    {"colour and comment in a value",
                     u"color: #fff /* a */;",
                     {{u"color", 8},
                      {u":", 1},
                      {u" ", 10},
                      {u"#", 1},
                      {u"fff", 11},
                      {u" ", 10},
                      {u"/*", 33},
                      {u" a */", 32},
                      {u";", 1}}},
                    {"more properties",
                     u"Color text-decoration filter",
                     {{u"Color", 8}, {u" ", 10}, {u"text-decoration", 8}, {u" ", 10}, {u"filter", 8}}},
                    {"comment over a line end", u"/* a\nb */x", {{u"/*", 33}, {u" ab */", 32}, {u"x", 11}}},
                    {"string stops at LF", u"'a\nb", {{u"'a", 24}, {u"b", 11}}},
                    {"string over a wrap point", u"\"a|b\"x", {{u"\"ab\"", 25}, {u"x", 11}}},
                });
}

}  // namespace
}  // namespace kelp::test
