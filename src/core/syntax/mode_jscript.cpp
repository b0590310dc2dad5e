// JScript: the C-family parser without directives, with regular-expression
// literals after "(", "+", "," and "=".
#include "syntax/keyword_table.h"
#include "syntax/modes.h"
#include "syntax/parser_cpp.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TJScriptList, "jscript", 127, 59, false)

class TParserJScript final : public TParserCpp {
 public:
  using TParserCpp::TParserCpp;

 protected:
  void ParseToken(bool /*AllowUrl*/) override {
    if (FToken == tk::kBlockOpener) {
      ScanToken(tk::kBlockComment);
      return;
    }
    const char16_t c = FText[FParsePos];
    if (c == u'(' || c == u'+' || c == u',' || c == u'=') {
      ScanToken(tk::kRegexAllowed);
      return;
    }
    if (c == u'/') {
      const bool hasD = InText(FParsePos + 1);
      const char16_t d = hasD ? FText[FParsePos + 1] : char16_t(0);
      if (hasD && (d == u'/' || d == u'*')) {
        ParseCFamily(false);
        return;
      }
      if (FPrevToken == tk::kRegexAllowed) {
        if (hasD && d != chars::kLF) StepOver(1);
        ScanToken(tk::kRegex);
        return;
      }
      TNotePadParser::ParseToken(false);
      return;
    }
    if (!ParseCFamily(false)) TNotePadParser::ParseToken(false);
  }
  void ScanToken(TTokenCode Code) override {
    if (Code == tk::kRegex || Code == tk::kRegexEscState) {
      FToken = tk::kRegex;
      ScanEscapedString(u'/', tk::kRegexEscState, false, Code == tk::kRegexEscState);
    } else {
      TParserCpp::ScanToken(Code);
    }
  }
};
}  // namespace

void TModeJScript::InitReserveLists() { SetLists(std::make_unique<TJScriptList>()); }

std::unique_ptr<TNotePadParser> TModeJScript::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserJScript>(target, *this);
}

}  // namespace kelp
