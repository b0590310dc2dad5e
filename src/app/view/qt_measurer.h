#pragma once
// The measuring font of the character width service, on Qt: widths come from
// QFontMetrics of the editor font. Also the default editor font and the
// conversions between the toolkit-free font record and QFont.

#include <QFont>
#include <QFontMetrics>

#include "view/notepad_options.h"
#include "width/char_width.h"

namespace kelp {

class TQtTextMeasurer final : public ITextMeasurer {
 public:
  explicit TQtTextMeasurer(const QFont& font) : font_(font), metrics_(font) {}
  int64_t TextPixelWidth(std::u16string_view text) const override;
  const QFont& Font() const { return font_; }

 private:
  QFont font_;
  QFontMetrics metrics_;
};

// The face new editors start with: IPAGothic 10 pt, or, when it is not
// installed, another Japanese face whose full-width characters are twice as
// wide as its digits.
const TFontSpec& DefaultEditorFont();

// The QFont of a font record (no kerning, so that the glyphs of a run sit
// where the width service puts them), and back.
QFont QFontFromSpec(const TFontSpec& spec);
TFontSpec SpecFromQFont(const QFont& font);

// The character set of an installed face: 128 (Japanese) when the face
// covers Japanese, else 1 (default); the name is cut to 31 characters.
int64_t CharsetOfFont(std::u16string_view faceName);

}  // namespace kelp
