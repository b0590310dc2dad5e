// Visual Basic: the Basic-family parser with statement and function lists.
#include "syntax/keyword_table.h"
#include "syntax/modes.h"
#include "syntax/parser_script.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TVisualBasicList, "visualbasic", 307, 151, true)
KELP_KEYWORD_TABLE(THash2, TVisualBasic2List, "visualbasic2", 307, 143, true)

class TParserVisualBasic final : public TParserVBScript {
 public:
  using TParserVBScript::TParserVBScript;
};
}  // namespace

void TModeVisualBasic::InitReserveLists() {
  SetLists(std::make_unique<TVisualBasicList>(), std::make_unique<TVisualBasic2List>());
}

std::unique_ptr<TNotePadParser> TModeVisualBasic::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserVisualBasic>(target, *this);
}

}  // namespace kelp
