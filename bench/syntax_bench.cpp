// Syntax highlighting: the state pass (and the colour pass) over generated
// C++ and HTML+PHP text against QScintilla's lexers colourising the same
// text, and the cost of an edit that opens a comment at the top of a file.
#include <Qsci/qscilexercpp.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QString>
#include <memory>
#include <string>

#include "base/utf.h"
#include "document/notepad_string.h"
#include "harness.h"
#include "syntax/document_lines.h"
#include "syntax/notepad_parser.h"
#include "syntax/reparse.h"
#include "syntax/text_lines.h"
#include "width/char_width.h"

namespace {

using kelp::bench::Figure;
using kelp::bench::Report;
using kelp::bench::Seconds;
using kelp::bench::Target;

std::string CppText(int lines) {
  static const char* const kLines[] = {
      "#include <vector>",
      "// Adds the numbers of a list and returns the sum.",
      "static int Sum(const std::vector<int>& values) {",
      "  int total = 0x10;  /* start from sixteen */",
      "  for (int i = 0; i < static_cast<int>(values.size()); ++i) total += values[i] * 3;",
      "  const char* name = \"a \\\"quoted\\\" string\";",
      "  if (total > 1000 && name[0] != 'x') return total / 2;",
      "  /* a block comment",
      "     over two lines */ return total;",
      "}",
  };
  std::string s;
  for (int i = 0; i < lines; ++i) {
    s += kLines[i % 10];
    s += '\n';
  }
  return s;
}

std::string HtmlText(int lines) {
  static const char* const kLines[] = {
      "<html><head><title>Page</title></head>",
      "<body class=\"main\" onload='init()'>",
      "<!-- a comment about the table below -->",
      "<table width=\"100%\"><tr><td>text with words and 123 numbers</td></tr></table>",
      "<?php $name = $_GET['name']; echo htmlspecialchars($name); // greet",
      "  /* block */ if (isset($x)) { print(\"x = $x\\n\"); } ?>",
      "<p>see http://example.com/page?a=1 for more</p>",
      "<div id=\"d\"><span>日本語のテキスト</span></div>",
      "<?php for ($i = 0; $i < 10; $i++) { echo $i; } ?>",
      "</body></html>",
  };
  std::string s;
  for (int i = 0; i < lines; ++i) {
    s += kLines[i % 10];
    s += '\n';
  }
  return s;
}

// Seconds QScintilla's lexer takes to colourise the whole text.
double PeerSeconds(QsciLexer* lexer, const std::string& utf8) {
  QsciScintilla sci;
  sci.setLexer(lexer);
  sci.setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  sci.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL, 0L);  // forget any styling done so far
  const double s = Seconds([&] { sci.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L); });
  const long styled = sci.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
  if (styled < static_cast<long>(utf8.size()) - 1)
    std::printf("warning: peer styled only %ld bytes\n", styled);
  sci.setLexer(nullptr);
  return s;
}

void PassBench(const char* name, kelp::THighlightMode mode, const std::string& utf8, QsciLexer* lexer) {
  const std::u16string text = kelp::Utf8ToUtf16(utf8);
  const double mb = static_cast<double>(utf8.size()) / 1e6;
  kelp::TTextLines lines(text);
  const kelp::TNotePadMode& m = kelp::ModeOf(mode);
  double state = 1e9, colour = 1e9, peer = 1e9;
  size_t sink = 0;
  for (int rep = 0; rep < 3; ++rep) {
    state = std::min(state, Seconds([&] { kelp::ParseAllLines(m, lines); }));
    colour = std::min(colour, Seconds([&] {
                        auto parser = m.NewParser(lines);
                        for (int64_t i = 0; i < lines.LineCount(); ++i) {
                          parser->ParseLineColor(i);
                          sink += kelp::LineTokens()[0];
                        }
                      }));
  }
  for (int rep = 0; rep < 2; ++rep) peer = std::min(peer, PeerSeconds(lexer, utf8));
  const std::string peerName = std::string("QScintilla ") + lexer->lexer();
  const std::string base = std::string("syntax_") + name;
  Report({base + "_state_pass_MBps", mb / state, "MB/s", peerName, mb / peer, std::nullopt});
  Report({base + "_state_pass_s", state, "s", peerName, peer, Target{Target::kAtMost, 1.0, true}});
  Report({base + "_colour_pass_MBps", mb / colour, "MB/s", peerName, mb / peer, std::nullopt});
  Report({base + "_colour_pass_s", colour, "s", peerName, peer, Target{Target::kAtMost, 1.0, true}});
  if (sink == 42) std::puts("");
}

}  // namespace

