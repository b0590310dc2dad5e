#pragma once
// TNotePadOptions: the view options of one editor (colours, font, switches
// and a colour and style pair for every token element), and the mapping of
// token codes to those pairs.

#include <array>
#include <cstdint>
#include <string>

#include "syntax/token_codes.h"

namespace kelp {

// Colours are 0x00BBGGRR; clNone means "no colour".
using TColor = uint32_t;
inline constexpr TColor clNone = 0x1FFFFFFF;

// Font styles, a set of these bits.
using TFontStyles = uint8_t;
inline constexpr TFontStyles fsBold = 1;
inline constexpr TFontStyles fsItalic = 2;
inline constexpr TFontStyles fsUnderline = 4;
inline constexpr TFontStyles fsStrikeOut = 8;

// An editor font, independent of any toolkit.
struct TFontSpec {
  std::u16string Name;  // face name
  int64_t Size = 10;    // points
  TFontStyles Style = 0;
  int64_t Charset = 1;  // character set number (1: default)
  friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

enum TWordWrap : uint8_t { wwNone = 0, wwCount = 1, wwRight = 2 };

// The token elements, in the order of their colour and style fields.
enum TTokenElement : uint8_t {
  teControl,
  teHighlight,
  teSymbol,
  teString,
  teInteger,
  teComment,
  teReserve,
  teReserve2,
  teReserve3,
  teAnk,
  teAlphabetic,
  teDBSymbol,
  teDBInt,
  teDBAlph,
  teDBHira,
  teDBKana,
  teDBKanji,
  teSBKana,
  teUnicode,
  teLink,
  teHtmlTag,
  tePrefix,
  teHere,
};
inline constexpr int kNotePadElementCount = 23;

// The element a token code is drawn with; -1 for codes that belong to none
// (spaces, state codes, unknown codes).
int TokenElementOf(TTokenCode code);

struct TNotePadOptions {
  int64_t AutoIndent = 1;
  TColor ColorBack = 0x00FFFFFF;
  TColor ColorCaretLine = 0x00FF0000;
  TColor ColorDBSpace = 0x00FF0000;
  TColor ColorEOF = 0x00C0C0C0;
  TColor ColorFore = 0x00000000;
  TColor ColorLineEnd = 0x00808000;
  TColor ColorLeftBar = 0x00008000;
  TColor ColorRuler = 0x00008000;
  TColor ColorSBSpace = 0x00C0C0C0;
  TColor ColorTab = 0x00FF0000;
  TColor ColorWrap = 0x00FF00FF;
  TColor ColorWrapLine = 0x00008000;
  TColor ColorWideChar = clNone;
  TColor ColorMark = 0x0000FFFF;
  TFontSpec Font;  // the view fills it with the default editor font
  bool LeftBarCountWrap = true;
  int64_t LineMargin = 2;
  bool ShowDBSpace = false;
  bool ShowEOF = false;
  bool ShowLeftBar = true;
  bool ShowLineEnd = true;
  bool ShowRuler = true;
  bool ShowSBSpace = false;
  bool ShowTab = false;
  bool ShowWrap = false;
  bool ShowWrapLine = true;
  int64_t TabCount = 8;
  std::u16string BackGroundBMP;  // path of the background picture; empty: none
  int64_t AlphaBlend = 70;
  bool DrawNot = false;
  bool KeepCol = false;
  bool RulerEnabled = true;

  TColor ColorControl = clNone, ColorHighlight = clNone, ColorSymbol = clNone, ColorString = clNone,
         ColorInteger = clNone, ColorComment = clNone, ColorReserve = clNone, ColorReserve2 = clNone,
         ColorReserve3 = clNone, ColorAnk = clNone, ColorAlphabetic = clNone, ColorDBSymbol = clNone,
         ColorDBInt = clNone, ColorDBAlph = clNone, ColorDBHira = clNone, ColorDBKana = clNone,
         ColorDBKanji = clNone, ColorSBKana = clNone, ColorUnicode = clNone, ColorLink = clNone,
         ColorHtmlTag = clNone, ColorPrefix = clNone, ColorHere = clNone;
  TFontStyles StyleControl = 0, StyleHighlight = 0, StyleSymbol = 0, StyleString = 0, StyleInteger = 0,
              StyleComment = 0, StyleReserve = 0, StyleReserve2 = 0, StyleReserve3 = 0, StyleAnk = 0,
              StyleAlphabetic = 0, StyleDBSymbol = 0, StyleDBInt = 0, StyleDBAlph = 0, StyleDBHira = 0,
              StyleDBKana = 0, StyleDBKanji = 0, StyleSBKana = 0, StyleUnicode = 0, StyleLink = 0,
              StyleHtmlTag = 0, StylePrefix = 0, StyleHere = 0;

  // The colour and style fields of element e (0 .. kNotePadElementCount - 1).
  TColor& ElementColor(int e);
  TColor ElementColor(int e) const { return const_cast<TNotePadOptions*>(this)->ElementColor(e); }
  TFontStyles& ElementStyle(int e);
  TFontStyles ElementStyle(int e) const { return const_cast<TNotePadOptions*>(this)->ElementStyle(e); }

  // Colour and style of a token code; clNone and the empty set for codes
  // without an element.
  TColor ColorFromToken(TTokenCode c) const;
  TFontStyles StyleFromToken(TTokenCode c) const;

  friend bool operator==(const TNotePadOptions&, const TNotePadOptions&) = default;
};

}  // namespace kelp
