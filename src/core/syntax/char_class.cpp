#include "syntax/char_class.h"

#include <array>
#include <string_view>

namespace kelp {
namespace {

struct Range {
  char16_t first, last;
};

// Letters of the alphabetic scripts other than Latin ASCII, taken block by
// block. Applied before the explicit rows, which win where they overlap.
constexpr Range kOtherLetters[] = {
    {0x00C0, 0x00FF},                    // Latin-1 letters (U+00D7 and U+00F7 are set as symbols below)
    {0x0100, 0x024F},                    // Latin Extended-A and -B
    {0x0250, 0x02AF},                    // IPA
    {0x0386, 0x03FF},                    // Greek
    {0x0400, 0x04FF},                    // Cyrillic
    {0x0531, 0x0587},                    // Armenian
    {0x05D0, 0x05F2},                    // Hebrew
    {0x0621, 0x064A},                    // Arabic
    {0x0671, 0x06D3}, {0x0710, 0x072C},  // Syriac
    {0x0780, 0x07A5},                    // Thaana
    {0x0900, 0x0DFF},                    // the Indic scripts
    {0x0E00, 0x0E7F},                    // Thai
    {0x0E80, 0x0EFF},                    // Lao
    {0x0F00, 0x0FFF},                    // Tibetan
    {0x1000, 0x109F},                    // Myanmar
    {0x10A0, 0x10FF},                    // Georgian
    {0x1100, 0x11FF},                    // Hangul Jamo
    {0x1200, 0x137F},                    // Ethiopic
    {0x13A0, 0x13FF},                    // Cherokee
    {0x1400, 0x167F},                    // Canadian syllabics
    {0x1681, 0x169A},                    // Ogham
    {0x16A0, 0x16F0},                    // Runic
    {0x1780, 0x17FF},                    // Khmer
    {0x1800, 0x18AF},                    // Mongolian
    {0x1E00, 0x1EFF},                    // Latin Extended Additional
    {0x1F00, 0x1FFF},                    // Greek Extended
    {0x3105, 0x312F},                    // Bopomofo
    {0x3131, 0x318E},                    // Hangul compatibility Jamo
    {0xFB00, 0xFDFF},                    // alphabetic and Arabic presentation forms A
    {0xFE70, 0xFEFC},                    // Arabic presentation forms B
};

struct Row {
  uint8_t cls;
  Range r;
};

constexpr Row kRows[] = {
    {70, {0x0000, 0x001F}},
    {70, {0x0080, 0x009F}},
    {10, {0x0020, 0x0020}},
    {1, {0x0021, 0x002F}},
    {1, {0x003A, 0x0040}},
    {1, {0x005B, 0x005E}},
    {1, {0x0060, 0x0060}},
    {1, {0x007B, 0x007E}},
    {3, {0x0030, 0x0039}},
    {11, {0x0041, 0x005A}},
    {11, {0x005F, 0x005F}},
    {11, {0x0061, 0x007A}},
    {255, {0x007F, 0x007F}},
    // wide symbols
    {12, {0x00A0, 0x00BF}},
    {12, {0x00D7, 0x00D7}},
    {12, {0x00F7, 0x00F7}},
    {12, {0x02B0, 0x036F}},
    {12, {0x2000, 0x214F}},
    {12, {0x2190, 0x2AFF}},
    {12, {0x2E80, 0x2FDF}},
    {12, {0x2FF0, 0x3002}},
    {12, {0x3004, 0x3004}},
    {12, {0x3008, 0x303F}},
    {12, {0x3095, 0x309C}},
    {12, {0x3190, 0x319F}},
    {12, {0x3200, 0x33FF}},
    {12, {0xFE20, 0xFE6F}},
    {12, {0xFF01, 0xFF0F}},
    {12, {0xFF1A, 0xFF20}},
    {12, {0xFF3B, 0xFF40}},
    {12, {0xFF5B, 0xFF5E}},
    {12, {0xFFE0, 0xFFEF}},
    // kanji
    {18, {0x3003, 0x3003}},
    {18, {0x3005, 0x3007}},
    {18, {0x3400, 0x4DBF}},
    {18, {0x4E00, 0x9FFF}},
    {18, {0xF900, 0xFAFF}},
    // kana
    {16, {0x3040, 0x3094}},
    {16, {0x309D, 0x309F}},
    {17, {0x30A0, 0x30FF}},
    {17, {0x31F0, 0x31FF}},
    // full-width and half-width forms
    {14, {0xFF10, 0xFF19}},
    {15, {0xFF21, 0xFF3A}},
    {15, {0xFF41, 0xFF5A}},
    {19, {0xFF61, 0xFF65}},
    {20, {0xFF66, 0xFF9F}},
    // Hangul syllables
    {69, {0xAC00, 0xD7A3}},
};

constexpr std::array<uint8_t, 65536> MakeTable() {
  std::array<uint8_t, 65536> t{};
  for (uint32_t c = 0; c < 65536; ++c) t[c] = 255;
  for (const Range& r : kOtherLetters)
    for (uint32_t c = r.first; c <= r.last; ++c) t[c] = 68;
  for (const Row& row : kRows)
    for (uint32_t c = row.r.first; c <= row.r.last; ++c) t[c] = row.cls;
  return t;
}

constexpr std::array<bool, 128> kUrlChars = [] {
  std::array<bool, 128> t{};
  for (char c : std::string_view("#$%&+,-./:;=?@\\_~")) t[static_cast<unsigned char>(c)] = true;
  for (int c = '0'; c <= '9'; ++c) t[c] = true;
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = true;
  for (int c = 'a'; c <= 'z'; ++c) t[c] = true;
  return t;
}();

}  // namespace

constexpr std::array<uint8_t, 65536> CharClass = MakeTable();

bool chars::IsUrlChar(char16_t c) { return c < 128 && kUrlChars[c]; }

}  // namespace kelp
