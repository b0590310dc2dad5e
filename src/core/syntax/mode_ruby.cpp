// Ruby: "#" comments, lower-case "0x" literals, quoted text with escapes.
#include "syntax/keyword_table.h"
#include "syntax/modes.h"
#include "syntax/parser_script.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TRubyList, "ruby", 79, 38, false)

class TParserRuby final : public TParserHashComment {
 public:
  TParserRuby(TParseTarget& target, const TNotePadMode& mode) : TParserHashComment(target, mode, false) {}
};
}  // namespace

void TModeRuby::InitReserveLists() { SetLists(std::make_unique<TRubyList>()); }

std::unique_ptr<TNotePadParser> TModeRuby::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserRuby>(target, *this);
}

}  // namespace kelp
