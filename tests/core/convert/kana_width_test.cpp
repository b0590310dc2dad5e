#include "convert/kana_width.h"

#include <gtest/gtest.h>

#include "base/utf.h"

namespace kelp {
namespace {

struct Case {
  std::u16string in, out;
};

TEST(KanaWidth, HalfKanaToFull) {
  const Case cases[] = {
      {u"ｶﾞｷﾞｸﾞ", u"ガギグ"},
      {u"ﾊﾟ", u"パ"},
      {u"ｱﾞ", u"ア゛"},  // ア takes no mark: the mark stays on its own
      {u"ｳﾞ", u"ヴ"},
      {u"ｻﾞｼﾞｽﾞｾﾞｿﾞ", u"ザジズゼゾ"},
      {u"ﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞ", u"ダヂヅデド"},
      {u"ﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ", u"バビブベボ"},
      {u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ", u"パピプペポ"},
      {u"ｶﾟ", u"カ゜"},  // no semi-voiced カ
      {u"ﾜﾞｦﾞ", u"ワ゛ヲ゛"},
      {u"ﾞﾟ", u"゛゜"},  // lone marks
      {u"ｳﾞｧｲｵﾘﾝ", u"ヴァイオリン"},
      {u"｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰ", u"。「」、・ヲァィゥェォャュョッー"},
      {u"ｱｲｳｴｵﾅﾆﾇﾈﾉﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ", u"アイウエオナニヌネノマミムメモヤユヨラリルレロワン"},
      {u"abc ｶﾅ かな 漢字", u"abc カナ かな 漢字"},
      {u"ｶ", u"カ"},  // a letter at the end
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(HalfKanaToFull(c.in), c.out) << Utf16ToUtf8(c.in);
}

TEST(KanaWidth, FullKanaToHalf) {
  const Case cases[] = {
      {u"ガパヴァ", u"ｶﾞﾊﾟｳﾞｧ"},
      {u"ヷヺ", u"ﾜﾞｦﾞ"},
      {u"ガギグゲゴザジズゼゾダヂヅデドバビブベボ", u"ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ"},
      {u"パピプペポ", u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
      {u"ァアィイゥウェエォオッャュョー", u"ｧｱｨｲｩｳｪｴｫｵｯｬｭｮｰ"},
      {u"ワヲン", u"ﾜｦﾝ"},
      // no half-width forms
      {u"゠ヮヰヱヵヶヸヹ・ヽヾヿ", u"゠ヮヰヱヵヶヸヹ・ヽヾヿ"},
      {u"ひらがな。「」、ABC", u"ひらがな。「」、ABC"},
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(FullKanaToHalf(c.in), c.out) << Utf16ToUtf8(c.in);
  // Every katakana letter with a half-width form comes back from it.
  for (char16_t c = 0x30A1; c <= 0x30F4; ++c) {
    if (c == u'ヮ' || c == u'ヰ' || c == u'ヱ') continue;
    const std::u16string s(1, c);
    EXPECT_EQ(HalfKanaToFull(FullKanaToHalf(s)), s) << int(c);
  }
}

TEST(KanaWidth, HiraganaAndKatakana) {
  const Case to_kata[] = {
      {u"ゔ", u"ヴ"},
      {u"ぁあがぱゎをん", u"ァアガパヮヲン"},
      {u"らーめん", u"ラーメン"},  // ー stays
      {u"ゕゖゝゞ", u"ゕゖゝゞ"},  // outside ぁ ... ゔ
      {u"ｶﾅ abc", u"ｶﾅ abc"},
  };
  for (const auto& c : to_kata) EXPECT_EQ(HiraganaToKatakana(c.in), c.out) << Utf16ToUtf8(c.in);
  const Case to_hira[] = {
      {u"ヴァイオリン", u"ゔぁいおりん"},
      {u"ラーメン", u"らーめん"},
      {u"ヵヶヷヸヹヺ・ヽヾ", u"ヵヶヷヸヹヺ・ヽヾ"},  // outside ァ ... ヴ
      {u"ｶﾅ", u"ｶﾅ"},
  };
  for (const auto& c : to_hira) EXPECT_EQ(KatakanaToHiragana(c.in), c.out) << Utf16ToUtf8(c.in);
}

TEST(KanaWidth, FullAndHalfWidthForms) {
  const Case to_full[] = {
      {u"Az09!~ ", u"Ａｚ０９！～　"}, {u"\\\"'", u"＼＂＇"},           {u"ｶﾞｲﾄﾞ", u"ガイド"},
      {u"｡｢｣､･ﾞ", u"。「」、・゛"},    {u"¥¢£¬¯¦₩", u"￥￠￡￢￣￤￦"}, {u"\t\n漢字ａ", u"\t\n漢字ａ"},
  };
  for (const auto& c : to_full) EXPECT_EQ(ToFullWidth(c.in), c.out) << Utf16ToUtf8(c.in);
  const Case to_half[] = {
      {u"Ａｚ０９！～　", u"Az09!~ "},        {u"ガイド", u"ｶﾞｲﾄﾞ"},
      {u"。「」、・゛゜", u"｡｢｣､･ﾞﾟ"},        {u"￥￠￡￢￣￤￦", u"¥¢£¬¯¦₩"},
      {u"ひらがな漢字ヰ", u"ひらがな漢字ヰ"},  // no half-width forms
  };
  for (const auto& c : to_half) EXPECT_EQ(ToHalfWidth(c.in), c.out) << Utf16ToUtf8(c.in);
  // ASCII and the blank come back unchanged.
  std::u16string ascii;
  for (char16_t c = 0x20; c <= 0x7E; ++c) ascii.push_back(c);
  EXPECT_EQ(ToHalfWidth(ToFullWidth(ascii)), ascii);
}

}  // namespace
}  // namespace kelp
