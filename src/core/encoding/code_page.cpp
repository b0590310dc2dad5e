#include "encoding/code_page.h"

#include <iconv.h>

#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>

#include "base/utf.h"

namespace kelp {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr const char* kUtf16Host = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// The legacy code pages, in a fixed order for the round-trip tables.
constexpr std::array<int, 6> kLegacyPages = {932, 1252, 1251, 950, 936, 949};

int LegacyIndex(int codePage) {
  for (size_t i = 0; i < kLegacyPages.size(); ++i)
    if (kLegacyPages[i] == codePage) return static_cast<int>(i);
  return -1;
}

int Normalize(int codePage) { return IsSupportedCodePage(codePage) ? codePage : 932; }

const char* IconvName(int codePage) {
  switch (codePage) {
    case 1252:
      return "CP1252";
    case 1251:
      return "CP1251";
    case 950:
      return "BIG5";
    case 936:
      return "CP936";
    case 949:
      return "CP949";
    case kCodePageUtf7:
      return "UTF-7";
    case kCodePageUtf8:
      return "UTF-8";
    default:
      return "CP932";
  }
}

// The single bytes that the Windows tables define and iconv does not.
// Returns the code unit for the byte, or 0 when there is none.
char16_t WindowsOnlyByte(int codePage, unsigned char b) {
  switch (codePage) {
    case 932:
      if (b == 0x80) return 0x0080;
      if (b == 0xA0) return 0xF8F0;
      if (b >= 0xFD) return static_cast<char16_t>(0xF8F1 + (b - 0xFD));
      return 0;
    case 1252:
      if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) return b;
      return 0;
    case 1251:
      return b == 0x98 ? 0x0098 : 0;
    default:
      return 0;
  }
}

// The inverse of WindowsOnlyByte: the byte for a code unit, or -1.
int WindowsOnlyUnit(int codePage, char16_t c) {
  switch (codePage) {
    case 932:
      if (c == 0x0080) return 0x80;
      if (c == 0xF8F0) return 0xA0;
      if (c >= 0xF8F1 && c <= 0xF8F3) return 0xFD + (c - 0xF8F1);
      return -1;
    case 1252:
      if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return c;
      return -1;
    case 1251:
      return c == 0x0098 ? 0x98 : -1;
    default:
      return -1;
  }
}

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Iconv = std::unique_ptr<void, IconvCloser>;

Iconv Open(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
  return Iconv(cd);
}

// Runs iconv over [in, in + inLeft) appending to out (grown as needed).
// Stops at the first bad or incomplete input; returns the bytes consumed and
// sets `stopped` then.
template <class Out>
size_t Run(iconv_t cd, const char* in, size_t inLeft, Out& out, size_t& used, bool& stopped) {
  using Unit = typename Out::value_type;
  char* src = const_cast<char*>(in);
  const size_t start = inLeft;
  stopped = false;
  while (inLeft > 0) {
    if (out.size() - used < 16) out.resize(out.size() * 2 + 64);
    char* dst = reinterpret_cast<char*>(out.data() + used);
    size_t dstLeft = (out.size() - used) * sizeof(Unit);
    const size_t before = dstLeft;
    const size_t r = iconv(cd, &src, &inLeft, &dst, &dstLeft);
    used += (before - dstLeft) / sizeof(Unit);
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    stopped = true;  // EILSEQ or EINVAL
    break;
  }
  return start - inLeft;
}

template <class Out>
void Flush(iconv_t cd, Out& out, size_t& used) {
  using Unit = typename Out::value_type;
  for (;;) {
    if (out.size() - used < 16) out.resize(out.size() * 2 + 64);
    char* dst = reinterpret_cast<char*>(out.data() + used);
    size_t dstLeft = (out.size() - used) * sizeof(Unit);
    const size_t before = dstLeft;
    const size_t r = iconv(cd, nullptr, nullptr, &dst, &dstLeft);
    used += (before - dstLeft) / sizeof(Unit);
    if (r != static_cast<size_t>(-1) || errno != E2BIG) return;
  }
}

