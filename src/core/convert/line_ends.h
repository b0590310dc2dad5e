#pragma once
// Line-end conversions of whole texts.

#include <span>
#include <string>
#include <string_view>

#include "document/line_data.h"

namespace kelp {

// The characters of a line-end convention: "\r", "\n" or "\r\n".
std::u16string_view LineEndText(TLineEnds ends);

// Every line end of the text (CR LF, lone CR or LF) written in the convention.
std::u16string ConvertLineEnds(std::u16string_view text, TLineEnds ends);

// The text as displayed: each display line's characters, and after every
// wrapped or hard-broken line the convention's line end (the last line adds
// nothing). `text` is the document's buffer with LF line ends and `lines` its
// display lines.
std::u16string ReturnedString(std::u16string_view text, std::span<const TLineData> lines, TLineEnds ends);

}  // namespace kelp
