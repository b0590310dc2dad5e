#pragma once
// Token codes: one 16-bit code per character of a parsed display line. The
// view maps each code to a colour and style pair. Codes marked "state" are
// only ever stored as a line's EndToken and are turned back into their token
// code when the next line resumes.

#include <cstdint>

namespace kelp {

using TTokenCode = uint16_t;

namespace tk {
inline constexpr TTokenCode kSymbol = 1;
inline constexpr TTokenCode kDigits = 3;
inline constexpr TTokenCode kLineComment = 7;
inline constexpr TTokenCode kReserve = 8;
inline constexpr TTokenCode kSpace = 10;
inline constexpr TTokenCode kWord = 11;
inline constexpr TTokenCode kWideSymbol = 12;
inline constexpr TTokenCode kWideDigits = 14;
inline constexpr TTokenCode kWideLetters = 15;
inline constexpr TTokenCode kHiragana = 16;
inline constexpr TTokenCode kKatakana = 17;
inline constexpr TTokenCode kKanji = 18;
inline constexpr TTokenCode kHalfPunct = 19;
inline constexpr TTokenCode kHalfKana = 20;
inline constexpr TTokenCode kUrlBody = 21;
inline constexpr TTokenCode kHttp = 22;
inline constexpr TTokenCode kHex = 23;
inline constexpr TTokenCode kSingleQuoted = 24;
inline constexpr TTokenCode kDoubleQuoted = 25;
inline constexpr TTokenCode kSingleEscState = 26;  // state
inline constexpr TTokenCode kDoubleEscState = 27;  // state
inline constexpr TTokenCode kVerbatimOpener = 28;
inline constexpr TTokenCode kVerbatimBody = 29;
inline constexpr TTokenCode kBraceComment = 31;
inline constexpr TTokenCode kBlockComment = 32;
inline constexpr TTokenCode kBlockOpener = 33;
inline constexpr TTokenCode kBlockStarState = 34;  // state
inline constexpr TTokenCode kParenComment = 35;
inline constexpr TTokenCode kParenOpener = 36;
inline constexpr TTokenCode kParenStarState = 37;  // state
inline constexpr TTokenCode kHtmlComment = 38;
inline constexpr TTokenCode kHtmlCommentOpener = 39;
inline constexpr TTokenCode kHtmlCommentEndState = 40;  // state
inline constexpr TTokenCode kTagOpener = 41;
inline constexpr TTokenCode kTagCloser = 42;
inline constexpr TTokenCode kTagChar = 43;
inline constexpr TTokenCode kHtmlWord = 44;
inline constexpr TTokenCode kFtp = 45;
inline constexpr TTokenCode kHttps = 46;
inline constexpr TTokenCode kRtsp = 47;
inline constexpr TTokenCode kPnm = 48;
inline constexpr TTokenCode kMms = 49;
inline constexpr TTokenCode kNews = 50;
inline constexpr TTokenCode kNntp = 51;
inline constexpr TTokenCode kDirective = 52;
inline constexpr TTokenCode kCharCode = 53;
inline constexpr TTokenCode kHexCharCode = 54;
inline constexpr TTokenCode kHereOpener = 55;
inline constexpr TTokenCode kCodeOpen = 57;
inline constexpr TTokenCode kCodeClose = 58;
inline constexpr TTokenCode kHereMarker = 59;
inline constexpr TTokenCode kHereEnd = 60;
inline constexpr TTokenCode kRegexAllowed = 61;
inline constexpr TTokenCode kRegex = 62;
inline constexpr TTokenCode kRegexEscState = 63;  // state
inline constexpr TTokenCode kMatchOp = 64;
inline constexpr TTokenCode kSubstOp = 65;
inline constexpr TTokenCode kSubstPattern = 66;
inline constexpr TTokenCode kSubstEscState = 67;  // state
inline constexpr TTokenCode kOtherLetter = 68;
inline constexpr TTokenCode kHangul = 69;
inline constexpr TTokenCode kControl = 70;
inline constexpr TTokenCode kPod = 71;
inline constexpr TTokenCode kPodCut = 72;
inline constexpr TTokenCode kReserve2 = 73;
inline constexpr TTokenCode kReserve3 = 74;
inline constexpr TTokenCode kOther = 255;
inline constexpr TTokenCode kHighlight = 60000;  // set by the view over search matches
}  // namespace tk

}  // namespace kelp