std::u16string Decode(int codePage, std::string_view bytes) {
  std::u16string out(bytes.size() + 16, u'\0');
  size_t used = 0;
  Iconv cd = Open(kUtf16Host, IconvName(codePage));
  if (!cd) {
    // No converter at all: keep every byte as the code unit of its value.
    for (unsigned char b : bytes) out[used++] = b;
    out.resize(used);
    return out;
  }
  size_t pos = 0;
  while (pos < bytes.size()) {
    bool stopped = false;
    pos += Run(static_cast<iconv_t>(cd.get()), bytes.data() + pos, bytes.size() - pos, out, used, stopped);
    if (!stopped) break;
    // One bad byte: replace it and go on after it from the initial state.
    const auto b = static_cast<unsigned char>(bytes[pos]);
    char16_t c = WindowsOnlyByte(codePage, b);
    if (c == 0) c = kReplacement;
    if (out.size() - used < 1) out.resize(out.size() * 2 + 64);
    out[used++] = c;
    ++pos;
    iconv(static_cast<iconv_t>(cd.get()), nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(used);
  return out;
}

// Encodes one run of characters that are all known to be encodable.
void EncodeRun(iconv_t cd, std::u16string_view run, std::string& out, size_t& used, bool* usedDefault) {
  const char* in = reinterpret_cast<const char*>(run.data());
  size_t left = run.size() * 2;
  while (left > 0) {
    bool stopped = false;
    const size_t n = Run(cd, in, left, out, used, stopped);
    in += n;
    left -= n;
    if (!stopped) break;
    // Not expected for characters that passed the round-trip test; keep going.
    size_t skip = 2;
    const char16_t c = *reinterpret_cast<const char16_t*>(in);
    if (c >= 0xD800 && c <= 0xDBFF && left >= 4) skip = 4;
    if (out.size() - used < 1) out.resize(out.size() * 2 + 64);
    out[used++] = '?';
    if (usedDefault) *usedDefault = true;
    in += skip;
    left -= std::min(skip, left);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
}

// Per legacy code page and code unit: kLost (does not come back), kIconv (iconv round-trips it) or
// kWindowsByte (a single byte only the Windows table has).
enum : uint8_t { kLost = 0, kIconv = 1, kWindowsByte = 2 };
struct RoundTripTable {
  std::once_flag once;
  std::array<uint8_t, 65536> kind{};
};
std::array<RoundTripTable, kLegacyPages.size()> g_roundTrip;

void BuildRoundTrip(int codePage, std::array<uint8_t, 65536>& ok) {
  Iconv enc = Open(IconvName(codePage), kUtf16Host);
  Iconv dec = Open(kUtf16Host, IconvName(codePage));
  for (unsigned u = 0; u < 0x80; ++u) ok[u] = kIconv;
  if (!enc || !dec) return;
  for (unsigned u = 0x80; u < 0x10000; ++u) {
    const auto c = static_cast<char16_t>(u);
    if (IsSurrogate(c)) continue;
    if (WindowsOnlyUnit(codePage, c) >= 0) {
      ok[u] = kWindowsByte;
      continue;
    }
    char16_t unit = c;
    char bytes[16];
    char* src = reinterpret_cast<char*>(&unit);
    size_t srcLeft = 2;
    char* dst = bytes;
    size_t dstLeft = sizeof bytes;
    iconv(static_cast<iconv_t>(enc.get()), nullptr, nullptr, nullptr, nullptr);
    if (iconv(static_cast<iconv_t>(enc.get()), &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1))
      continue;
    const size_t n = sizeof bytes - dstLeft;
    char16_t back[8];
    src = bytes;
    srcLeft = n;
    dst = reinterpret_cast<char*>(back);
    dstLeft = sizeof back;
    iconv(static_cast<iconv_t>(dec.get()), nullptr, nullptr, nullptr, nullptr);
    if (iconv(static_cast<iconv_t>(dec.get()), &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1))
      continue;
    if (sizeof back - dstLeft == 2 && back[0] == c) ok[u] = kIconv;
  }
}

const std::array<uint8_t, 65536>& RoundTrip(int index) {
  RoundTripTable& t = g_roundTrip[static_cast<size_t>(index)];
  std::call_once(t.once, [&] { BuildRoundTrip(kLegacyPages[static_cast<size_t>(index)], t.kind); });
  return t.kind;
}

int Base64Value(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// Characters UTF-7 writes as themselves; everything else goes into a
// Base64 run of UTF-16 that is always closed by "-", so that the run's end is
// visible to detection and to readers that want the closing mark.
bool Utf7Direct(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) return true;
  switch (c) {
    case u'\t':
    case u'\n':
    case u'\r':
    case u' ':
    case u'\'':
    case u'(':
    case u')':
    case u',':
    case u'-':
    case u'.':
    case u'/':
    case u':':
    case u'?':
      return true;
    default:
      return false;
  }
}

std::string EncodeUtf7(std::u16string_view text, bool* usedDefault) {
  static constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve(text.size() + text.size() / 2 + 8);
  bool inRun = false;
  uint32_t bits = 0;
  int nbits = 0;
  auto closeRun = [&] {
    if (nbits > 0) out.push_back(kBase64[(bits << (6 - nbits)) & 0x3F]);
    out.push_back('-');
    inRun = false;
    bits = 0;
    nbits = 0;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (Utf7Direct(c)) {
      if (inRun) closeRun();
      out.push_back(static_cast<char>(c));
      continue;
    }
    if (c == u'+' && !inRun) {
      out += "+-";
      continue;
    }
    if (IsSurrogate(c)) {
      const bool pairedAfter =
          c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
      const bool pairedBefore = c >= 0xDC00 && i > 0 && text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
      if (!pairedAfter && !pairedBefore) {
        // A lone surrogate cannot be written; U+FFFD takes its place.
        c = kReplacement;
        if (usedDefault) *usedDefault = true;
      }
    }
    if (!inRun) {
      out.push_back('+');
      inRun = true;
    }
    bits = (bits << 16) | c;
    nbits += 16;
    while (nbits >= 6) {
      nbits -= 6;
      out.push_back(kBase64[(bits >> nbits) & 0x3F]);
    }
    bits &= (1u << nbits) - 1;
  }
  if (inRun) closeRun();
  return out;
}

}  // namespace

bool IsSupportedCodePage(int codePage) {
  return LegacyIndex(codePage) >= 0 || codePage == kCodePageUtf7 || codePage == kCodePageUtf8;
}

// Reads UTF-7. Bytes outside a shifted run stand for themselves (also "\\"
// and "~", which strict readers refuse); 8-bit bytes become U+FFFD. A run
// "+...": its Base64 letters give UTF-16 code units; a "-" right after it is
// dropped. A run that is empty ("+" before anything but "-"), or that leaves
// six or more bits, or bits that are not zero, is not well-formed UTF-7 and
// gives one U+FFFD, so that readers can tell such text from real UTF-7.
std::u16string DecodeUtf7(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b >= 0x80) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    if (b != '+') {
      out.push_back(b);
      ++i;
      continue;
    }
    ++i;
    if (i < n && bytes[i] == '-') {
      out.push_back(u'+');
      ++i;
      continue;
    }
    uint32_t bits = 0;
    int nbits = 0;
    size_t letters = 0;
    for (; i < n; ++i, ++letters) {
      const int v = Base64Value(static_cast<unsigned char>(bytes[i]));
      if (v < 0) break;
      bits = (bits << 6) | static_cast<uint32_t>(v);
      nbits += 6;
      if (nbits >= 16) {
        nbits -= 16;
        out.push_back(static_cast<char16_t>((bits >> nbits) & 0xFFFF));
      }
    }
    if (letters == 0 || nbits >= 6 || (bits & ((1u << nbits) - 1)) != 0) out.push_back(kReplacement);
    if (i < n && bytes[i] == '-') ++i;
  }
  return out;
}

