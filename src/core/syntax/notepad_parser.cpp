#include "syntax/notepad_parser.h"

#include <algorithm>

#include "syntax/notepad_mode.h"

namespace kelp {

std::vector<TTokenCode>& LineTokens() {
  static std::vector<TTokenCode> tokens(4050);
  return tokens;
}

namespace {

struct Scheme {
  std::u16string_view text;
  TTokenCode code;
};
constexpr Scheme kSchemes[] = {
    {u"ftp://", tk::kFtp},   {u"http://", tk::kHttp}, {u"https://", tk::kHttps}, {u"mms://", tk::kMms},
    {u"news://", tk::kNews}, {u"nntp://", tk::kNntp}, {u"pnm://", tk::kPnm},     {u"rtsp://", tk::kRtsp},
};

std::u16string_view SchemeOf(TTokenCode code) {
  for (const Scheme& s : kSchemes)
    if (s.code == code) return s.text;
  return {};
}

bool IsSchemeCode(TTokenCode c) { return c == tk::kHttp || (c >= tk::kFtp && c <= tk::kNntp); }

bool IsHereQuote(char16_t c) { return c == u'"' || c == u'\'' || c == u'`'; }

}  // namespace

TNotePadParser::TNotePadParser(TParseTarget& target, const TNotePadMode& mode)
    : FNotePadMode(mode), FNotePadString(target) {}

bool TNotePadParser::TextAt(int64_t pos, std::u16string_view s) const {
  if (pos < 0 || pos + static_cast<int64_t>(s.size()) > FTextLen) return false;
  return std::equal(s.begin(), s.end(), FText + pos);
}

TLineData* TNotePadParser::Record(int64_t index) {
  // Passes run line after line, so the record asked for is nearly always one
  // of the last two handed out.
  for (RecordCache& r : FRecords)
    if (r.index == index) return r.line;
  RecordCache& older = FRecords[0].stamp < FRecords[1].stamp ? FRecords[0] : FRecords[1];
  older = {index, FNotePadString.LineAt(index), ++FRecordStamp};
  return older.line;
}

template <bool Color>
void TNotePadParser::ParseLine(int64_t num) {
  FText = FNotePadString.Chars();
  FTextLen = FNotePadString.CharCount();
  FLine = Record(num);
  FLine->EndToken = 0;
  FLine->EndElement = 0;
  FLine->ParseDataString.clear();
  FLine->PrevToken = 0;
  FElement = 0;
  FParseDataString.clear();
  FPrevToken = 0;
  TTokenCode carried = 0;
  if (num >= 1) {
    const TLineData* prev = Record(num - 1);
    carried = prev->EndToken;
    FElement = FLine->EndElement = prev->EndElement;
    if (!prev->ParseDataString.empty()) FParseDataString = FLine->ParseDataString = prev->ParseDataString;
    FPrevToken = FLine->PrevToken = prev->PrevToken;
  }
  const int64_t start = FLine->Start;
  FParsePos = start;
  FParseEnd = std::min(start + FLine->Length, FTextLen);
  FToken = 0;
  TTokenCode* codes = nullptr;
  if constexpr (Color) {
    std::vector<TTokenCode>& tokens = LineTokens();
    size_t need = static_cast<size_t>(std::max<int64_t>(FLine->Length, 0));
    if (tokens.size() < need) {
      size_t n = tokens.size();
      while (n < need) n *= 2;
      tokens.resize(n);
    }
    codes = tokens.data();
  }
  if (carried != 0) {
    ScanToken(carried);
    if constexpr (Color) std::fill(codes, codes + (FParsePos - start), FToken);
    FPrevToken = FToken;
  }
  int stalls = 0;
  while (FParsePos < FParseEnd) {
    const int64_t p = FParsePos;
    ParseToken(true);
    // A token may consume nothing (an empty here-document marker) and hand over
    // to the next rule, but never twice in a row.
    if (FParsePos != p) {
      stalls = 0;
    } else if (++stalls >= 2) {
      ++FParsePos;
      stalls = 0;
    }
    if constexpr (Color) {
      // A word that runs on over the wrap point is never a keyword, on either line.
      if (FToken == tk::kWord && FLine->EndToken == 0) {
        const std::u16string_view word(FText + p, static_cast<size_t>(FParsePos - p));
        if (FNotePadMode.ReserveList().Find(word))
          FToken = tk::kReserve;
        else if (FNotePadMode.Reserve2List().Find(word))
          FToken = tk::kReserve2;
        else if (FNotePadMode.Reserve3List().Find(word))
          FToken = tk::kReserve3;
      }
      std::fill(codes + (p - start), codes + (FParsePos - start), FToken);
    }
    if (FToken != tk::kSpace && FLine->EndToken == 0) FPrevToken = FToken;
  }
  FLine->PrevToken = FPrevToken;
}

void TNotePadParser::ParseLineColor(int64_t num) { ParseLine<true>(num); }
void TNotePadParser::ParseLineState(int64_t index) { ParseLine<false>(index); }

int64_t TNotePadParser::ParseRange(int64_t start1, int64_t end1) {
  const int64_t count = FNotePadString.LineCount();
  for (int64_t i = start1; i <= end1; ++i) ParseLineState(i);
  int64_t i = end1;
  while (i < count - 1) {
    ++i;
    const TLineData* line = Record(i);
    const TTokenCode endToken = line->EndToken;
    const uint16_t endElement = line->EndElement;
    const std::u16string data = line->ParseDataString;
    const TTokenCode prevToken = line->PrevToken;
    ParseLineState(i);
    if (i == count - 1) break;
    if (line->EndToken == endToken && line->EndElement == endElement && line->ParseDataString == data &&
        line->PrevToken == prevToken)
      break;
  }
  return i;
}

void TNotePadParser::ParseToken(bool AllowUrl) {
  if (AllowUrl && ParseUrl()) return;
  ScanToken(CharClass[FText[FParsePos]]);
}

bool TNotePadParser::ParseUrl() {
  if (IsSchemeCode(FToken)) {
    ScanToken(tk::kUrlBody);
    return true;
  }
  const char16_t c = FText[FParsePos];
  if (c != u'f' && c != u'h' && c != u'm' && c != u'n' && c != u'p' && c != u'r') return false;
  for (const Scheme& s : kSchemes) {
    const int64_t len = static_cast<int64_t>(s.text.size());
    if (s.text[0] == c && FParsePos + len < FTextLen && TextAt(FParsePos, s.text) &&
        chars::IsUrlChar(FText[FParsePos + len])) {
      ScanToken(s.code);
      return true;
    }
  }
  return false;
}

void TNotePadParser::ScanToken(TTokenCode Code) {
  FToken = Code;
  switch (Code) {
    case tk::kDigits:
      ScanRun(chars::IsDigit);
      break;
    case tk::kWord:
      ScanRun(chars::IsWordChar);
      break;
    case tk::kWideDigits:
      ScanRun([](char16_t c) { return c >= 0xFF10 && c <= 0xFF19; });
      break;
    case tk::kWideLetters:
      ScanRun([](char16_t c) { return (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A); });
      break;
    case tk::kHiragana:
      ScanRun([](char16_t c) { return CharClass[c] == 16 || c == 0x30FC; });
      break;
    case tk::kKatakana:
      ScanRun([](char16_t c) { return CharClass[c] == 17 || (c >= 0x3099 && c <= 0x309C); });
      break;
    case tk::kKanji:
      ScanRun([](char16_t c) { return CharClass[c] == 18; });
      break;
    case tk::kHalfKana:
      ScanRun([](char16_t c) { return c >= 0xFF66 && c <= 0xFF9F; });
      break;
    case tk::kUrlBody:
      ScanRun(chars::IsUrlChar);
      break;
    case tk::kHttp:
    case tk::kFtp:
    case tk::kHttps:
    case tk::kRtsp:
    case tk::kPnm:
    case tk::kMms:
    case tk::kNews:
    case tk::kNntp:
      ScanUrlScheme(SchemeOf(Code));
      break;
    case tk::kHtmlWord:
      ScanRun(chars::IsLetter);
      break;
    case tk::kLineComment:
    case tk::kDirective:
      ScanToLineEnd();
      break;
    case tk::kHex:
      ScanRun(chars::IsHexDigit);
      break;
    case tk::kBlockComment:
    case tk::kBlockStarState:
      FToken = tk::kBlockComment;
      ScanBlockComment(u'/', tk::kBlockStarState, Code == tk::kBlockStarState);
      break;
    case tk::kBlockOpener:
      ScanOpener(u"/*", tk::kBlockComment);
      break;
    case tk::kHtmlComment:
    case tk::kHtmlCommentEndState:
      FToken = tk::kHtmlComment;
      ScanHtmlComment(Code == tk::kHtmlCommentEndState);
      break;
    case tk::kHtmlCommentOpener:
      ScanOpener(u"<!--", tk::kHtmlComment);
      break;
    case tk::kTagOpener:
      ScanElement(1);
      break;
    case tk::kTagCloser:
    case tk::kCodeClose:
      ScanElement(0);
      break;
    case tk::kCodeOpen:
      ScanElement(2);
      break;
    default:
      ScanOne();
      break;
  }
}

bool TNotePadParser::ScanEscapedQuote(TTokenCode Code, bool multi) {
  const bool single = Code == tk::kSingleQuoted || Code == tk::kSingleEscState;
  if (!single && Code != tk::kDoubleQuoted && Code != tk::kDoubleEscState) return false;
  FToken = single ? tk::kSingleQuoted : tk::kDoubleQuoted;
  ScanEscapedString(single ? u'\'' : u'"', single ? tk::kSingleEscState : tk::kDoubleEscState, multi,
                    Code == tk::kSingleEscState || Code == tk::kDoubleEscState);
  return true;
}

void TNotePadParser::ScanToLineEnd() {
  while (FParsePos < FParseEnd && FText[FParsePos] != chars::kLF) ++FParsePos;
  if (FParsePos == FParseEnd && FParseEnd < FTextLen && FText[FParseEnd] != chars::kLF) Carry(FToken);
}

void TNotePadParser::ScanToEnd() {
  FParsePos = FParseEnd;
  Carry(FToken);
}

void TNotePadParser::ScanSimpleString(char16_t q) {
  while (FParsePos < FParseEnd) {
    const char16_t x = FText[FParsePos++];
    if (x == q || At(FParsePos) == chars::kLF) return;
  }
  Carry(FToken);
}

void TNotePadParser::ScanEscapedString(char16_t q, TTokenCode e, bool multi, bool resumed) {
  bool escape = resumed;
  while (FParsePos < FParseEnd) {
    const char16_t x = FText[FParsePos++];
    if (escape) {
      escape = false;
      continue;
    }
    const bool hasY = FParsePos < FTextLen;
    const char16_t y = hasY ? FText[FParsePos] : char16_t(0);
    if (x == u'\\' && y != chars::kLF) {
      escape = true;
      continue;
    }
    if (x == q) return;
    if (!multi && hasY && y == chars::kLF) return;
  }
  Carry(escape ? e : FToken);
}

void TNotePadParser::ScanThroughQuote(char16_t q) {
  while (FParsePos < FParseEnd)
    if (FText[FParsePos++] == q) return;
  Carry(FToken);
}

void TNotePadParser::ScanOpener(std::u16string_view text, TTokenCode body) {
  const int64_t len = static_cast<int64_t>(text.size());
  while (FParsePos < FParseEnd) {
    ++FParsePos;
    if (FText[FParsePos - 1] == text.back() && TextAt(FParsePos - len, text)) {
      if (FParsePos == FParseEnd) Carry(body);
      return;
    }
  }
  Carry(FToken);
}

void TNotePadParser::ScanBlockComment(char16_t c, TTokenCode e, bool resumed) {
  char16_t last = (resumed && FParsePos > 0) ? FText[FParsePos - 1] : char16_t(0);
  bool consumed = false;
  while (FParsePos < FParseEnd) {
    const char16_t x = FText[FParsePos++];
    if (x == c && last == u'*') return;
    last = x;
    consumed = true;
  }
  Carry(consumed && last == u'*' ? e : FToken);
}

void TNotePadParser::ScanHtmlComment(bool resumed) {
  const int64_t lowest = resumed ? std::max<int64_t>(FParsePos - 2, 0) : FParsePos;
  while (FParsePos < FParseEnd) {
    ++FParsePos;
    if (FText[FParsePos - 1] == u'>' && FParsePos - 3 >= lowest && TextAt(FParsePos - 3, u"-->")) return;
  }
  const int64_t e = FParseEnd;
  if (e < FTextLen && ((At(e - 1) == u'-' && e >= 1 && TextAt(e, u"->")) ||
                       (e >= 2 && TextAt(e - 2, u"--") && At(e) == u'>')))
    Carry(tk::kHtmlCommentEndState);
  else
    Carry(FToken);
}

void TNotePadParser::ScanUrlScheme(std::u16string_view s) {
  const int64_t len = static_cast<int64_t>(s.size());
  while (FParsePos < FParseEnd) {
    ++FParsePos;
    if (FText[FParsePos - 1] == s.back() && TextAt(FParsePos - len, s)) {
      if (FParsePos == FParseEnd) Carry(tk::kUrlBody);
      return;
    }
  }
  Carry(FToken);
}

void TNotePadParser::ScanHereDocMarker(bool php) {
  const int64_t s = FParsePos;
  while (FParsePos < FParseEnd && FText[FParsePos] != chars::kLF && FText[FParsePos] != u';') ++FParsePos;
  if (FParsePos == FParseEnd && (FParseEnd >= FTextLen || FText[FParseEnd] != chars::kLF)) {
    Carry(FToken);
    return;
  }
  int64_t b = s;
  while (b > 0 && FText[b] != u'<') --b;
  if (FText[b] == u'<') ++b;
  int64_t e = FParsePos;
  while (b < e && FText[b] == u' ') ++b;
  if (b < e && IsHereQuote(FText[b])) ++b;
  while (e > b && FText[e - 1] == u' ') --e;
  if (e > b && IsHereQuote(FText[e - 1])) --e;
  FParseDataString.assign(FText + b, static_cast<size_t>(e - b));
  FLine->ParseDataString = FParseDataString;
  if (php) FElement = FLine->EndElement = 0;
}

void TNotePadParser::ScanHereDocEnd(uint16_t n) {
  const int64_t len = static_cast<int64_t>(FParseDataString.size());
  while (FParsePos < FParseEnd) {
    ++FParsePos;
    if (TextAt(FParsePos - len, FParseDataString)) {
      FParseDataString.clear();
      FLine->ParseDataString.clear();
      FElement = FLine->EndElement = n;
      return;
    }
  }
  Carry(FToken);
}

void TNotePadParser::ScanElement(uint16_t n) {
  if (FParsePos >= FParseEnd) {
    Carry(FToken);
    return;
  }
  ++FParsePos;
  FElement = FLine->EndElement = n;
}

}  // namespace kelp
