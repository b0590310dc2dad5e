#pragma once
// Declares, inside a language's file, one process-wide hash table and the
// keyword-list class that consults it:
//   KELP_KEYWORD_TABLE(THash1, TCppList, "cpp", 101, 48, false)
// builds the table from keywords/cpp.txt (48 words, 101 slots, exact case)
// the first time a TCppList is made.

#include "syntax/hash_table.h"
#include "syntax/keyword_data.h"

#define KELP_KEYWORD_TABLE(HashClass, ListClass, file, size, count, ignoreCase)     \
  class HashClass final : public ::kelp::THashTable {                               \
   public:                                                                          \
    HashClass() : THashTable(::kelp::KeywordList(file), size, count, ignoreCase) {} \
    static const HashClass& Instance() {                                            \
      static const HashClass table;                                                 \
      return table;                                                                 \
    }                                                                               \
  };                                                                                \
  class ListClass final : public ::kelp::THashReserveList {                         \
   public:                                                                          \
    ListClass() : THashReserveList(HashClass::Instance()) {}                        \
  };
