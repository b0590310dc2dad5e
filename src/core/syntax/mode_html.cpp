// HTML and XML with embedded PHP: tags and their attribute strings, comments,
// links in the text, and PHP code between "<?" and "?>" with its comments,
// strings, variables and here-documents. Elements: 0 text, 1 tag, 2 PHP.
#include "syntax/keyword_table.h"
#include "syntax/modes.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, THtmlList, "html", 137, 67, false)
KELP_KEYWORD_TABLE(THash2, THtml2List, "html2", 2161, 1078, false)
KELP_KEYWORD_TABLE(THash3, THtml3List, "html3", 479, 236, false)

class TParserHtml final : public TNotePadParser {
 public:
  using TNotePadParser::TNotePadParser;

 protected:
  void ParseToken(bool AllowUrl) override {
    const int64_t p = FParsePos;
    const char16_t c = FText[p];
    // A here-document ends at a logical line that holds its terminator and ";".
    if (!FParseDataString.empty() && p > 0 && FText[p - 1] == chars::kLF && TextAt(p, FParseDataString) &&
        At(p + static_cast<int64_t>(FParseDataString.size())) == u';') {
      StepOver(static_cast<int64_t>(FParseDataString.size()) - 1);
      ScanToken(tk::kHereEnd);
      return;
    }
    if (FToken == tk::kHtmlCommentOpener) {
      ScanToken(tk::kHtmlComment);
      return;
    }
    if (FElement == 1) {
      if (c == u'"' || c == u'\'') {
        if (InText(p + 1)) StepOver(1);
        ScanToken(c == u'"' ? tk::kDoubleQuoted : tk::kSingleQuoted);
      } else if (c == u'/' && At(p + 1) == u'>') {
        StepOver(1);
        ScanToken(tk::kTagCloser);
      } else if (c == u'>') {
        ScanToken(tk::kTagCloser);
      } else {
        ScanToken(tk::kTagChar);
      }
      return;
    }
    if (FElement == 2) {
      if (FToken == tk::kBlockOpener) {
        ScanToken(tk::kBlockComment);
        return;
      }
      if (FToken == tk::kHereOpener) {
        ScanToken(tk::kHereMarker);
        return;
      }
      const char16_t d = At(p + 1);
      if (c == u'"' || c == u'\'') {
        if (InText(p + 1)) StepOver(1);
        ScanToken(c == u'"' ? tk::kDoubleQuoted : tk::kSingleQuoted);
      } else if (c == u'#') {
        ScanToken(tk::kLineComment);
      } else if (c == u'$' && CharClass[d] == 11 && InText(p + 1)) {
        StepOver(1);
        ScanToken(tk::kWord);
      } else if (c == u'/' && d == u'/') {
        StepOver(1);
        ScanToken(tk::kLineComment);
      } else if (c == u'/' && d == u'*') {
        StepOver(1);
        ScanToken(tk::kBlockOpener);
      } else if (c == u'<' && TextAt(p + 1, u"<<")) {
        StepOver(2);
        ScanToken(tk::kHereOpener);
      } else if (c == u'?' && d == u'>') {
        StepOver(1);
        ScanToken(tk::kCodeClose);
      } else {
        TNotePadParser::ParseToken(AllowUrl);
      }
      return;
    }
    // Element 0: text.
    if (c == u'<') {
      if (!InText(p + 1)) {
        ScanToken(tk::kTagOpener);
      } else if (TextAt(p + 1, u"!--")) {
        StepOver(3);
        ScanToken(tk::kHtmlCommentOpener);
      } else if (FText[p + 1] == u'!' || FText[p + 1] == u'/') {
        StepOver(1);
        ScanToken(tk::kTagOpener);
      } else if (TextAt(p + 1, u"?xml")) {
        StepOver(4);
        ScanToken(tk::kTagOpener);
      } else if (FText[p + 1] == u'?') {
        StepOver(1);
        ScanToken(tk::kCodeOpen);
      } else {
        ScanToken(tk::kTagOpener);
      }
      return;
    }
    if (ParseUrl()) return;
    if (CharClass[c] == 11) {
      ScanToken(tk::kHtmlWord);
    } else if (!FParseDataString.empty() && c == u'$' && InText(p + 1) && CharClass[FText[p + 1]] == 11) {
      StepOver(1);
      ScanToken(tk::kWord);
    } else {
      TNotePadParser::ParseToken(false);
    }
  }

  void ScanToken(TTokenCode Code) override {
    // Outside script code a quoted value runs to its closing quote, without escapes.
    if (FElement != 2 && (Code == tk::kSingleQuoted || Code == tk::kDoubleQuoted)) {
      FToken = Code;
      ScanThroughQuote(Code == tk::kSingleQuoted ? u'\'' : u'"');
      return;
    }
    if (ScanEscapedQuote(Code, true)) return;
    switch (Code) {
      case tk::kHereOpener:
        FToken = Code;
        ScanOpener(u"<<<", tk::kHereMarker);
        return;
      case tk::kHereMarker:
        FToken = Code;
        ScanHereDocMarker(true);
        return;
      case tk::kHereEnd:
        FToken = Code;
        ScanHereDocEnd(2);
        return;
      default:
        TNotePadParser::ScanToken(Code);
    }
  }
};
}  // namespace

void TModeHtml::InitReserveLists() {
  SetLists(std::make_unique<THtmlList>(), std::make_unique<THtml2List>(), std::make_unique<THtml3List>());
}

std::unique_ptr<TNotePadParser> TModeHtml::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserHtml>(target, *this);
}

}  // namespace kelp
