#include "convert/web_search.h"

#include "base/utf.h"

namespace kelp {

std::u16string EncodeUri(std::u16string_view text) {
  static constexpr std::string_view kKept = "@;,/?:&=+$-_.!~*'()#";
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string out;
  for (const char b : Utf16ToUtf8(text)) {
    const auto u = static_cast<unsigned char>(b);
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
        kKept.find(static_cast<char>(u)) != std::string_view::npos) {
      out.push_back(static_cast<char16_t>(u));
    } else {
      out += {u'%', kHex[u >> 4], kHex[u & 15]};
    }
  }
  return out;
}

std::u16string WebSearchUrl(TWebSearch search, std::u16string_view selection) {
  size_t n = 0;
  while (n < selection.size() && selection[n] >= 32) ++n;
  std::u16string url;
  switch (search) {
    case TWebSearch::GoogleJapanese:
      url = u"https://www.google.co.jp/search?num=50&hl=ja&lr=lang_ja&q=";
      break;
    case TWebSearch::GoogleWeb:
      url = u"https://www.google.co.jp/search?num=50&hl=ja&q=";
      break;
    case TWebSearch::YahooDictionary:
      url = u"https://dic.yahoo.co.jp/dsearch?enc=UTF-8&dtype=2&p=";
      break;
  }
  return url + EncodeUri(selection.substr(0, n));
}

}  // namespace kelp