KELP_BENCH(SyntaxPassCpp) {
  QsciLexerCPP* lexer = new QsciLexerCPP();
  PassBench("cpp", kelp::hmCpp, CppText(opts.quick ? 100000 : 1000000), lexer);
  delete lexer;
}

KELP_BENCH(SyntaxPassHtmlPhp) {
  QsciLexerHTML* lexer = new QsciLexerHTML();
  PassBench("html_php", kelp::hmHtml, HtmlText(opts.quick ? 100000 : 1000000), lexer);
  delete lexer;
}

// Typing "/*" on line 1 of a 100,000-line C++ document turns every later
// line into comment, so the re-parse the view runs on OnNeedParse goes to the
// end; a letter typed inside the comment afterwards changes no line's end
// state and stays on two lines.
KELP_BENCH(SyntaxOpenCommentEdit) {
  const int count = 100000;
  const kelp::TNotePadMode& cpp = kelp::ModeOf(kelp::hmCpp);
  kelp::ResetCharPixelWidths(std::make_shared<kelp::TFixedWidthMeasurer>(8, 16), 8);
  std::u16string plain;
  for (int i = 0; i < count; ++i)
    plain += kelp::Utf8ToUtf16("int value" + std::to_string(i) + " = " + std::to_string(i) + ";\n");
  kelp::TNotePadString doc;
  double parse = 0;
  kelp::TReparseResult result;
  doc.SetOnNeedParse(
      [&](kelp::TNotePadString& d) { parse = Seconds([&] { result = kelp::ParseDocumentChange(cpp, d); }); });
  doc.SetText(plain);
  auto type = [&](int64_t pos, std::u16string_view s) {
    doc.SetSelStart(pos);
    doc.SetSelEnd(pos);
    return Seconds([&] { doc.SetSelText(s); });
  };
  double open = 1e9, openEdit = 1e9, letter = 1e9, letterEdit = 1e9;
  kelp::TReparseResult openResult, letterResult;
  for (int rep = 0; rep < 5; ++rep) {
    openEdit = std::min(openEdit, type(doc.Items(1).Start, u"/*"));
    open = std::min(open, parse);
    openResult = result;
    letterEdit = std::min(letterEdit, type(doc.Items(1).Start + 3, u"x"));
    letter = std::min(letter, parse);
    letterResult = result;
    doc.Undo();
    doc.Undo();
  }
  Report({"syntax_type_open_comment_parse_ms", open * 1e3, "ms", "", 0, std::nullopt});
  Report({"syntax_type_open_comment_edit_ms", openEdit * 1e3, "ms", "", 0, std::nullopt});
  Report({"syntax_type_open_comment_lines", static_cast<double>(openResult.Reached - openResult.First + 1),
          "lines", "", 0, Target{Target::kAtLeast, static_cast<double>(count - 1), false}});
  Report({"syntax_type_in_comment_parse_us", letter * 1e6, "us", "", 0, std::nullopt});
  Report({"syntax_type_in_comment_edit_us", letterEdit * 1e6, "us", "", 0, std::nullopt});
  Report({"syntax_type_in_comment_lines", static_cast<double>(letterResult.Reached - letterResult.First + 1),
          "lines", "", 0, Target{Target::kAtMost, 2, false}});
}
