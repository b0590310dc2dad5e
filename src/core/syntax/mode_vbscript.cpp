// VBScript: the Basic-family parser with one case-ignoring keyword list.
#include "syntax/keyword_table.h"
#include "syntax/modes.h"
#include "syntax/parser_script.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TVBScriptList, "vbscript", 331, 161, true)
}  // namespace

void TModeVBScript::InitReserveLists() { SetLists(std::make_unique<TVBScriptList>()); }

std::unique_ptr<TNotePadParser> TModeVBScript::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserVBScript>(target, *this);
}

}  // namespace kelp
