#pragma once
// Conversions between UTF-8 and the editor's UTF-16 text.

#include <string>
#include <string_view>

namespace kelp {

// Decodes UTF-8. Malformed sequences, overlong forms and encoded surrogates
// become U+FFFD, one per offending byte, so no input is ever refused.
std::u16string Utf8ToUtf16(std::string_view s);

// Encodes UTF-16. A lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view s);

}  // namespace kelp
