#include "convert/kana_width.h"

#include <array>

namespace kelp {
namespace {

constexpr char16_t kHalfFirst = 0xFF61, kHalfLast = 0xFF9F;
constexpr char16_t kVoicedMark = 0xFF9E, kSemiVoicedMark = 0xFF9F;

// Full-width form of every half-width katakana code unit, U+FF61 ... U+FF9F.
constexpr char16_t kHalfToFull[kHalfLast - kHalfFirst + 1] = {
    u'。', u'「', u'」', u'、', u'・', u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ',
    u'ョ', u'ッ', u'ー', u'ア', u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ',
    u'サ', u'シ', u'ス', u'セ', u'ソ', u'タ', u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ',
    u'ネ', u'ノ', u'ハ', u'ヒ', u'フ', u'ヘ', u'ホ', u'マ', u'ミ', u'ム', u'メ', u'モ', u'ヤ',
    u'ユ', u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン', u'゛', u'゜'};

struct HalfForm {
  char16_t base = 0;  // half-width letter, 0 = none
  char16_t mark = 0;  // ﾞ or ﾟ after it, 0 = none
};

// Half-width forms of U+30A0 ... U+30FF.
const std::array<HalfForm, 0x60>& FullToHalfTable() {
  static const std::array<HalfForm, 0x60> table = [] {
    std::array<HalfForm, 0x60> t{};
    auto set = [&](char16_t full, char16_t base, char16_t mark) { t[full - 0x30A0] = {base, mark}; };
    // Plain and small letters and ー: the inverse of the half-width table.
    for (char16_t h = 0xFF66; h <= 0xFF9D; ++h) set(kHalfToFull[h - kHalfFirst], h, 0);
    for (const char16_t v : std::u16string_view(u"ガギグゲゴザジズゼゾダヂヅデドバビブベボ"))
      set(v, t[v - 1 - 0x30A0].base, kVoicedMark);
    for (const char16_t p : std::u16string_view(u"パピプペポ"))
      set(p, t[p - 2 - 0x30A0].base, kSemiVoicedMark);
    set(u'ヴ', 0xFF73, kVoicedMark);
    set(u'ヷ', 0xFF9C, kVoicedMark);
    set(u'ヺ', 0xFF66, kVoicedMark);
    return t;
  }();
  return table;
}

bool IsHalfKana(char16_t c) { return c >= kHalfFirst && c <= kHalfLast; }

// The width-symbol pairs outside the ASCII block.
constexpr std::pair<char16_t, char16_t> kSymbolPairs[] = {
    {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x00AF, 0xFFE3},
    {0x00A6, 0xFFE4}, {0x00A5, 0xFFE5}, {0x20A9, 0xFFE6},
};

}  // namespace

std::u16string HalfKanaToFull(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (!IsHalfKana(c)) {
      out.push_back(c);
      continue;
    }
    const char16_t full = kHalfToFull[c - kHalfFirst];
    const char16_t next = i + 1 < text.size() ? text[i + 1] : 0;
    if (next == kVoicedMark && c == 0xFF73) {  // ｳﾞ
      out.push_back(u'ヴ');
      ++i;
    } else if (next == kVoicedMark && ((c >= 0xFF76 && c <= 0xFF84) || (c >= 0xFF8A && c <= 0xFF8E))) {
      out.push_back(static_cast<char16_t>(full + 1));
      ++i;
    } else if (next == kSemiVoicedMark && c >= 0xFF8A && c <= 0xFF8E) {
      out.push_back(static_cast<char16_t>(full + 2));
      ++i;
    } else {
      out.push_back(full);
    }
  }
  return out;
}

std::u16string FullKanaToHalf(std::u16string_view text) {
  const auto& table = FullToHalfTable();
  std::u16string out;
  out.reserve(text.size());
  for (const char16_t c : text) {
    const HalfForm f = (c >= 0x30A0 && c <= 0x30FF) ? table[c - 0x30A0] : HalfForm{};
    if (f.base == 0) {
      out.push_back(c);
      continue;
    }
    out.push_back(f.base);
    if (f.mark) out.push_back(f.mark);
  }
  return out;
}

std::u16string HiraganaToKatakana(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out)
    if (c >= 0x3041 && c <= 0x3094) c = static_cast<char16_t>(c + 0x60);
  return out;
}

std::u16string KatakanaToHiragana(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out)
    if (c >= 0x30A1 && c <= 0x30F4) c = static_cast<char16_t>(c - 0x60);
  return out;
}

std::u16string ToFullWidth(std::u16string_view text) {
  std::u16string out = HalfKanaToFull(text);
  for (char16_t& c : out) {
    if (c >= 0x21 && c <= 0x7E) {
      c = static_cast<char16_t>(c - 0x21 + 0xFF01);
    } else if (c == u' ') {
      c = 0x3000;
    } else {
      for (const auto& [narrow, wide] : kSymbolPairs)
        if (c == narrow) c = wide;
    }
  }
  return out;
}

std::u16string ToHalfWidth(std::u16string_view text) {
  std::u16string out = FullKanaToHalf(text);
  for (char16_t& c : out) {
    if (c >= 0xFF01 && c <= 0xFF5E) {
      c = static_cast<char16_t>(c - 0xFF01 + 0x21);
    } else if (c == 0x3000) {
      c = u' ';
    } else if (c == u'。' || c == u'「' || c == u'」' || c == u'、' || c == u'・' || c == u'゛' ||
               c == u'゜') {
      for (char16_t h : {char16_t(0xFF61), char16_t(0xFF62), char16_t(0xFF63), char16_t(0xFF64),
                         char16_t(0xFF65), kVoicedMark, kSemiVoicedMark})
        if (kHalfToFull[h - kHalfFirst] == c) {
          c = h;
          break;
        }
    } else {
      for (const auto& [narrow, wide] : kSymbolPairs)
        if (c == wide) c = narrow;
    }
  }
  return out;
}

}  // namespace kelp
