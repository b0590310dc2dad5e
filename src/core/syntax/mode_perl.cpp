// Perl: "#" comments, regular expressions after the punctuation that allows
// them, m// and s///, sigils, here-documents (whose text may hold HTML) and
// POD blocks. Elements inside a here-document: 0 text, 1 tag, 2 "<?" ... "?>".
#include <array>

#include "syntax/keyword_table.h"
#include "syntax/modes.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TPerlList, "perl", 43, 21, false)

constexpr std::array<std::u16string_view, 9> kPodCommands = {
    u"=begin", u"=head1", u"=head2", u"=back", u"=item", u"=over", u"=pod", u"=for", u"=end"};

class TParserPerl final : public TNotePadParser {
 public:
  using TNotePadParser::TNotePadParser;

 protected:
  // `word` stands at pos and is followed by the end of the text or by a
  // character that cannot continue a word.
  bool CommandAt(int64_t pos, std::u16string_view word) const {
    if (!TextAt(pos, word)) return false;
    const int64_t after = pos + static_cast<int64_t>(word.size());
    return !InText(after) || CharClass[FText[after]] != 11;
  }

  void ParseHereText() {
    const int64_t p = FParsePos;
    const char16_t c = FText[p];
    if (p > 0 && FText[p - 1] == chars::kLF && TextAt(p, FParseDataString)) {
      StepOver(static_cast<int64_t>(FParseDataString.size()) - 1);
      ScanToken(tk::kHereEnd);
      return;
    }
    if (FToken == tk::kHtmlCommentOpener) {
      ScanToken(tk::kHtmlComment);
      return;
    }
    if (FElement == 1 || FElement == 2) {
      if (c == u'"' || c == u'\'') {
        if (InText(p + 1)) StepOver(1);
        ScanToken(c == u'"' ? tk::kDoubleQuoted : tk::kSingleQuoted);
      } else if (FElement == 1 && c == u'/' && At(p + 1) == u'>') {
        StepOver(1);
        ScanToken(tk::kTagCloser);
      } else if (FElement == 1 && c == u'>') {
        ScanToken(tk::kTagCloser);
      } else if (FElement == 2 && c == u'?' && At(p + 1) == u'>') {
        StepOver(1);
        ScanToken(tk::kCodeClose);
      } else {
        ScanToken(tk::kTagChar);
      }
      return;
    }
    if (c == u'<') {
      if (TextAt(p + 1, u"!--")) {
        StepOver(3);
        ScanToken(tk::kHtmlCommentOpener);
      } else if (At(p + 1) == u'!' || At(p + 1) == u'/') {
        StepOver(1);
        ScanToken(tk::kTagOpener);
      } else if (At(p + 1) == u'?') {
        StepOver(1);
        ScanToken(tk::kCodeOpen);
      } else {
        ScanToken(tk::kTagOpener);
      }
      return;
    }
    if (ParseUrl()) return;
    if (CharClass[c] == 11)
      ScanToken(tk::kHtmlWord);
    else
      TNotePadParser::ParseToken(false);
  }

