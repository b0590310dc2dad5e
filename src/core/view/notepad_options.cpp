#include "view/notepad_options.h"

namespace kelp {

namespace {

using ColorField = TColor TNotePadOptions::*;
using StyleField = TFontStyles TNotePadOptions::*;

constexpr ColorField kColorFields[kNotePadElementCount] = {
    &TNotePadOptions::ColorControl, &TNotePadOptions::ColorHighlight,  &TNotePadOptions::ColorSymbol,
    &TNotePadOptions::ColorString,  &TNotePadOptions::ColorInteger,    &TNotePadOptions::ColorComment,
    &TNotePadOptions::ColorReserve, &TNotePadOptions::ColorReserve2,   &TNotePadOptions::ColorReserve3,
    &TNotePadOptions::ColorAnk,     &TNotePadOptions::ColorAlphabetic, &TNotePadOptions::ColorDBSymbol,
    &TNotePadOptions::ColorDBInt,   &TNotePadOptions::ColorDBAlph,     &TNotePadOptions::ColorDBHira,
    &TNotePadOptions::ColorDBKana,  &TNotePadOptions::ColorDBKanji,    &TNotePadOptions::ColorSBKana,
    &TNotePadOptions::ColorUnicode, &TNotePadOptions::ColorLink,       &TNotePadOptions::ColorHtmlTag,
    &TNotePadOptions::ColorPrefix,  &TNotePadOptions::ColorHere,
};
constexpr StyleField kStyleFields[kNotePadElementCount] = {
    &TNotePadOptions::StyleControl, &TNotePadOptions::StyleHighlight,  &TNotePadOptions::StyleSymbol,
    &TNotePadOptions::StyleString,  &TNotePadOptions::StyleInteger,    &TNotePadOptions::StyleComment,
    &TNotePadOptions::StyleReserve, &TNotePadOptions::StyleReserve2,   &TNotePadOptions::StyleReserve3,
    &TNotePadOptions::StyleAnk,     &TNotePadOptions::StyleAlphabetic, &TNotePadOptions::StyleDBSymbol,
    &TNotePadOptions::StyleDBInt,   &TNotePadOptions::StyleDBAlph,     &TNotePadOptions::StyleDBHira,
    &TNotePadOptions::StyleDBKana,  &TNotePadOptions::StyleDBKanji,    &TNotePadOptions::StyleSBKana,
    &TNotePadOptions::StyleUnicode, &TNotePadOptions::StyleLink,       &TNotePadOptions::StyleHtmlTag,
    &TNotePadOptions::StylePrefix,  &TNotePadOptions::StyleHere,
};

}  // namespace

int TokenElementOf(TTokenCode code) {
  switch (code) {
    case 1:
    case 55:
    case 61:
      return teSymbol;
    case 3:
    case 23:
      return teInteger;
    case 7:
    case 31:
    case 32:
    case 33:
    case 35:
    case 36:
    case 38:
    case 39:
    case 71:
    case 72:
      return teComment;
    case 8:
      return teReserve;
    case 73:
      return teReserve2;
    case 74:
      return teReserve3;
    case 11:
    case 44:
      return teAnk;
    case 12:
      return teDBSymbol;
    case 14:
      return teDBInt;
    case 15:
      return teDBAlph;
    case 16:
      return teDBHira;
    case 17:
      return teDBKana;
    case 18:
      return teDBKanji;
    case 19:
    case 20:
      return teSBKana;
    case 21:
    case 22:
    case 45:
    case 46:
    case 47:
    case 48:
    case 49:
    case 50:
    case 51:
      return teLink;
    case 24:
    case 25:
    case 28:
    case 29:
    case 53:
    case 54:
    case 62:
    case 64:
    case 65:
    case 66:
      return teString;
    case 41:
    case 42:
    case 43:
    case 57:
    case 58:
      return teHtmlTag;
    case 52:
      return tePrefix;
    case 59:
    case 60:
      return teHere;
    case 68:
    case 69:
      return teAlphabetic;
    case 70:
      return teControl;
    case 255:
      return teUnicode;
    case tk::kHighlight:
      return teHighlight;
    default:
      return -1;
  }
}

TColor& TNotePadOptions::ElementColor(int e) { return this->*kColorFields[e]; }
TFontStyles& TNotePadOptions::ElementStyle(int e) { return this->*kStyleFields[e]; }

TColor TNotePadOptions::ColorFromToken(TTokenCode c) const {
  const int e = TokenElementOf(c);
  return e < 0 ? clNone : ElementColor(e);
}

TFontStyles TNotePadOptions::StyleFromToken(TTokenCode c) const {
  const int e = TokenElementOf(c);
  return e < 0 ? TFontStyles(0) : ElementStyle(e);
}

}  // namespace kelp
