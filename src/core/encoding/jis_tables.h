#pragma once
// The constant tables of the EUC-JP and ISO-2022-JP codecs. The first five are
// generated at build time (tools/gen_jis_tables); the widening table is fixed.

#include <cstddef>
#include <cstdint>

namespace kelp::jis {

// 120 rows (0x21 to 0x98) x 94 cells (0x21 to 0x7E): the character code page
// 932 gives for the Shift_JIS form of (row, cell), or 0.
inline constexpr size_t kRowTableSize = 120 * 94;
extern const char16_t kRowTable[kRowTableSize];

// JIS X 0212, 94 x 94 from row and cell 0x21, or 0.
inline constexpr size_t kX0212TableSize = 94 * 94;
extern const char16_t kX0212Table[kX0212TableSize];

// Single bytes: 20-7E themselves, A0 U+F8F0, A1-DF half-width katakana,
// FD-FF U+F8F1 to U+F8F3, everything else 0.
extern const char16_t kSingleByteTable[256];

// Per code unit, the lowest code: row * 256 + cell of the row table (rows up
// to 0x92), (row + 0x80) * 256 + cell of JIS X 0212, or a single byte; 0 for none.
extern const uint16_t kReverseTable[65536];

// Shift_JIS FA40 to FCFC (index (first - 0xFA) * 189 + second - 0x40): the NEC
// code with the same character, or 0.
inline constexpr size_t kIbmExtensionTableSize = 3 * 189;
extern const uint16_t kIbmExtensionTable[kIbmExtensionTableSize];

// Half-width katakana U+FF61 to U+FF9F widened to their full-width forms; the
// voicing marks become the spacing marks U+309B and U+309C.
extern const char16_t kKanaWideningTable[0xFF9F - 0xFF61 + 1];

inline char16_t RowEntry(unsigned row, unsigned cell) { return kRowTable[(row - 0x21) * 94 + (cell - 0x21)]; }
inline char16_t X0212Entry(unsigned row, unsigned cell) {
  return kX0212Table[(row - 0x21) * 94 + (cell - 0x21)];
}

}  // namespace kelp::jis
