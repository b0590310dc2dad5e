#pragma once
// The process-wide character width service: every horizontal quantity of the
// editor (caret columns, tab stops, wrap points, painting, printing) takes the
// width of a UTF-16 code unit from here. Each code unit is measured once per
// measuring font and cached; the measuring itself goes through ITextMeasurer.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kelp {

// Measures text in the pixels of one font. The Qt view supplies one built on
// QFontMetrics; tests and benchmarks use TFixedWidthMeasurer.
class ITextMeasurer {
 public:
  virtual ~ITextMeasurer() = default;
  // Width of `text` in pixels.
  virtual int64_t TextPixelWidth(std::u16string_view text) const = 0;
};

// Every code unit is `narrow` pixels wide, except the East Asian wide and
// full-width ranges (CJK, kana, Hangul, full-width forms), which are `wide`.
class TFixedWidthMeasurer : public ITextMeasurer {
 public:
  TFixedWidthMeasurer(int64_t narrow, int64_t wide) : narrow_(narrow), wide_(wide) {}
  int64_t TextPixelWidth(std::u16string_view text) const override;
  static bool IsWide(char16_t c);

 private:
  int64_t narrow_;
  int64_t wide_;
};

namespace width_detail {
extern uint16_t gWidthCache[65536];
int64_t MeasureAndCache(char16_t c);
extern int64_t gWidthUnit;
}  // namespace width_detail

// Pixel width of the code unit `c` in the measuring font, never less than 2.
// Tabs are not measured here; see TabPixelWidth.
inline int64_t CharPixelWidth(char16_t c) {
  const uint16_t w = width_detail::gWidthCache[c];
  return w != 0 ? w : width_detail::MeasureAndCache(c);
}

// The width unit in pixels: the width of "0" in the editor font (0 until a
// view or the printer has reset the service).
inline int64_t WidthUnit() { return width_detail::gWidthUnit; }

// Clears the whole cache, makes `measurer` the measuring font and `unit` the
// width unit. A null measurer selects the built-in default.
void ResetCharPixelWidths(std::shared_ptr<const ITextMeasurer> measurer, int64_t unit);

// "[NUL]" ... "[US]" for 0x00-0x1F and "[XXX]" ... "[APC]" for 0x80-0x9F;
// empty for every other code unit.
std::u16string ControlCharName(char16_t c);

// Width of a tab that starts at pixel offset x: it ends on the next tab stop
// (every unit * tabCount pixels) and is at least one unit wide.
inline int64_t TabPixelWidth(int64_t x, int64_t unit, int64_t tabCount) {
  const int64_t stop = unit * tabCount;
  if (stop <= 0) return 0;
  int64_t w = stop - (x % stop);
  if (w < unit) w += stop;
  return w;
}

}  // namespace kelp
