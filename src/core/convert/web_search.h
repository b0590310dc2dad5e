#pragma once
// The addresses of the web searches of the selection.

#include <string>
#include <string_view>

namespace kelp {

enum class TWebSearch {
  GoogleJapanese,   // "Google 日本語"
  GoogleWeb,        // "Google ウェブ全体"
  YahooDictionary,  // "Yahoo! 辞書"
};

// encodeURI: UTF-8, every byte "%" and two upper-case hexadecimal digits,
// except A-Z a-z 0-9 and @ ; , / ? : & = + $ - _ . ! ~ * ' ( ) #. A lone
// surrogate is encoded as U+FFFD.
std::u16string EncodeUri(std::u16string_view text);

// The search address for the selected text, which counts up to (not
// including) its first code unit below 32.
std::u16string WebSearchUrl(TWebSearch search, std::u16string_view selection);

}  // namespace kelp
