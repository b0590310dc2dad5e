#pragma once
// The encodings a text file can have, with the names the user sees.

#include <array>
#include <cstdint>
#include <string_view>

namespace kelp {

// The encoding of one file. When reading, fcNONE asks for detection; when
// writing it means code page 932.
enum TFileCode : uint8_t {
  fcNONE = 0,
  fcANSI = 1,     // Shift_JIS, code page 932
  fcUNICODE = 2,  // UTF-16 little-endian
  fcBIGEND = 3,   // UTF-16 big-endian
  fcUTF8W = 4,    // UTF-8 written with a byte-order mark
  fcUTF7 = 5,
  fcUTF8U = 6,  // UTF-8 written without a byte-order mark
  fcEUC = 7,    // EUC-JP, the editor's own codec
  fcJIS = 8,    // ISO-2022-JP, the editor's own codec
  fcASCII = 9,  // code page 1252
  fc1251 = 10,
  fcBIG5 = 11,    // code page 950
  fcGB2312 = 12,  // code page 936
  fcEUCKR = 13,   // code page 949
  fcBIN = 14,     // raw bytes: nothing when reading, two bytes per code unit when writing
};

inline constexpr int kFileCodeCount = 15;
inline constexpr int kDialogCodeCount = 14;

// Short names, indexed by TFileCode: what a document window shows for its
// file's encoding. fcNONE has the empty name; fcBIN has none (empty, never shown).
extern const std::array<std::u16string_view, kFileCodeCount> CodeNames;

// The encoding list of the open and save dialogs, indexed 0 to 13 by TFileCode.
extern const std::array<std::u16string_view, kDialogCodeCount> CodeDialogNames;

// True for the values 0 to 14.
constexpr bool IsFileCode(int v) { return v >= 0 && v < kFileCodeCount; }

}  // namespace kelp
