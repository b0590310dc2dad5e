#include "view/line_parser.h"

#include <algorithm>

#include "syntax/char_class.h"

namespace kelp {

namespace {

struct Scheme {
  std::u16string_view text;
  TTokenCode code;
};
constexpr Scheme kSchemes[] = {
    {u"ftp://", tk::kFtp},   {u"http://", tk::kHttp}, {u"https://", tk::kHttps}, {u"mms://", tk::kMms},
    {u"news://", tk::kNews}, {u"nntp://", tk::kNntp}, {u"pnm://", tk::kPnm},     {u"rtsp://", tk::kRtsp},
};

bool IsWordClass(uint8_t c) { return c == 3 || c == 11 || c == 68; }

}  // namespace

TLineParser::TLineParser(std::u16string_view linestring, int64_t position) : FString(linestring) {
  FParseEnd = std::min(position, Len() - 1);
  while (FParsePos <= FParseEnd) {
    FPrevious = FStart;
    FStart = FParsePos;
    ReadToken();
    FLength = FParsePos - FStart;
  }
}

bool TLineParser::GetCanJump() const {
  return FToken == tk::kHttp || (FToken >= tk::kFtp && FToken <= tk::kNntp);
}

bool TLineParser::ReadUrl() {
  const std::u16string_view rest = std::u16string_view(FString).substr(static_cast<size_t>(FParsePos));
  for (const Scheme& s : kSchemes) {
    if (rest.size() > s.text.size() && rest.substr(0, s.text.size()) == s.text &&
        chars::IsUrlChar(rest[s.text.size()])) {
      FToken = s.code;
      FParsePos += static_cast<int64_t>(s.text.size());
      while (FParsePos < Len() && chars::IsUrlChar(FString[static_cast<size_t>(FParsePos)])) ++FParsePos;
      return true;
    }
  }
  return false;
}

void TLineParser::ReadToken() {
  if (ReadUrl()) return;
  const char16_t first = FString[static_cast<size_t>(FParsePos)];
  const uint8_t code = CharClass[first];
  FToken = code;
  ++FParsePos;
  auto run = [&](auto in) {
    while (FParsePos < Len() && in(FString[static_cast<size_t>(FParsePos)])) ++FParsePos;
  };
  switch (code) {
    case 3:
    case 11:
    case 68:
      run([](char16_t c) { return IsWordClass(CharClass[c]); });
      break;
    case 10:
      run([](char16_t c) { return c == u' ' || c == u'\t'; });
      break;
    case 14:
      run([](char16_t c) { return c >= 0xFF10 && c <= 0xFF19; });
      break;
    case 15:
      run([](char16_t c) { return (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A); });
      break;
    case 16:
      run([](char16_t c) { return CharClass[c] == 16 || c == 0x30FC; });
      break;
    case 17:
      run([](char16_t c) { return CharClass[c] == 17 || (c >= 0x3099 && c <= 0x309C); });
      break;
    case 18:
      run([](char16_t c) { return CharClass[c] == 18; });
      break;
    case 20:
      run([](char16_t c) { return c >= 0xFF66 && c <= 0xFF9F; });
      break;
    case 69:
      run([](char16_t c) { return c >= 0xAC00 && c <= 0xD7A3; });
      break;
    default:
      break;
  }
}

}  // namespace kelp
