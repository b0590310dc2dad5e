// C#: the C-family parser plus verbatim strings ("@" and a double quote,
// then everything up to the next double quote, over line ends).
#include "syntax/keyword_table.h"
#include "syntax/modes.h"
#include "syntax/parser_cpp.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TCSharpList, "csharp", 167, 83, false)

class TParserCSharp final : public TParserCpp {
 public:
  using TParserCpp::TParserCpp;

 protected:
  void ParseToken(bool AllowUrl) override {
    if (FToken == tk::kVerbatimOpener) {
      ScanToken(tk::kVerbatimBody);
      return;
    }
    if (FText[FParsePos] == u'@' && At(FParsePos + 1) == u'"') {
      StepOver(1);
      ScanToken(tk::kVerbatimOpener);
      return;
    }
    TParserCpp::ParseToken(AllowUrl);
  }
  void ScanToken(TTokenCode Code) override {
    if (Code == tk::kVerbatimOpener) {
      FToken = Code;
      ScanOpener(u"@\"", tk::kVerbatimBody);
    } else if (Code == tk::kVerbatimBody) {
      FToken = Code;
      ScanThroughQuote(u'"');
    } else {
      TParserCpp::ScanToken(Code);
    }
  }
};
}  // namespace

void TModeCSharp::InitReserveLists() { SetLists(std::make_unique<TCSharpList>()); }

std::unique_ptr<TNotePadParser> TModeCSharp::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserCSharp>(target, *this);
}

}  // namespace kelp
