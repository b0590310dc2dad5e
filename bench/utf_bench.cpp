// UTF-8 decoding of the core against Qt's decoder, on the same generated text.
#include <QString>

#include "base/utf.h"
#include "harness.h"

KELP_BENCH(Utf8Decode) {
  std::string text;
  const std::string unit = "Kelp けるぷ 日本語のテキスト and ASCII words.\n";
  const size_t bytes = opts.quick ? (8u << 20) : (64u << 20);
  while (text.size() < bytes) text += unit;
  size_t sink = 0;
  const double ours = kelp::bench::Seconds([&] { sink += kelp::Utf8ToUtf16(text).size(); });
  const double qt =
      kelp::bench::Seconds([&] { sink += QString::fromUtf8(text.data(), qsizetype(text.size())).size(); });
  const double mb = static_cast<double>(text.size()) / 1e6;
  kelp::bench::Report({"utf8_decode_MBps", mb / ours, "MB/s", "QString::fromUtf8", mb / qt, std::nullopt});
  if (sink == 42) std::puts("");
}
