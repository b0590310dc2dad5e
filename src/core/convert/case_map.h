#pragma once
// Upper and lower case of whole texts: Unicode's simple (one character to one
// character) case mapping, so a text keeps its length and every offset in it.

#include <string>
#include <string_view>

namespace kelp {

std::u16string ToUpperText(std::u16string_view text);
std::u16string ToLowerText(std::u16string_view text);

}  // namespace kelp
