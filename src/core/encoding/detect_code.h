#pragma once
// Byte-level recognition of Shift_JIS, EUC-JP, ISO-2022-JP, UTF-7 and UTF-8,
// and the quick test by which grep skips binary files.

#include <cstddef>
#include <string>
#include <string_view>

#include "encoding/file_code.h"

namespace kelp {

// Results of DetectCode.
enum DetectResult : int {
  kDetect7Bit = 0,      // only 7-bit bytes, no JIS escape, no UTF-7 evidence
  kDetectShiftJis = 1,  // Shift_JIS
  kDetectEuc = 2,       // EUC-JP
  kDetectJis = 3,       // ISO-2022-JP
  kDetectUtf7 = 4,
  kDetectUtf8 = 5,
  kDetectNoFit = 6,  // 8-bit bytes that no candidate fits
};

// Examines the first `len` bytes (clamped to the data) and returns 0 to 6.
int DetectCode(std::string_view bytes, size_t len);
inline int DetectCode(std::string_view bytes) { return DetectCode(bytes, bytes.size()); }

// The TFileCode the reader keeps for a detection result: results 0 and 6 keep
// fcNONE (and are decoded as code page 932).
TFileCode FileCodeOfDetection(int result);

// Reads at most the first 32 bytes: an empty file is text; otherwise the file
// is text when no byte read is below 8, or when it has at least 2 bytes whose
// sum is at least 509 (a UTF-16 mark). A file that cannot be read is not text.
bool IsTextFile(const std::string& path);

}  // namespace kelp
