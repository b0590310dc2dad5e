#include "settings/ini_codec.h"

#include "base/utf.h"
#include "encoding/byte_order.h"
#include "encoding/code_page.h"

namespace kelp {
namespace {

bool IsBase64Letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

// True when UTF-7 text ends inside a base64 run that a following '+' or
// base64 letter would extend.
bool EndsInBase64Run(std::string_view utf7) {
  bool in_run = false;
  for (size_t i = 0; i < utf7.size(); ++i) {
    const char c = utf7[i];
    if (in_run) {
      if (!IsBase64Letter(c)) in_run = false;
    } else if (c == '+') {
      if (i + 1 < utf7.size() && utf7[i + 1] == '-') {
        ++i;
      } else {
        in_run = true;
      }
    }
  }
  return in_run;
}

// One base64 run for a span of code units, ended by '-'.
std::string Base64Run(std::u16string_view units) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out = "+";
  uint32_t bits = 0;
  int nbits = 0;
  for (char16_t u : units) {
    bits = (bits << 16) | u;
    nbits += 16;
    while (nbits >= 6) {
      nbits -= 6;
      out.push_back(kAlphabet[(bits >> nbits) & 0x3F]);
    }
    bits &= (1u << nbits) - 1;
  }
  if (nbits > 0) out.push_back(kAlphabet[(bits << (6 - nbits)) & 0x3F]);
  out.push_back('-');
  return out;
}

// The platform's UTF-7 writes line breaks as they are; they would split the
// INI line, so every control character but TAB goes into a base64 run.
bool IsLineBreaking(char16_t c) { return c < 0x20 && c != u'\t'; }

bool IsValidUtf8(std::string_view bytes) { return Utf16ToUtf8(Utf8ToUtf16(bytes)) == bytes; }

}  // namespace

std::string IniUtf7Encode(std::u16string_view text) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    size_t j = i;
    const bool control = IsLineBreaking(text[i]);
    while (j < text.size() && IsLineBreaking(text[j]) == control) ++j;
    const std::u16string_view part = text.substr(i, j - i);
    if (control) {
      if (EndsInBase64Run(out)) out.push_back('-');
      out += Base64Run(part);
    } else {
      out += UnicodeToCodePage(kCodePageUtf7, part);
    }
    i = j;
  }
  return out;
}

std::optional<std::u16string> IniUtf7Decode(std::string_view bytes) {
  // The platform decoder marks every ill-formed sequence with U+FFFD.
  std::u16string text = CodePageToUnicode(kCodePageUtf7, bytes);
  if (text.find(u'\uFFFD') != std::u16string::npos) return std::nullopt;
  return text;
}

std::u16string DecodeIniFileBytes(std::string_view bytes) {
  if (ByteOrderMarkOf(bytes) != fcNONE) {
    TFileCode found = fcNONE;
    return DecodeWithByteOrderMark(bytes, found, kCodePageUtf8);
  }
  return CodePageToUnicode(IsValidUtf8(bytes) ? kCodePageUtf8 : 932, bytes);
}

std::string EncodeIniFileText(std::u16string_view text) { return UnicodeToCodePage(kCodePageUtf8, text); }

}  // namespace kelp