bool CodeUnitRoundTrips(int codePage, char16_t c) {
  codePage = Normalize(codePage);
  const int index = LegacyIndex(codePage);
  if (index < 0) return true;
  return RoundTrip(index)[c] != kLost;
}

std::u16string CodePageToUnicode(int codePage, std::string_view bytes) {
  codePage = Normalize(codePage);
  if (codePage == kCodePageUtf8) return Utf8ToUtf16(bytes);
  if (codePage == kCodePageUtf7) return DecodeUtf7(bytes);
  return Decode(codePage, bytes);
}

std::string UnicodeToCodePage(int codePage, std::u16string_view text, bool* usedDefault) {
  codePage = Normalize(codePage);
  if (codePage == kCodePageUtf8) {
    for (size_t i = 0; i < text.size(); ++i) {
      const char16_t c = text[i];
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
          text[i + 1] <= 0xDFFF) {
        ++i;
      } else if (IsSurrogate(c) && usedDefault) {
        *usedDefault = true;
      }
    }
    return Utf16ToUtf8(text);
  }
  if (codePage == kCodePageUtf7) return EncodeUtf7(text, usedDefault);

  const std::array<uint8_t, 65536>& kind = RoundTrip(LegacyIndex(codePage));
  Iconv cd = Open(IconvName(codePage), kUtf16Host);
  std::string out(text.size() * 2 + 16, '\0');
  size_t used = 0;
  size_t runStart = 0;
  auto flushRun = [&](size_t end) {
    if (end <= runStart) return;
    if (cd) {
      EncodeRun(static_cast<iconv_t>(cd.get()), text.substr(runStart, end - runStart), out, used,
                usedDefault);
      return;
    }
    // Without a converter only ASCII reaches here (everything else is "?").
    if (out.size() - used < end - runStart) out.resize(used + (end - runStart) + 64);
    for (size_t k = runStart; k < end; ++k) out[used++] = static_cast<char>(text[k]);
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const uint8_t k = kind[c];
    if (k == kIconv && cd) continue;
    flushRun(i);
    if (out.size() - used < 2) out.resize(out.size() * 2 + 64);
    if (k == kWindowsByte) {
      out[used++] = static_cast<char>(WindowsOnlyUnit(codePage, c));
    } else {
      out[used++] = '?';
      if (usedDefault) *usedDefault = true;
      // A surrogate pair is one character and gives one "?".
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
        ++i;
    }
    runStart = i + 1;
  }
  flushRun(text.size());
  if (cd) Flush(static_cast<iconv_t>(cd.get()), out, used);
  out.resize(used);
  return out;
}

}  // namespace kelp
