#include "encoding/euc_codec.h"

#include "encoding/jis_tables.h"

namespace kelp {

namespace {

bool In(unsigned char b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

}  // namespace

std::u16string EucToUnicode(std::string_view bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  std::u16string out(n, u'\0');
  size_t used = 0;
  size_t k = 0;
  while (k < n) {
    const unsigned char c = b[k];
    if (c < 0x80) {
      out[used++] = c;
      ++k;
    } else if (c == 0x8E) {
      if (k + 1 < n && In(b[k + 1], 0xA1, 0xDF)) {
        out[used++] = jis::kSingleByteTable[b[k + 1]];
        k += 2;
      } else {
        ++k;  // a stray single-shift is dropped
      }
    } else if (c == 0x8F) {
      const char16_t u = (k + 2 < n && In(b[k + 1], 0xA1, 0xFE) && In(b[k + 2], 0xA1, 0xFE))
                             ? jis::X0212Entry(b[k + 1] - 0x80u, b[k + 2] - 0x80u)
                             : 0;
      if (u) {
        out[used++] = u;
        k += 3;
      } else {
        ++k;  // only the 0x8F is dropped; what follows is read again
      }
    } else if (In(c, 0xA1, 0xFE) && k + 1 < n && In(b[k + 1], 0xA1, 0xFE)) {
      const unsigned row = c - 0x80u;
      const char16_t u = row <= 0x7E ? jis::RowEntry(row, b[k + 1] - 0x80u) : 0;
      if (u) {
        out[used++] = u;
        k += 2;
      } else {
        ++k;
      }
    } else {
      out[used++] = c;
      ++k;
    }
  }
  out.resize(used);
  return out;
}

std::string UnicodeToEuc(std::u16string_view text) {
  std::string out(text.size() * 3, '\0');
  size_t used = 0;
  for (const char16_t c : text) {
    if (c < 0x80) {  // also U+0000, written as byte 0
      out[used++] = static_cast<char>(c);
      continue;
    }
    const unsigned v = (c >= 0xE000 && c <= 0xE757) ? 0 : jis::kReverseTable[c];
    if (v == 0) {
      out[used++] = '?';
    } else if (v >= 0xA1 && v <= 0xDF) {
      out[used++] = static_cast<char>(0x8E);
      out[used++] = static_cast<char>(v);
    } else if (v >= 0x2121 && v <= 0x7E7E) {
      out[used++] = static_cast<char>((v >> 8) + 0x80);
      out[used++] = static_cast<char>((v & 0xFF) + 0x80);
    } else if (v >= 0xA121 && v <= 0xFEFE) {
      out[used++] = static_cast<char>(0x8F);
      out[used++] = static_cast<char>(v >> 8);
      out[used++] = static_cast<char>((v & 0xFF) + 0x80);
    } else {
      out[used++] = static_cast<char>(v & 0xFF);
    }
  }
  out.resize(used);
  return out;
}

}  // namespace kelp
