#pragma once
// Full-width and half-width forms, katakana and hiragana.

#include <string>
#include <string_view>

namespace kelp {

// Half-width katakana (U+FF61 ... U+FF9F) to full width. A voiced or
// semi-voiced sound mark after a letter that takes it joins the letter
// (ｶﾞ ガ, ﾊﾟ パ, ｳﾞ ヴ); elsewhere it becomes ゛ or ゜ (ｱﾞ ア゛).
std::u16string HalfKanaToFull(std::u16string_view text);
// Full-width katakana to half width: voiced and semi-voiced letters become the
// base letter followed by ﾞ or ﾟ; ヴ ヷ ヺ become ｳﾞ ﾜﾞ ｦﾞ. Letters without a
// half-width form (ヮ ヰ ヱ ヵ ヶ ヸ ヹ ・ ヽ ヾ ヿ ゠) stay.
std::u16string FullKanaToHalf(std::u16string_view text);

// ぁ ... ゔ (U+3041 ... U+3094) to ァ ... ヴ, and back (U+30A1 ... U+30F4).
std::u16string HiraganaToKatakana(std::u16string_view text);
std::u16string KatakanaToHiragana(std::u16string_view text);

// The width conversions of the special menu: ASCII U+0021 ... U+007E and the
// full-width forms U+FF01 ... U+FF5E, the blank and the ideographic space,
// half-width katakana (with the kana tables above) and the Japanese
// punctuation 。「」、・゛゜, and the symbols ¢ £ ¬ ¯ ¦ ¥ ₩ and U+FFE0 ... U+FFE6.
std::u16string ToFullWidth(std::u16string_view text);
std::u16string ToHalfWidth(std::u16string_view text);

}  // namespace kelp
