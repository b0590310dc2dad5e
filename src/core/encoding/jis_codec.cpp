#include "encoding/jis_codec.h"

#include "encoding/code_page.h"
#include "encoding/jis_tables.h"

namespace kelp {

namespace {

constexpr unsigned char kEsc = 0x1B, kSo = 0x0E, kSi = 0x0F;

bool In(unsigned b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

enum class Shift { kAscii, kX0208, kKanaSo, kKanaEsc, kX0212 };

// Widens half-width katakana, merging a following voicing mark.
std::u16string Normalize(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == 0x0080 || In(c, 0xF8F0, 0xF8F3)) {
      out.push_back(u'?');
      continue;
    }
    if (!In(c, 0xFF61, 0xFF9F)) {
      out.push_back(c);
      continue;
    }
    char16_t wide = jis::kKanaWideningTable[c - 0xFF61];
    const char16_t next = i + 1 < text.size() ? text[i + 1] : 0;
    if (next == 0xFF9E && c == 0xFF73) {
      wide = 0x30F4, ++i;
    } else if (next == 0xFF9E && (In(c, 0xFF76, 0xFF84) || In(c, 0xFF8A, 0xFF8E))) {
      wide = static_cast<char16_t>(wide + 1), ++i;
    } else if (next == 0xFF9F && In(c, 0xFF8A, 0xFF8E)) {
      wide = static_cast<char16_t>(wide + 2), ++i;
    }
    out.push_back(wide);
  }
  return out;
}

}  // namespace

std::u16string JisToUnicode(std::string_view bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  std::u16string out(n, u'\0');
  size_t used = 0;
  Shift state = Shift::kAscii;
  size_t k = 0;
  while (k < n) {
    const unsigned char c = b[k];
    if (c == kSo) {
      if (state == Shift::kAscii)
        state = Shift::kKanaSo;
      else
        out[used++] = c;
      ++k;
      continue;
    }
    if (c == kSi) {
      if (state == Shift::kKanaSo)
        state = Shift::kAscii;
      else
        out[used++] = c;
      ++k;
      continue;
    }
    if (c == kEsc) {
      if (k + 2 < n) {
        const unsigned char e1 = b[k + 1], e2 = b[k + 2];
        if (e1 == '$' && (e2 == 'B' || e2 == 0x40)) {
          state = Shift::kX0208, k += 3;
          continue;
        }
        if (e1 == '(' && (e2 == 'B' || e2 == 'J')) {
          state = Shift::kAscii, k += 3;
          continue;
        }
        if (e1 == '(' && e2 == 'I') {
          state = Shift::kKanaEsc, k += 3;
          continue;
        }
        if (k + 3 < n && e1 == '$' && e2 == '(' && b[k + 3] == 'D') {
          state = Shift::kX0212, k += 4;
          continue;
        }
      }
      out[used++] = c;
      ++k;
      continue;
    }
    // A two-byte code of a table: its character, or nothing for an empty
    // cell; a byte that starts no code passes through.
    auto TwoByte = [&](unsigned lastRow, char16_t (*entry)(unsigned, unsigned)) {
      if (In(c, 0x21, lastRow) && k + 1 < n && In(b[k + 1], 0x21, 0x7E)) {
        const char16_t u = entry(c, b[k + 1]);
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
    };
    switch (state) {
      case Shift::kX0208:
        TwoByte(0x98, jis::RowEntry);
        break;
      case Shift::kKanaSo:
      case Shift::kKanaEsc:
        out[used++] = In(c, 0x21, 0x5F) ? jis::kSingleByteTable[c + 0x80] : c;
        ++k;
        break;
      case Shift::kX0212:
        TwoByte(0x7E, jis::X0212Entry);
        break;
      case Shift::kAscii: {
        const char16_t u = jis::kSingleByteTable[c];
        out[used++] = u ? u : c;
        ++k;
        break;
      }
    }
  }
  out.resize(used);
  return out;
}

std::string UnicodeToJis(std::u16string_view text, bool* usedDefault) {
  const std::string sjis = UnicodeToCodePage(932, Normalize(text), usedDefault);
  const auto* s = reinterpret_cast<const unsigned char*>(sjis.data());
  const size_t n = sjis.size();
  std::string out;
  out.resize(n * 2 + 8);
  size_t used = 0;
  bool kanji = false;
  auto put = [&](unsigned char byte) {
    if (out.size() - used < 4) out.resize(out.size() * 2);
    out[used++] = static_cast<char>(byte);
  };
  for (size_t i = 0; i < n; ++i) {
    unsigned first = s[i];
    if (first < 0x81 || i + 1 >= n) {
      if (kanji) {
        put(kEsc), put('('), put('B');
        kanji = false;
      }
      put(first < 0x81 ? static_cast<unsigned char>(first) : '?');
      continue;
    }
    unsigned second = s[++i];
    if (!kanji) {
      put(kEsc), put('$'), put('B');
      kanji = true;
    }
    if (In(first, 0xFA, 0xFC) && In(second, 0x40, 0xFC)) {
      const unsigned nec = jis::kIbmExtensionTable[(first - 0xFA) * 189 + (second - 0x40)];
      if (nec) first = nec >> 8, second = nec & 0xFF;
    }
    unsigned j1 = 2 * first - 0x60;
    if (first < 0xA0) j1 -= 0x80;
    j1 &= 0xFF;
    if (second < 0x9F) j1 -= 1;
    const unsigned j2 = second < 0x80 ? second - 0x1F : second < 0x9F ? second - 0x20 : second - 0x7E;
    put(static_cast<unsigned char>(j1)), put(static_cast<unsigned char>(j2));
  }
  if (kanji) put(kEsc), put('('), put('B');
  out.resize(used);
  return out;
}

}  // namespace kelp
