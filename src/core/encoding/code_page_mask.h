#pragma once
// Which characters an encoding cannot hold: the code-page mask the view uses
// to mark them, and the test run before saving.

#include <cstdint>
#include <string_view>

#include "encoding/file_code.h"

namespace kelp {

// Bits of the mask table: a set bit means the code unit does not come back
// unchanged from writing and reading it in that encoding.
enum CodePageMaskBit : uint8_t {
  kMaskShiftJis = 1,  // code page 932
  kMask1252 = 2,
  kMask1251 = 4,
  kMaskBig5 = 8,     // code page 950
  kMaskGb2312 = 16,  // code page 936
  kMaskEucKr = 32,   // code page 949
  kMaskEuc = 64,     // the EUC-JP codec
};

// 65,536 bytes, one per UTF-16 code unit: ASCII has no bit set, surrogate
// halves all seven. Computed once, on first use, from the same conversions
// the files are written with.
const uint8_t* CodePageMaskTable();

// The bit the view is given for a file's encoding (0 marks nothing).
uint8_t CodePageMaskOf(TFileCode code);

// Whether `text` can be written in `code` without losing a character. The
// code pages (fcNONE, fcANSI and fcJIS use 932) answer by their encoding's
// report; EUC-JP by the round trip of every code unit; JIS also refuses
// U+0080 and U+F8F0 to U+F8F3, which it writes as "?". The UTF encodings and
// fcBIN hold every text.
bool IsRepresentable(std::u16string_view text, TFileCode code);

}  // namespace kelp
