#include "settings/ini_codec.h"

#include <iconv.h>

#include <cerrno>

#include "base/utf.h"

namespace kelp {
namespace {

// Whole-buffer conversion; nullopt on the first byte sequence that does not convert.
std::optional<std::string> IconvStrict(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(in.size() * 4 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  char* dst = out.data();
  size_t dst_left = out.size();
  bool ok = true;
  while (src_left > 0) {
    if (iconv(cd, &src, &src_left, &dst, &dst_left) != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) {
      const size_t used = out.size() - dst_left;
      out.resize(out.size() * 2);
      dst = out.data() + used;
      dst_left = out.size() - used;
      continue;
    }
    ok = false;  // EILSEQ or EINVAL: not well-formed
    break;
  }
  if (ok && iconv(cd, nullptr, nullptr, &dst, &dst_left) == static_cast<size_t>(-1)) ok = false;
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - dst_left);
  return out;
}

std::string ToUtf16LeBytes(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

std::u16string FromUtf16Bytes(std::string_view bytes, bool big_endian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    text.push_back(static_cast<char16_t>(big_endian ? (a << 8) | b : (b << 8) | a));
  }
  return text;
}

// Lone surrogates cannot be encoded; they become U+FFFD.
std::u16string WithoutLoneSurrogates(std::u16string_view text) {
  std::u16string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const char16_t c = out[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < out.size() && out[i + 1] >= 0xDC00 && out[i + 1] <= 0xDFFF) {
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      out[i] = 0xFFFD;
    }
  }
  return out;
}

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

std::string PlatformUtf7(std::u16string_view text) {
  if (text.empty()) return {};
  auto bytes = IconvStrict("UTF-7", "UTF-16LE", ToUtf16LeBytes(WithoutLoneSurrogates(text)));
  return bytes ? *bytes : std::string();
}

bool IsLineBreaking(char16_t c) { return c < 0x20 && c != u'\t'; }

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
      out += PlatformUtf7(part);
    }
    i = j;
  }
  return out;
}

std::optional<std::u16string> IniUtf7Decode(std::string_view bytes) {
  if (bytes.empty()) return std::u16string();
  auto utf16 = IconvStrict("UTF-16LE", "UTF-7", bytes);
  if (!utf16) return std::nullopt;
  return FromUtf16Bytes(*utf16, false);
}

std::u16string DecodeIniFileBytes(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") return FromUtf16Bytes(bytes.substr(2), false);
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") return FromUtf16Bytes(bytes.substr(2), true);
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return Utf8ToUtf16(bytes.substr(3));
  if (IconvStrict("UTF-16LE", "UTF-8", bytes)) return Utf8ToUtf16(bytes);
  if (auto sjis = IconvStrict("UTF-16LE", "CP932", bytes)) return FromUtf16Bytes(*sjis, false);
  return Utf8ToUtf16(bytes);
}

std::string EncodeIniFileText(std::u16string_view text) { return Utf16ToUtf8(text); }

}  // namespace kelp
