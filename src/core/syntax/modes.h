#pragma once
// The fifteen mode classes. Each language's file defines its mode's keyword
// lists and its parser.

#include <memory>

#include "syntax/notepad_mode.h"
#include "syntax/notepad_parser.h"

namespace kelp {

#define KELP_DECLARE_MODE(Name)                                                     \
  class Name final : public TNotePadMode {                                          \
   public:                                                                          \
    std::unique_ptr<TNotePadParser> NewParser(TParseTarget& target) const override; \
                                                                                    \
   protected:                                                                       \
    void InitReserveLists() override;                                               \
  };

KELP_DECLARE_MODE(TModeDefault)
KELP_DECLARE_MODE(TModeHtml)
KELP_DECLARE_MODE(TModeCSharp)
KELP_DECLARE_MODE(TModeDelphi)
KELP_DECLARE_MODE(TModeJScript)
KELP_DECLARE_MODE(TModeVBScript)
KELP_DECLARE_MODE(TModePython)
KELP_DECLARE_MODE(TModeCpp)
KELP_DECLARE_MODE(TModeJava)
KELP_DECLARE_MODE(TModePerl)
KELP_DECLARE_MODE(TModeRuby)
KELP_DECLARE_MODE(TModeVisualBasic)
KELP_DECLARE_MODE(TModeCss)
KELP_DECLARE_MODE(TModeBat)
KELP_DECLARE_MODE(TModeUwsc)

#undef KELP_DECLARE_MODE

}  // namespace kelp
