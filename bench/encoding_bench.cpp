// Encoding figures: detection throughput, and the decoders and encoders of the
// core against iconv doing the same conversion on the same bytes in the same
// run. Ratios are our time over iconv's (lower is better); each side takes the
// best of three runs.
#include <iconv.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "base/utf.h"
#include "encoding/code_page.h"
#include "encoding/detect_code.h"
#include "encoding/euc_codec.h"
#include "encoding/jis_codec.h"
#include "harness.h"

namespace {

using kelp::bench::Report;
using kelp::bench::Target;

size_t g_sink = 0;

// Japanese prose with ASCII words, digits, punctuation and line ends; no
// half-width katakana, so that every encoding here holds all of it.
std::u16string JapaneseText(size_t units) {
  const std::u16string para =
      u"吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。"
      u"Kelp けるぷ version 1.2.3: テキストエディタ、日本語の文章を編集します。\r\n"
      u"東京都千代田区 1-2-3、電話 03-1234-5678。ＡＢＣ全角英字とカタカナ、ひらがな。\r\n"
      u"int main() { return 0; } // source code lines are mixed in\r\n";
  std::u16string text;
  text.reserve(units + para.size());
  while (text.size() < units) text += para;
  return text;
}

// iconv in one call; the output buffer is reserved once, like ours.
template <class Out>
Out RawIconv(const char* to, const char* from, const void* in, size_t inBytes, size_t outUnits) {
  Out out(outUnits, typename Out::value_type{});
  iconv_t cd = iconv_open(to, from);
  char* src = static_cast<char*>(const_cast<void*>(in));
  char* dst = reinterpret_cast<char*>(out.data());
  size_t srcLeft = inBytes, dstLeft = out.size() * sizeof(typename Out::value_type);
  iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv(cd, nullptr, nullptr, &dst, &dstLeft);
  iconv_close(cd);
  out.resize(out.size() - dstLeft / sizeof(typename Out::value_type));
  return out;
}

double Best(const std::function<void()>& f) {
  double best = 1e30;
  for (int i = 0; i < 3; ++i) best = std::min(best, kelp::bench::Seconds(f));
  return best;
}

void Compare(const char* name, double ours, double peer, const char* peerName, double limit) {
  Report({name, ours * 1e3, "ms", peerName, peer * 1e3, Target{Target::kAtMost, limit, true}});
}

std::string Encode(const char* to, const std::u16string& text) {
  return RawIconv<std::string>(to, "UTF-16LE", text.data(), text.size() * 2, text.size() * 4 + 16);
}

size_t Units(const kelp::bench::Options& opts) { return (opts.quick ? (8u << 20) : (100u << 20)) / 2; }

}  // namespace

KELP_BENCH(EncodingDetect) {
  // Japanese text with ASCII in Shift_JIS and in EUC-JP: the detector decides
  // as soon as one multi-byte candidate is left. 7-bit text with Japanese
  // only at its end is the worst case: every candidate reads every byte.
  const std::u16string text = JapaneseText(Units(opts) / 2);
  std::string late(Units(opts) * 2, 'a');
  for (size_t i = 80; i < late.size(); i += 81) late[i] = '\n';
  late += Encode("CP932", u"日本語");
  const struct {
    const char* name;
    const char* iconvName;
    std::string bytes;
  } inputs[] = {
      {"detect_code_sjis_MBps", "CP932", Encode("CP932", text)},
      {"detect_code_euc_MBps", "EUC-JP", Encode("EUC-JP", text)},
      {"detect_code_7bit_then_sjis_MBps", "CP932", late},
  };
  for (const auto& in : inputs) {
    const double mb = static_cast<double>(in.bytes.size()) / 1e6;
    const double ours = Best([&] { g_sink += static_cast<size_t>(kelp::DetectCode(in.bytes)); });
    const double peer = Best([&] {
      g_sink += RawIconv<std::u16string>("UTF-16LE", in.iconvName, in.bytes.data(), in.bytes.size(),
                                         in.bytes.size())
                    .size();
    });
    Report({in.name, mb / ours, "MB/s", std::string("iconv ") + in.iconvName + " decode MB/s", mb / peer,
            std::nullopt});
  }
}

KELP_BENCH(EncodingDecode) {
  const std::u16string text = JapaneseText(Units(opts) / 2);
  const std::string sjis = Encode("CP932", text);
  const std::string utf8 = Encode("UTF-8", text);
  const std::string euc = Encode("EUC-JP", text);
  const std::string jis = Encode("ISO-2022-JP", text);
  auto raw = [](const char* from, const std::string& in) {
    return RawIconv<std::u16string>("UTF-16LE", from, in.data(), in.size(), in.size());
  };
  // The same text comes out of both sides.
  if (kelp::CodePageToUnicode(932, sjis) != text || kelp::EucToUnicode(euc) != text ||
      kelp::JisToUnicode(jis) != text || kelp::Utf8ToUtf16(utf8) != text || raw("EUC-JP", euc) != text)
    std::printf("encoding bench: decoders disagree\n");

  Compare("decode_sjis_ms", Best([&] { g_sink += kelp::CodePageToUnicode(932, sjis).size(); }),
          Best([&] { g_sink += raw("CP932", sjis).size(); }), "iconv CP932", 1.2);
  Compare("decode_utf8_ms",
          Best([&] { g_sink += kelp::CodePageToUnicode(kelp::kCodePageUtf8, utf8).size(); }),
          Best([&] { g_sink += raw("UTF-8", utf8).size(); }), "iconv UTF-8", 1.2);
  Compare("decode_euc_ms", Best([&] { g_sink += kelp::EucToUnicode(euc).size(); }),
          Best([&] { g_sink += raw("EUC-JP", euc).size(); }), "iconv EUC-JP", 1.0);
  Compare("decode_jis_ms", Best([&] { g_sink += kelp::JisToUnicode(jis).size(); }),
          Best([&] { g_sink += raw("ISO-2022-JP", jis).size(); }), "iconv ISO-2022-JP", 1.0);
}

KELP_BENCH(EncodingEncode) {
  const std::u16string text = JapaneseText(Units(opts) / 2);
  if (kelp::UnicodeToCodePage(932, text) != Encode("CP932", text) ||
      kelp::UnicodeToEuc(text) != Encode("EUC-JP", text))
    std::printf("encoding bench: encoders disagree\n");
  Compare("encode_sjis_ms", Best([&] { g_sink += kelp::UnicodeToCodePage(932, text).size(); }),
          Best([&] { g_sink += Encode("CP932", text).size(); }), "iconv CP932", 1.2);
  Compare("encode_euc_ms", Best([&] { g_sink += kelp::UnicodeToEuc(text).size(); }),
          Best([&] { g_sink += Encode("EUC-JP", text).size(); }), "iconv EUC-JP", 1.0);
  if (g_sink == 42) std::puts("");
}
