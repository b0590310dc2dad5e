#include "width/char_width.h"

#include <algorithm>
#include <cstring>

namespace kelp {

namespace width_detail {
uint16_t gWidthCache[65536];
int64_t gWidthUnit = 0;
}  // namespace width_detail

namespace {

std::shared_ptr<const ITextMeasurer>& Measurer() {
  // The default measuring font until a view measures its own.
  static std::shared_ptr<const ITextMeasurer> m = std::make_shared<TFixedWidthMeasurer>(8, 16);
  return m;
}

constexpr const char* kLowNames[32] = {"NUL", "SOH", "STH", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                       "BS",  "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                       "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                       "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
constexpr const char* kHighNames[32] = {"XXX", "XXX", "BPH", "NBH", "IND", "NEL", "SSA", "ESA",
                                        "HTS", "HTJ", "VTS", "PLD", "PLU", "RI",  "SS2", "SS3",
                                        "DCS", "PU1", "PU2", "STS", "CCH", "MW",  "SPA", "EPA",
                                        "SOS", "XXX", "SCI", "CSI", "ST",  "OSC", "PM",  "APC"};

}  // namespace

bool TFixedWidthMeasurer::IsWide(char16_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6);
}

int64_t TFixedWidthMeasurer::TextPixelWidth(std::u16string_view text) const {
  int64_t w = 0;
  for (char16_t c : text) w += IsWide(c) ? wide_ : narrow_;
  return w;
}

int64_t width_detail::MeasureAndCache(char16_t c) {
  int64_t w;
  if ((c >= 0x20 && c <= 0x7F) || c >= 0xA0) {
    const char16_t one[1] = {c};
    w = Measurer()->TextPixelWidth(std::u16string_view(one, 1));
  } else {
    w = Measurer()->TextPixelWidth(ControlCharName(c));
  }
  w = std::clamp<int64_t>(w, 2, 0xFFFF);
  gWidthCache[c] = static_cast<uint16_t>(w);
  return w;
}

void ResetCharPixelWidths(std::shared_ptr<const ITextMeasurer> measurer, int64_t unit) {
  std::memset(width_detail::gWidthCache, 0, sizeof(width_detail::gWidthCache));
  if (measurer) {
    Measurer() = std::move(measurer);
  } else {
    Measurer() = std::make_shared<TFixedWidthMeasurer>(8, 16);
  }
  width_detail::gWidthUnit = unit;
}

std::u16string ControlCharName(char16_t c) {
  const char* name = nullptr;
  if (c < 0x20) {
    name = kLowNames[c];
  } else if (c >= 0x80 && c <= 0x9F) {
    name = kHighNames[c - 0x80];
  }
  if (!name) return {};
  std::u16string s = u"[";
  for (const char* p = name; *p; ++p) s += static_cast<char16_t>(*p);
  s += u']';
  return s;
}

}  // namespace kelp