  void ParseToken(bool /*AllowUrl*/) override {
    if (!FParseDataString.empty()) {
      ParseHereText();
      return;
    }
    switch (FToken) {
      case tk::kHereOpener:
        ScanToken(tk::kHereMarker);
        return;
      case tk::kMatchOp:
        ScanToken(tk::kRegex);
        return;
      case tk::kSubstOp:
        ScanToken(tk::kSubstPattern);
        return;
      case tk::kSubstPattern:
        ScanToken(tk::kRegex);
        return;
      default:
        break;
    }
    const int64_t p = FParsePos;
    const char16_t c = FText[p];
    if (c == u'=' && AtLineStart()) {
      for (std::u16string_view cmd : kPodCommands) {
        if (CommandAt(p, cmd)) {
          StepOver(static_cast<int64_t>(cmd.size()) - 1);
          ScanToken(tk::kPod);
          return;
        }
      }
      if (CommandAt(p, u"=cut")) {
        StepOver(3);
        ScanToken(tk::kPodCut);
        return;
      }
    }
    const bool hasD = InText(p + 1);
    const char16_t d = hasD ? FText[p + 1] : char16_t(0);
    switch (c) {
      case u'(':
      case u'+':
      case u',':
      case u'=':
      case u'~':
        ScanToken(tk::kRegexAllowed);
        return;
      case u'/':
        if (FPrevToken == tk::kRegexAllowed) {
          if (hasD && d != chars::kLF) StepOver(1);
          ScanToken(tk::kRegex);
          return;
        }
        break;
      case u'\'':
      case u'"':
        OpenQuote(c == u'"' ? tk::kDoubleQuoted : tk::kSingleQuoted);
        return;
      case u'#':
        ScanToken(tk::kLineComment);
        return;
      case u'$':
        if (hasD && (CharClass[d] == 11 || d == u'#')) {
          StepOver(1);
          ScanToken(tk::kWord);
          return;
        }
        break;
      case u'%':
      case u'&':
      case u'@':
      case u'*':
        if (hasD && CharClass[d] == 11) {
          StepOver(1);
          ScanToken(tk::kWord);
          return;
        }
        break;
      case u'0':
        if (d == u'x' || d == u'X') {
          StepOver(1);
          ScanToken(tk::kHex);
          return;
        }
        break;
      case u'<':
        if (d == u'<') {
          StepOver(1);
          ScanToken(tk::kHereOpener);
          return;
        }
        break;
      case u'm':
        if (d == u'/') {
          StepOver(1);
          ScanToken(tk::kMatchOp);
          return;
        }
        break;
      case u's':
        if (d == u'/') {
          StepOver(1);
          ScanToken(tk::kSubstOp);
          return;
        }
        break;
      default:
        break;
    }
    TNotePadParser::ParseToken(false);
  }

  void ScanToken(TTokenCode Code) override {
    // Inside a tag a quoted value runs to its closing quote, without escapes.
    if (FElement != 0 && (Code == tk::kSingleQuoted || Code == tk::kDoubleQuoted)) {
      FToken = Code;
      ScanThroughQuote(Code == tk::kSingleQuoted ? u'\'' : u'"');
      return;
    }
    if (ScanEscapedQuote(Code, false)) return;
    switch (Code) {
      case tk::kHereOpener:
        FToken = Code;
        ScanOpener(u"<<", tk::kHereMarker);
        return;
      case tk::kHereMarker:
        FToken = Code;
        ScanHereDocMarker(false);
        return;
      case tk::kHereEnd:
        FToken = Code;
        ScanHereDocEnd(0);
        return;
      case tk::kRegex:
      case tk::kRegexEscState:
        FToken = tk::kRegex;
        ScanEscapedString(u'/', tk::kRegexEscState, false, Code == tk::kRegexEscState);
        return;
      case tk::kMatchOp:
        FToken = Code;
        ScanOpener(u"m/", tk::kRegex);
        return;
      case tk::kSubstOp:
        FToken = Code;
        ScanOpener(u"s/", tk::kSubstPattern);
        return;
      case tk::kSubstPattern:
      case tk::kSubstEscState:
        FToken = tk::kSubstPattern;
        ScanEscapedString(u'/', tk::kSubstEscState, false, Code == tk::kSubstEscState);
        return;
      case tk::kPod:
        // A line that begins inside a POD block: "=cut" ends the block.
        if (AtLineStart() && CommandAt(FParsePos, u"=cut")) {
          FToken = tk::kPodCut;
          StepOver(4);
          return;
        }
        FToken = Code;
        ScanToEnd();
        return;
      default:
        TNotePadParser::ScanToken(Code);
    }
  }
};
}  // namespace

void TModePerl::InitReserveLists() { SetLists(std::make_unique<TPerlList>()); }

std::unique_ptr<TNotePadParser> TModePerl::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserPerl>(target, *this);
}

}  // namespace kelp
